#include "platform/edge_layout.h"

#include <QWidget>
#include <algorithm>
#include <utility>

namespace orvan::platform {

namespace {

// One axis: the start and length of a control between the area's two edges on that axis.
std::pair<int, int> Follow(int start, int length, int designedSpan, int span, bool first,
                           bool second) {
    const int grown = span - designedSpan;
    if (first && second) return {start, std::max(0, length + grown)};
    if (second) return {start + grown, length};
    if (first) return {start, length};
    const int centre = designedSpan > 0 ? (2 * start + length) * span / (2 * designedSpan) : 0;
    return {centre - length / 2, length};
}

}  // namespace

EdgeLayout::EdgeLayout(QWidget* window, QSize designedSize, QSize minimumSize)
    : QLayout(window),
      designedSize_(designedSize),
      minimumSize_(minimumSize),
      laying_(designedSize) {
    setContentsMargins(0, 0, 0, 0);
}

EdgeLayout::~EdgeLayout() {
    for (const Place& place : places_)
        delete place.item;
}

QRect EdgeLayout::follow(const QRect& designed, QSize designedSize, QSize size, Qt::Edges edges) {
    const auto [x, width] =
        Follow(designed.x(), designed.width(), designedSize.width(), size.width(),
               edges.testFlag(Qt::LeftEdge), edges.testFlag(Qt::RightEdge));
    const auto [y, height] =
        Follow(designed.y(), designed.height(), designedSize.height(), size.height(),
               edges.testFlag(Qt::TopEdge), edges.testFlag(Qt::BottomEdge));
    return {x, y, width, height};
}

QSize EdgeLayout::smallestSizeWhere(const std::function<bool()>& clear) {
    const auto holdsAt = [&](QSize size) {
        for (const Place& place : places_)
            lay(place, QRect({}, size));
        return clear();
    };
    QSize smallest = designedSize_;
    while (smallest.width() > 1 && holdsAt({smallest.width() - 1, designedSize_.height()}))
        smallest.rwidth() -= 1;
    while (smallest.height() > 1 && holdsAt({designedSize_.width(), smallest.height() - 1}))
        smallest.rheight() -= 1;
    // Two corners may meet although neither axis alone brings them together.
    while (smallest.width() < designedSize_.width() && !holdsAt(smallest)) {
        smallest.rwidth() += 1;
        smallest.rheight() = std::min(smallest.height() + 1, designedSize_.height());
    }
    const QRect own = geometry().isValid() ? geometry() : QRect({}, designedSize_);
    for (const Place& place : places_)
        lay(place, own);
    return smallest;
}

bool EdgeLayout::stretchedKeepTheirMinimum(const std::vector<const QWidget*>& backdrops) const {
    for (const Place& place : places_) {
        const QWidget* widget = place.item->widget();
        if (widget == nullptr || widget->isHidden()) continue;
        if (std::find(backdrops.begin(), backdrops.end(), widget) != backdrops.end()) continue;
        const QSize least = widget->minimumSizeHint();
        const bool acrossStretched =
            place.edges.testFlag(Qt::LeftEdge) && place.edges.testFlag(Qt::RightEdge);
        const bool downStretched =
            place.edges.testFlag(Qt::TopEdge) && place.edges.testFlag(Qt::BottomEdge);
        if (acrossStretched && widget->width() < least.width()) return false;
        if (downStretched && widget->height() < least.height()) return false;
    }
    return true;
}

void EdgeLayout::setMinimumSize(QSize size) {
    minimumSize_ = size;
    invalidate();
}

void EdgeLayout::addWidget(QWidget* widget, Qt::Edges edges, Fit fit) {
    addChildWidget(widget);
    places_.push_back({new QWidgetItem(widget), widget->geometry(), edges, std::move(fit)});
    invalidate();
}

void EdgeLayout::addPlaced(QWidget* widget, const char* name, const QRect& place, Qt::Edges edges) {
    widget->setObjectName(QString::fromLatin1(name));
    addChildWidget(widget);
    places_.push_back({new QWidgetItem(widget), place, edges, {}});
    invalidate();
    lay(places_.back(), geometry().isValid() ? geometry() : QRect({}, designedSize_));
}

void EdgeLayout::setPlace(QWidget* widget, const QRect& place) {
    for (Place& placed : places_) {
        if (placed.item->widget() != widget) continue;
        placed.designed = place;
        lay(placed, geometry().isValid() ? geometry() : QRect({}, designedSize_));
        return;
    }
}

QRect EdgeLayout::place(const QWidget* widget) const {
    for (const Place& placed : places_) {
        if (placed.item->widget() == widget) return placed.designed;
    }
    return {};
}

void EdgeLayout::addItem(QLayoutItem* item) {
    places_.push_back({item, item->geometry(), Qt::LeftEdge | Qt::TopEdge, {}});
    invalidate();
}

QLayoutItem* EdgeLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? places_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* EdgeLayout::takeAt(int index) {
    if (index < 0 || index >= count()) return nullptr;
    QLayoutItem* item = places_[static_cast<std::size_t>(index)].item;
    places_.erase(places_.begin() + index);
    invalidate();
    return item;
}

int EdgeLayout::count() const {
    return static_cast<int>(places_.size());
}

QSize EdgeLayout::sizeHint() const {
    return designedSize_;
}

QSize EdgeLayout::minimumSize() const {
    return minimumSize_;
}

Qt::Orientations EdgeLayout::expandingDirections() const {
    return Qt::Horizontal | Qt::Vertical;
}

void EdgeLayout::lay(const Place& place, const QRect& rect) const {
    laying_ = rect.size();
    QRect placed =
        follow(place.designed, designedSize_, rect.size(), place.edges).translated(rect.topLeft());
    if (place.fit) placed = place.fit(placed);
    // A widget takes exactly the place its rules give it, whatever its own size limits.
    if (QWidget* widget = place.item->widget()) {
        widget->setGeometry(placed);
    } else {
        place.item->setGeometry(placed);
    }
}

void EdgeLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    for (const Place& place : places_)
        lay(place, rect);
}

}  // namespace orvan::platform
