// The windows' layout: each control keeps the place it was laid out at in the window's first
// size, and follows the edges of the window it is bound to when the window grows or shrinks. A
// control bound to two opposite edges grows and shrinks with the window; one bound to the far
// edge only moves with it; one bound to neither keeps its centre at the same share of the
// window. Controls may overlap (the start screen's pictures lie on its cover).
#pragma once

#include <QLayout>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

namespace orvan::platform {

class EdgeLayout : public QLayout {
  public:
    /// Adjusts a control's rectangle once it has followed its edges (to whole rows of a list, or
    /// to a control placed before it).
    using Fit = std::function<QRect(const QRect&)>;

    /// Lays out `window`, whose controls stand where they belong at `designedSize`; the window
    /// becomes no smaller than `minimumSize`.
    EdgeLayout(QWidget* window, QSize designedSize, QSize minimumSize);
    ~EdgeLayout() override;

    /// \brief Lays out `widget` from where it stands now, following `edges`, then `fit`.
    /// Controls are placed in the order they were added, so a fit may read the geometry of one
    /// added before.
    void addWidget(QWidget* widget, Qt::Edges edges, Fit fit = {});
    using QLayout::addWidget;

    /// \brief Names `widget` (tests find it by that name) and lays it out at `place` in the
    /// first size, following `edges`.
    void addPlaced(QWidget* widget, const char* name, const QRect& place,
                   Qt::Edges edges = Qt::LeftEdge | Qt::TopEdge);
    /// Moves `widget` to `place` (in the first size), at once.
    void setPlace(QWidget* widget, const QRect& place);
    /// Where `widget` stands in the first size; an empty rectangle for a widget not here.
    QRect place(const QWidget* widget) const;

    /// \brief The rectangle a control laid out at `designed` in an area of `designedSize` takes
    /// in an area of `size`, following `edges`.
    static QRect follow(const QRect& designed, QSize designedSize, QSize size, Qt::Edges edges);

    /// \brief The smallest size at which `clear` holds with the controls laid out at it: each
    /// axis is lowered from the designed size while `clear` holds (the other axis at its designed
    /// length), then both are raised together until it holds at the two. The controls are laid
    /// out at the layout's own geometry again before it returns.
    QSize smallestSizeWhere(const std::function<bool()>& clear);
    /// Whether each control stretched between two edges of an axis (`backdrops` aside) is at
    /// least as long on that axis as its minimumSizeHint.
    bool stretchedKeepTheirMinimum(const std::vector<const QWidget*>& backdrops = {}) const;
    /// The size of the area the controls are being laid out in (for a fit that shares the room
    /// between controls).
    QSize layingSize() const { return laying_; }
    /// Makes `size` the smallest the window may become.
    void setMinimumSize(QSize size);

    /// An item added without edges stays at its place from the top left corner.
    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;

  private:
    struct Place {
        QLayoutItem* item;
        QRect designed;
        Qt::Edges edges;
        Fit fit;
    };
    QSize designedSize_;
    QSize minimumSize_;
    /// Puts `place`'s widget where its rules put it in `rect`.
    void lay(const Place& place, const QRect& rect) const;

    std::vector<Place> places_;
    mutable QSize laying_;
};

}  // namespace orvan::platform
