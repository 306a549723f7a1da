// The helpers shared by the start screen's pictures: painter setup, canvases and the key
// colour, fonts and text, geometry, gears, and the publisher's emblem.
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace orvan::pictures::kit {

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage Canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage Clear(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

// A transparent picture: the artwork, drawn on a clear canvas, laid on a uniform fill of the key
// colour that the start screen makes transparent (exact match with the bottom-left pixel). A drawn
// pixel that happens to come out in the key colour is nudged by one step of blue, so that no
// hole opens in the artwork; the bottom-left pixel is kept in the key colour.
QImage OnKey(const QImage& art, const QColor& key) {
    QImage image = Canvas(art.width(), art.height(), key);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, art);
    }
    const QRgb keyRgb = key.rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(art.pixel(x, y)) == 0 || image.pixel(x, y) != keyRgb) continue;
            const int blue = qBlue(keyRgb);
            image.setPixel(x, y, qRgb(qRed(keyRgb), qGreen(keyRgb), blue == 255 ? 254 : blue + 1));
        }
    }
    image.setPixel(0, image.height() - 1, keyRgb);
    return image;
}

QFont Sans(int pixels, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

qreal Advance(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The font made smaller, a pixel at a time, until every line fits the width.
QFont Fit(QFont font, const QStringList& lines, qreal width, int smallest) {
    auto widest = [&] {
        qreal result = 0;
        for (const QString& line : lines)
            result = std::max(result, Advance(font, line));
        return result;
    };
    while (font.pixelSize() > smallest && widest() > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont Fit(const QFont& font, const QString& text, qreal width, int smallest) {
    return Fit(font, QStringList{text}, width, smallest);
}

void Text(QPainter& painter, const QRectF& box, int flags, const QString& text, const QFont& font,
          const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

QPointF Polar(QPointF centre, qreal radius, qreal angle) {
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width,
           qreal head) {
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to - u * head * 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({to, to - u * head + n * head * 0.55, to - u * head - n * head * 0.55}));
}

void Grid(QPainter& painter, const QRectF& area, qreal step, const QColor& minor,
          const QColor& major, int majorEvery) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    int i = 0;
    for (qreal x = area.left(); x <= area.right(); x += step, ++i) {
        painter.setPen(i % majorEvery == 0 ? major : minor);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    i = 0;
    for (qreal y = area.top(); y <= area.bottom(); y += step, ++i) {
        painter.setPen(i % majorEvery == 0 ? major : minor);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    painter.restore();
}

// ---------------------------------------------------------------------------------------------
// Gears

// A spur gear's outline with trapezoid teeth: the pitch radius, the number of teeth, and the
// angle (radians) at which the first tooth points. Gears of one module mesh when their centres
// lie the sum of their pitch radii apart and their phases come from MeshPhase.
QPainterPath GearPath(QPointF centre, qreal pitchRadius, int teeth, qreal phase) {
    const qreal module = 2 * pitchRadius / teeth;
    const qreal tip = pitchRadius + module;
    const qreal root = pitchRadius - 1.25 * module;
    const qreal pitch = 2 * kPi / teeth;
    QPolygonF outline;
    for (int k = 0; k < teeth; ++k) {
        const qreal a = phase + k * pitch;
        outline << Polar(centre, root, a - 0.5 * pitch) << Polar(centre, root, a - 0.29 * pitch)
                << Polar(centre, tip, a - 0.13 * pitch) << Polar(centre, tip, a)
                << Polar(centre, tip, a + 0.13 * pitch) << Polar(centre, root, a + 0.29 * pitch);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// The phase of a gear that meshes with a driving gear: the driver's centre, phase and teeth, the
// direction (radians) from the driver to the driven gear, and the driven gear's teeth.
qreal MeshPhase(qreal driverPhase, int driverTeeth, qreal direction, int drivenTeeth) {
    const qreal driverPitch = 2 * kPi / driverTeeth;
    const qreal drivenPitch = 2 * kPi / drivenTeeth;
    qreal f = std::fmod((direction - driverPhase) / driverPitch, 1.0);
    if (f < 0) f += 1;
    return direction + kPi - f * drivenPitch + drivenPitch / 2;
}

// ---------------------------------------------------------------------------------------------
// Emblems

// The publisher's emblem: an open book on a navy tile with an orange bookmark.
void DrawPublisherEmblem(QPainter& painter, const QRectF& box, bool onDark) {
    const qreal s = std::min(box.width(), box.height());
    const QRectF tile(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    QLinearGradient navy(tile.topLeft(), tile.bottomRight());
    navy.setColorAt(0, QColor(48, 84, 152));
    navy.setColorAt(1, QColor(18, 38, 84));
    painter.setPen(onDark ? QPen(QColor(255, 255, 255, 180), std::max(0.8, s / 40)) : Qt::NoPen);
    painter.setBrush(navy);
    painter.drawRoundedRect(tile, s * 0.18, s * 0.18);
    // The open book.
    const qreal cx = tile.center().x();
    const qreal top = tile.top() + s * 0.26;
    const qreal bottom = tile.top() + s * 0.76;
    const qreal half = s * 0.34;
    QPainterPath left;
    left.moveTo(cx, top + s * 0.05);
    left.cubicTo(cx - half * 0.4, top - s * 0.04, cx - half * 0.8, top - s * 0.02, cx - half,
                 top + s * 0.02);
    left.lineTo(cx - half, bottom - s * 0.04);
    left.cubicTo(cx - half * 0.8, bottom - s * 0.08, cx - half * 0.4, bottom - s * 0.08, cx,
                 bottom);
    left.closeSubpath();
    QTransform mirror;
    mirror.translate(cx, 0);
    mirror.scale(-1, 1);
    mirror.translate(-cx, 0);
    const QPainterPath right = mirror.map(left);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(left);
    painter.setBrush(QColor(226, 236, 250));
    painter.drawPath(right);
    // Lines of text on the pages.
    painter.setPen(QPen(QColor(120, 145, 190), std::max(0.6, s * 0.025)));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = top + s * 0.06 + i * s * 0.09;
        painter.drawLine(QPointF(cx - half * 0.82, y), QPointF(cx - half * 0.18, y + s * 0.01));
        painter.drawLine(QPointF(cx + half * 0.18, y + s * 0.01), QPointF(cx + half * 0.82, y));
    }
    // The bookmark.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOrange);
    const qreal bx = cx + half * 0.45;
    painter.drawPolygon(QPolygonF({{bx - s * 0.045, top - s * 0.02},
                                   {bx + s * 0.045, top - s * 0.02},
                                   {bx + s * 0.045, top + s * 0.3},
                                   {bx, top + s * 0.25},
                                   {bx - s * 0.045, top + s * 0.3}}));
}

}  // namespace orvan::pictures::kit
