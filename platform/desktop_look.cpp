#include "platform/desktop_look.h"

#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

#include "richtext/colour_contrast.h"

namespace orvan::platform {

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Watches one keyboard control: keeps its accessible name on its hint, clicks a picture button
// on Enter, and frames a focused picture or label, which draw no focus of their own.
class KeyboardControl final : public QObject {
  public:
    explicit KeyboardControl(QWidget* control) : QObject(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = static_cast<QWidget*>(watched);
        auto* button = qobject_cast<QAbstractButton*>(control);
        switch (event->type()) {
            case QEvent::ToolTipChange:
                control->setAccessibleName(control->toolTip());
                break;
            case QEvent::KeyPress: {
                const auto* key = static_cast<const QKeyEvent*>(event);
                if (button != nullptr && IsEnter(key->key()) && !key->isAutoRepeat()) {
                    button->click();
                    return true;
                }
                break;
            }
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                control->update();
                break;
            case QEvent::Paint:
                if (button == nullptr && control->hasFocus()) {
                    // The control paints itself first (an event filter is not asked again), then
                    // the frame goes over it.
                    static_cast<QObject*>(control)->event(event);
                    // A solid frame in the selection colour: the style's own focus frame is too
                    // faint to find on a picture.
                    QPainter painter(control);
                    painter.setPen(QPen(control->palette().color(QPalette::Highlight), 2));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(QRectF(control->rect()).adjusted(1, 1, -1, -1));
                    return true;
                }
                break;
            default:
                break;
        }
        return false;
    }
};

}  // namespace

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

namespace {

richtext::Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

}  // namespace

bool IsDarkPalette(const QPalette& palette) {
    return richtext::IsDark(ToRgb(palette.color(QPalette::Window)));
}

QPalette DarkPalette() {
    // Built from its window colour: Qt derives the bevels and the light texts from it.
    QPalette palette{QColor(53, 53, 53)};
    palette.setColor(QPalette::Base, QColor(35, 35, 35));
    palette.setColor(QPalette::AlternateBase, QColor(60, 60, 60));
    palette.setColor(QPalette::Text, QColor(240, 240, 240));
    palette.setColor(QPalette::WindowText, QColor(240, 240, 240));
    palette.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    palette.setColor(QPalette::ToolTipBase, QColor(35, 35, 35));
    palette.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    palette.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Link, QColor(90, 160, 235));
    palette.setColor(QPalette::LinkVisited, QColor(170, 130, 235));
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::PlaceholderText}) {
        palette.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    }
    return palette;
}

bool DarkPaletteAsked() {
    return qEnvironmentVariable("ORVAN_PALETTE").compare("dark", Qt::CaseInsensitive) == 0;
}

QColor FieldBackground(const QPalette& palette) {
    return IsDarkPalette(palette) ? palette.color(QPalette::Base) : FieldBackground();
}

QColor ReadableColour(const QColor& colour, const QColor& background) {
    if (!richtext::IsDark(ToRgb(background))) return colour;
    const richtext::Rgb readable =
        richtext::LightenToContrast(ToRgb(colour), ToRgb(background), richtext::kTextContrast);
    return QColor(readable.red, readable.green, readable.blue);
}

QColor ReadableOnControl(const QColor& colour, const QPalette& palette) {
    // The desktop's style shades a button face up to about a third lighter than the button
    // colour; the text reads on the lighter of that face and the drop-down list's base.
    const QColor face = palette.color(QPalette::Button).lighter(140);
    const QColor base = palette.color(QPalette::Base);
    return ReadableColour(colour, face.lightness() >= base.lightness() ? face : base);
}

QColor DeepenedToRead(const QColor& colour, const QColor& background) {
    QColor deeper = colour.toHsl();
    while (richtext::ContrastRatio(ToRgb(deeper), ToRgb(background)) < richtext::kTextContrast &&
           deeper.lightness() > 0) {
        deeper.setHsl(deeper.hslHue(), deeper.hslSaturation(), deeper.lightness() - 1);
    }
    return deeper.toRgb();
}

QColor TextOnOwnBackground(const QColor& text, const QColor& background) {
    if (richtext::ContrastRatio(ToRgb(text), ToRgb(background)) >= richtext::kTextContrast)
        return text;
    return QColor(Qt::black);
}

namespace {

// How much of a background picture shows through the palette's window colour under a dark
// desktop: enough to keep its shading, little enough to keep it dark.
constexpr int kPictureShare = 15;  // percent

int Toned(int window, int picture) {
    return (window * (100 - kPictureShare) + picture * kPictureShare + 50) / 100;
}

}  // namespace

QImage BackgroundPicture(const QImage& picture, const QPalette& palette) {
    if (picture.isNull() || !IsDarkPalette(palette)) return picture;
    const QColor window = palette.color(QPalette::Window);
    QImage toned = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < toned.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(toned.scanLine(y));
        for (int x = 0; x < toned.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qRgba(Toned(window.red(), qRed(pixel)), Toned(window.green(), qGreen(pixel)),
                            Toned(window.blue(), qBlue(pixel)), qAlpha(pixel));
        }
    }
    return toned;
}

QColor WindowBackdrop(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    if (!IsDarkPalette(palette)) return window;
    // A white pixel of the picture is the lightest it can tone to.
    return QColor(Toned(window.red(), 255), Toned(window.green(), 255), Toned(window.blue(), 255));
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

QIcon StoredIcon(const QString& path) {
    // Qt's SVG icon engine draws the picture at each size and pixel ratio asked for.
    return QIcon(path);
}

QImage StoredPicture(const QString& path, qreal pixelRatio, const QString& element) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QRectF bounds(QPointF(0, 0), renderer.defaultSize());
    if (!element.isEmpty()) {
        if (!renderer.elementExists(element)) return {};
        bounds = renderer.transformForElement(element).mapRect(renderer.boundsOnElement(element));
    }
    const QSize pixels = (bounds.size() * pixelRatio).toSize();
    if (pixels.isEmpty()) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (element.isEmpty())
        renderer.render(&painter);
    else
        renderer.render(&painter, element, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

void ShowStoredPicture(QLabel* label, const QString& path, const QString& element) {
    label->setPixmap(QPixmap::fromImage(StoredPicture(path, label->devicePixelRatioF(), element)));
}

void MakeKeyboardControl(QWidget* control) {
    control->setFocusPolicy(Qt::TabFocus);
    control->setAccessibleName(control->toolTip());
    control->installEventFilter(new KeyboardControl(control));
}

bool IsActivation(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        return !key->isAutoRepeat() && (IsEnter(key->key()) || key->key() == Qt::Key_Space);
    }
    return false;
}

}  // namespace orvan::platform
