#include "lookup/edge_anchors.h"

#include <QWidget>

namespace orvan::lookup {

namespace {

// One axis: the start and length of a control between the window's two edges on that axis.
std::pair<int, int> Follow(int start, int length, int designedSpan, int span, bool first,
                           bool second) {
    const int grown = span - designedSpan;
    if (first && second) return {start, std::max(0, length + grown)};
    if (second) return {start + grown, length};
    if (first) return {start, length};
    // Following neither edge keeps the control's centre at the same share of the window.
    const int centre = designedSpan > 0 ? (2 * start + length) * span / (2 * designedSpan) : 0;
    return {centre - length / 2, length};
}

}  // namespace

QRect FollowEdges(const QRect& designed, const QSize& designedSize, const QSize& size,
                  unsigned edges) {
    const auto [x, width] = Follow(designed.x(), designed.width(), designedSize.width(),
                                   size.width(), edges & Left, edges & Right);
    const auto [y, height] = Follow(designed.y(), designed.height(), designedSize.height(),
                                    size.height(), edges & Top, edges & Bottom);
    return {x, y, width, height};
}

void EdgeAnchors::follow(QWidget* widget, unsigned edges, Adjust adjust) {
    anchors_.push_back({widget, widget->geometry(), edges, std::move(adjust)});
}

void EdgeAnchors::place(const QSize& size) const {
    for (const Anchor& anchor : anchors_) {
        QRect rect = FollowEdges(anchor.designed, designedSize_, size, anchor.edges);
        if (anchor.adjust) rect = anchor.adjust(rect);
        anchor.widget->setGeometry(rect);
    }
}

}  // namespace orvan::lookup
