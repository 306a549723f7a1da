#include "platform/control_overlap.h"

#include <QLabel>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace orvan::platform {

QRect ShownRect(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label == nullptr || label->hasScaledContents()) return control->geometry();
    const QSize shown = label->sizeHint().boundedTo(label->size());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), shown,
                               label->geometry());
}

std::vector<Overlap> Overlaps(const QWidget* window, const std::vector<const QWidget*>& backdrops) {
    std::vector<std::pair<const QWidget*, QRect>> shown;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->isWindow()) continue;
        if (std::find(backdrops.begin(), backdrops.end(), child) != backdrops.end()) continue;
        const QRect rect = ShownRect(child);
        if (!rect.isEmpty()) shown.emplace_back(child, rect);
    }
    std::vector<Overlap> overlaps;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i].second.intersects(shown[j].second))
                overlaps.emplace_back(shown[i].first, shown[j].first);
        }
    }
    return overlaps;
}

}  // namespace orvan::platform
