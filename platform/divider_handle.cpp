#include "platform/divider_handle.h"

#include <QMouseEvent>
#include <cmath>

namespace orvan::platform {

DividerHandle::DividerHandle(QWidget* parent) : QWidget(parent) {
    // It draws nothing of its own: the gap between the panes is the handle.
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::NoFocus);
}

void DividerHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressX_ = static_cast<int>(std::lround(event->globalPosition().x()));
    dragging_ = true;
    emit pressed();
}

void DividerHandle::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    emit dragged(static_cast<int>(std::lround(event->globalPosition().x())) - pressX_);
}

void DividerHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    emit dragged(static_cast<int>(std::lround(event->globalPosition().x())) - pressX_);
    emit released();
}

}  // namespace orvan::platform
