// The handle between two panes of a window laid out by hand: dragged sideways, it says how far
// it has been moved since it was pressed, and the window moves the border between the panes.
#pragma once

#include <QWidget>

namespace orvan::platform {

class DividerHandle : public QWidget {
    Q_OBJECT
  public:
    explicit DividerHandle(QWidget* parent = nullptr);

  signals:
    /// The handle was pressed: a drag starts from the border as it stands.
    void pressed();
    /// The handle is being dragged `offset` pixels right (left when negative) of where it was
    /// pressed.
    void dragged(int offset);
    /// The drag ended where it is.
    void released();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int pressX_ = 0;
    bool dragging_ = false;
};

}  // namespace orvan::platform
