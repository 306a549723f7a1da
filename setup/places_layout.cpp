#include "setup/places_layout.h"

#include <QWidget>
#include <algorithm>

namespace orvan::setup {

PlacesLayout::PlacesLayout(QWidget* window, QSize defaultSize)
    : QLayout(window), defaultSize_(defaultSize) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

PlacesLayout::~PlacesLayout() {
    for (const Placed& placed : placed_)
        delete placed.item;
}

void PlacesLayout::addPlaced(QWidget* control, const char* name, const QRect& place,
                             unsigned growth) {
    control->setObjectName(QString::fromLatin1(name));
    addChildWidget(control);
    placed_.push_back({new QWidgetItem(control), place, growth});
    invalidate();
    control->setGeometry(shownPlace(placed_.back(), geometry()));
}

void PlacesLayout::setPlace(QWidget* control, const QRect& place) {
    for (Placed& placed : placed_) {
        if (placed.item->widget() != control) continue;
        placed.place = place;
        control->setGeometry(shownPlace(placed, geometry()));
        return;
    }
}

QRect PlacesLayout::place(const QWidget* control) const {
    for (const Placed& placed : placed_) {
        if (placed.item->widget() == control) return placed.place;
    }
    return {};
}

void PlacesLayout::addItem(QLayoutItem* item) {
    // A widget added the usual way keeps the place it has.
    const QRect place = item->widget() != nullptr ? item->widget()->geometry() : QRect();
    placed_.push_back({item, place, Stays});
    invalidate();
}

QLayoutItem* PlacesLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? placed_[static_cast<size_t>(index)].item : nullptr;
}

QLayoutItem* PlacesLayout::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = placed_[static_cast<size_t>(index)].item;
    placed_.erase(placed_.begin() + index);
    invalidate();
    return item;
}

int PlacesLayout::count() const {
    return static_cast<int>(placed_.size());
}

QSize PlacesLayout::sizeHint() const {
    return defaultSize_;
}

QSize PlacesLayout::minimumSize() const {
    return defaultSize_;
}

void PlacesLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    for (const Placed& placed : placed_) {
        if (QWidget* control = placed.item->widget()) {
            control->setGeometry(shownPlace(placed, rect));
        } else {
            placed.item->setGeometry(shownPlace(placed, rect));
        }
    }
}

QRect PlacesLayout::shownPlace(const Placed& placed, const QRect& area) const {
    // Before the first layout the window stands at its default size.
    const int wider = area.isValid() ? std::max(0, area.width() - defaultSize_.width()) : 0;
    const int taller = area.isValid() ? std::max(0, area.height() - defaultSize_.height()) : 0;
    QRect shown = placed.place;
    if (placed.growth & FollowsRight) shown.translate(wider, 0);
    if (placed.growth & FollowsBottom) shown.translate(0, taller);
    if (placed.growth & Widens) shown.setWidth(shown.width() + wider);
    if (placed.growth & GrowsTaller) shown.setHeight(shown.height() + taller);
    return shown.translated(area.isValid() ? area.topLeft() : QPoint());
}

}  // namespace orvan::setup
