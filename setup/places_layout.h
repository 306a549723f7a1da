// The layout of the start screen and the setup dialogs: each control has its place at the
// window's default size, and rules for how that place follows the window when it is larger
// (stays, widens, grows taller, keeps its distance from the right or the bottom edge). Controls
// may overlap: the pictures of the start screen lie on its cover.
#pragma once

#include <QLayout>
#include <QRect>
#include <vector>

namespace orvan::setup {

class PlacesLayout : public QLayout {
  public:
    /// How a place follows a window larger than its default size; the rules combine.
    enum Growth : unsigned {
        Stays = 0,
        Widens = 1,         // the place takes the extra width
        GrowsTaller = 2,    // the place takes the extra height
        FollowsRight = 4,   // the place keeps its distance from the right edge
        FollowsBottom = 8,  // the place keeps its distance from the bottom edge
    };

    /// Lays out `window`, whose default (and smallest) size is `defaultSize`.
    PlacesLayout(QWidget* window, QSize defaultSize);
    ~PlacesLayout() override;

    /// Names `control` (tests find it by that name) and gives it `place` at the default size.
    void addPlaced(QWidget* control, const char* name, const QRect& place, unsigned growth = Stays);
    /// Moves `control` to `place` (at the default size), at once.
    void setPlace(QWidget* control, const QRect& place);
    /// Where `control` stands at the default size; an empty rectangle for a control not here.
    QRect place(const QWidget* control) const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    struct Placed {
        QLayoutItem* item;
        QRect place;
        unsigned growth;
    };
    /// Where `placed` stands in a window laid out in `area`.
    QRect shownPlace(const Placed& placed, const QRect& area) const;

    QSize defaultSize_;
    std::vector<Placed> placed_;
};

}  // namespace orvan::setup
