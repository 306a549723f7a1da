#include "platform/desktop_look.h"

#include <QWidget>

namespace orvan::platform {

QString Caption(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QFont SansFont(int pixelSize, bool bold, bool condensed) {
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    if (condensed) font.setStretch(QFont::Condensed);
    return font;
}

QColor FieldBackground() {
    return QColor(250, 255, 255);
}

void Place(QWidget* control, const char* name, const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
}

void CentreOver(QWidget* dialog, const QWidget* over) {
    if (over == nullptr) return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(over->window()->frameGeometry().center());
    dialog->move(frame.topLeft());
}

}  // namespace orvan::platform
