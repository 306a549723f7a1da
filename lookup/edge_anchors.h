// How the lookup window's controls follow its edges on resizing: each keeps its distance to the
// edges it follows, and a control that follows two opposite edges grows or shrinks with the
// window.
#pragma once

#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

class QWidget;

namespace orvan::lookup {

enum Edge : unsigned { Left = 1, Top = 2, Right = 4, Bottom = 8 };

/// \brief The rectangle a control laid out at `designed` in a window of `designedSize` takes in a
/// window of `size`, following `edges` (a combination of Edge).
QRect FollowEdges(const QRect& designed, const QSize& designedSize, const QSize& size,
                  unsigned edges);

class EdgeAnchors {
  public:
    /// Adjusts a rectangle after it has followed its edges (the list shows whole rows only).
    using Adjust = std::function<QRect(const QRect&)>;

    explicit EdgeAnchors(QSize designedSize) : designedSize_(designedSize) {}

    /// Remembers `widget`'s present geometry as its designed place.
    void follow(QWidget* widget, unsigned edges, Adjust adjust = {});

    /// Places every control for a window of `size`.
    void place(const QSize& size) const;

  private:
    struct Anchor {
        QWidget* widget;
        QRect designed;
        unsigned edges;
        Adjust adjust;
    };
    QSize designedSize_;
    std::vector<Anchor> anchors_;
};

}  // namespace orvan::lookup
