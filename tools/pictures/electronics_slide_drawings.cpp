// The slides of electricity and electronics: a circuit diagram, an oscilloscope on a bench
// and a chip on its board.
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace orvan::pictures::pieces {

using namespace kit;

void CircuitScene(QPainter& painter) {
    // Engineering paper with a frame.
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), QColor(252, 252, 246));
    Grid(painter, QRectF(0, 0, kSlideWidth, kCaptionTop), 8, QColor(214, 232, 226),
         QColor(184, 214, 204), 5);
    painter.setPen(QPen(QColor(40, 90, 80), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6.5, 6.5, kSlideWidth - 13, kCaptionTop - 13));

    const QColor ink(24, 44, 96);
    const qreal left = 38, right = 214, top = 56, bottom = 196;
    const QPen wire(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(wire);
    // Wires, leaving gaps for the parts.
    painter.drawLine(QPointF(left, 118), QPointF(left, top));
    painter.drawLine(QPointF(left, top), QPointF(60, top));          // to the switch
    painter.drawLine(QPointF(88, top), QPointF(102, top));           // switch to resistor
    painter.drawLine(QPointF(150, top), QPointF(right, top));        // resistor to the right
    painter.drawLine(QPointF(right, top), QPointF(right, 110));      // down to the LED
    painter.drawLine(QPointF(right, 136), QPointF(right, bottom));   // LED to the bottom
    painter.drawLine(QPointF(right, bottom), QPointF(120, bottom));  // to the meter
    painter.drawLine(QPointF(96, bottom), QPointF(left, bottom));    // meter to the battery
    painter.drawLine(QPointF(left, bottom), QPointF(left, 146));
    // The capacitor's branch.
    const qreal cx = 172;
    painter.drawLine(QPointF(cx, top), QPointF(cx, 121));
    painter.drawLine(QPointF(cx, 131), QPointF(cx, bottom));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(cx, top), 3.2, 3.2);
    painter.drawEllipse(QPointF(cx, bottom), 3.2, 3.2);

    // The battery: two cells, long plate positive.
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left - 13, 118), QPointF(left + 13, 118));
    painter.setPen(QPen(ink, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left - 7, 125), QPointF(left + 7, 125));
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left - 13, 139), QPointF(left + 13, 139));
    painter.setPen(QPen(ink, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left - 7, 146), QPointF(left + 7, 146));
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawLine(QPointF(left, 127), QPointF(left, 137));
    // The switch, open.
    painter.setPen(wire);
    painter.setBrush(QColor(252, 252, 246));
    painter.drawEllipse(QPointF(62, top), 2.6, 2.6);
    painter.drawEllipse(QPointF(86, top), 2.6, 2.6);
    painter.drawLine(QPointF(64, top - 1), QPointF(85, top - 12));
    // The resistor (IEC box).
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRectF(102, top - 7, 48, 14));
    // The capacitor.
    painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(cx - 12, 121), QPointF(cx + 12, 121));
    painter.drawLine(QPointF(cx - 12, 131), QPointF(cx + 12, 131));
    // The light-emitting diode, pointing down, with its light.
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 120, 110));
    painter.drawPolygon(QPolygonF({{right - 11, 110}, {right + 11, 110}, {right, 134}}));
    painter.drawLine(QPointF(right - 11, 135), QPointF(right + 11, 135));
    const QColor light(220, 40, 40);
    Arrow(painter, QPointF(right + 8, 118), QPointF(right + 22, 108), light, 1.6, 6);
    Arrow(painter, QPointF(right + 10, 127), QPointF(right + 24, 117), light, 1.6, 6);
    // The ammeter.
    painter.setPen(wire);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(108, bottom), 12, 12);
    Text(painter, QRectF(96, bottom - 12, 24, 24), Qt::AlignCenter, QStringLiteral("A"),
         Sans(13, true), ink);

    // Labels.
    const QFont name = Sans(11, true);
    const QFont value = Sans(10);
    const QColor red(180, 30, 30);
    Text(painter, QRectF(4, 100, 30, 14), Qt::AlignRight, QStringLiteral("+"), Sans(12, true), red);
    Text(painter, QRectF(left + 16, 116, 40, 14), Qt::AlignLeft, QStringLiteral("B1"), name, ink);
    Text(painter, QRectF(left + 16, 130, 40, 14), Qt::AlignLeft, QStringLiteral("9 V"), value, ink);
    Text(painter, QRectF(58, top - 30, 40, 14), Qt::AlignLeft, QStringLiteral("S1"), name, ink);
    Text(painter, QRectF(102, top - 25, 48, 14), Qt::AlignCenter, QStringLiteral("R1"), name, ink);
    Text(painter, QRectF(96, top + 9, 60, 14), Qt::AlignCenter, QStringLiteral("470 Ω"), value,
         ink);
    Text(painter, QRectF(cx - 42, 112, 28, 14), Qt::AlignRight, QStringLiteral("C1"), name, ink);
    Text(painter, QRectF(cx - 60, 126, 46, 14), Qt::AlignRight, QStringLiteral("100 µF"), value,
         ink);
    Text(painter, QRectF(right - 34, 142, 30, 14), Qt::AlignRight, QStringLiteral("D1"), name, ink);
    Text(painter, QRectF(126, bottom + 4, 60, 14), Qt::AlignLeft, QStringLiteral("I = 15 mA"),
         value, ink);

    // A real resistor of the same value below the diagram: yellow, violet, brown, gold.
    const qreal ry = 246;
    painter.setPen(QPen(QColor(150, 150, 155), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(34, ry), QPointF(214, ry));
    QPainterPath body;
    body.addRoundedRect(QRectF(82, ry - 11, 84, 22), 10, 10);
    QLinearGradient beige(0, ry - 11, 0, ry + 11);
    beige.setColorAt(0, QColor(245, 226, 180));
    beige.setColorAt(0.45, QColor(222, 196, 140));
    beige.setColorAt(1, QColor(170, 140, 90));
    painter.setPen(QPen(QColor(120, 95, 55), 1));
    painter.setBrush(beige);
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    const QColor bands[4] = {QColor(240, 200, 0), QColor(130, 40, 160), QColor(120, 70, 30),
                             QColor(200, 160, 60)};
    const qreal bandX[4] = {95, 108, 121, 148};
    for (int i = 0; i < 4; ++i) {
        QLinearGradient shade(0, ry - 11, 0, ry + 11);
        shade.setColorAt(0, bands[i].lighter(130));
        shade.setColorAt(1, bands[i].darker(140));
        painter.fillRect(QRectF(bandX[i], ry - 11, 6, 22), shade);
    }
    painter.fillRect(QRectF(82, ry - 8, 84, 3), QColor(255, 255, 255, 70));
    painter.restore();
    Text(painter, QRectF(0, ry + 14, kSlideWidth, 14), Qt::AlignCenter,
         QStringLiteral("470 Ω ± 5 %"), value, ink);
}

void OscilloscopeScene(QPainter& painter) {
    QLinearGradient wall(0, 0, 0, kCaptionTop);
    wall.setColorAt(0, QColor(214, 222, 232));
    wall.setColorAt(1, QColor(170, 182, 200));
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), wall);
    // The bench.
    QLinearGradient bench(0, 232, 0, kCaptionTop);
    bench.setColorAt(0, QColor(150, 120, 90));
    bench.setColorAt(1, QColor(100, 76, 54));
    painter.fillRect(QRectF(0, 232, kSlideWidth, kCaptionTop - 232), bench);
    painter.fillRect(QRectF(0, 232, kSlideWidth, 2), QColor(190, 160, 120));

    const QRectF body(12, 44, 225, 182);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(body.translated(3, 6), 9, 9);
    QLinearGradient metal(0, body.top(), 0, body.bottom());
    metal.setColorAt(0, QColor(236, 238, 242));
    metal.setColorAt(1, QColor(176, 182, 192));
    painter.setPen(QPen(QColor(90, 96, 108), 1.2));
    painter.setBrush(metal);
    painter.drawRoundedRect(body, 9, 9);
    // Feet.
    painter.setBrush(QColor(40, 40, 45));
    painter.drawRoundedRect(QRectF(28, body.bottom() - 1, 24, 8), 2, 2);
    painter.drawRoundedRect(QRectF(197, body.bottom() - 1, 24, 8), 2, 2);
    // Name.
    Text(painter, QRectF(24, 48, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("OSC-20  20 MHz"), Sans(10, true), QColor(40, 50, 70));

    // The screen and its bezel.
    const QRectF bezel(20, 64, 134, 110);
    painter.setPen(QPen(QColor(60, 64, 72), 1));
    painter.setBrush(QColor(70, 74, 84));
    painter.drawRoundedRect(bezel, 5, 5);
    const QRectF screen(27, 71, 120, 96);
    QRadialGradient phosphor(screen.center(), 90);
    phosphor.setColorAt(0, QColor(16, 44, 32));
    phosphor.setColorAt(1, QColor(6, 20, 14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(phosphor);
    painter.drawRect(screen);
    painter.save();
    painter.setClipRect(screen);
    const qreal div = 12;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(50, 110, 80), 1, Qt::DotLine));
    for (int i = 1; i < 10; ++i)
        painter.drawLine(QPointF(screen.left() + i * div, screen.top()),
                         QPointF(screen.left() + i * div, screen.bottom()));
    for (int i = 1; i < 8; ++i)
        painter.drawLine(QPointF(screen.left(), screen.top() + i * div),
                         QPointF(screen.right(), screen.top() + i * div));
    painter.setPen(QPen(QColor(70, 140, 100), 1));
    const qreal midX = screen.left() + 5 * div, midY = screen.top() + 4 * div;
    painter.drawLine(QPointF(midX, screen.top()), QPointF(midX, screen.bottom()));
    painter.drawLine(QPointF(screen.left(), midY), QPointF(screen.right(), midY));
    for (qreal x = screen.left(); x < screen.right(); x += div / 5)
        painter.drawLine(QPointF(x, midY - 2), QPointF(x, midY + 2));
    for (qreal y = screen.top(); y < screen.bottom(); y += div / 5)
        painter.drawLine(QPointF(midX - 2, y), QPointF(midX + 2, y));
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Two traces: a sine on channel 1 and a smaller, shifted one on channel 2.
    auto trace = [&](qreal amplitude, qreal period, qreal phase, qreal offset) {
        QPainterPath path;
        for (int i = 0; i <= 240; ++i) {
            const qreal x = screen.left() + i * screen.width() / 240;
            const qreal y = midY + offset -
                            amplitude * std::sin((x - screen.left()) / period * 2 * kPi + phase);
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        return path;
    };
    const QPainterPath ch2 = trace(14, 48, 0.0, 22);
    const QPainterPath ch1 = trace(30, 48, 0.9, -2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 210, 60, 60), 5));
    painter.drawPath(ch2);
    painter.setPen(QPen(QColor(250, 235, 120), 1.4));
    painter.drawPath(ch2);
    painter.setPen(QPen(QColor(80, 255, 140, 60), 6));
    painter.drawPath(ch1);
    painter.setPen(QPen(QColor(170, 255, 190), 1.6));
    painter.drawPath(ch1);
    const QFont readout = Sans(8, true);
    Text(painter, QRectF(screen.left() + 3, screen.bottom() - 12, 60, 11), Qt::AlignLeft,
         QStringLiteral("CH1 2 V"), readout, QColor(150, 255, 180));
    Text(painter, QRectF(screen.right() - 60, screen.bottom() - 12, 57, 11), Qt::AlignRight,
         QStringLiteral("5 ms/div"), readout, QColor(150, 255, 180));
    painter.restore();
    // Glass reflection.
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(255, 255, 255, 40));
    glass.setColorAt(0.4, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(screen);

    // The controls.
    const QFont small = Sans(7, true);
    const QColor labelInk(40, 50, 70);
    auto knob = [&](QPointF c, qreal r, qreal angleDeg, const QString& label) {
        painter.setPen(QPen(QColor(60, 64, 72), 1));
        QRadialGradient face(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
        face.setColorAt(0, QColor(110, 116, 128));
        face.setColorAt(1, QColor(30, 32, 38));
        painter.setBrush(face);
        painter.drawEllipse(c, r, r);
        painter.setPen(
            QPen(QColor(240, 240, 240), std::max(1.0, r * 0.16), Qt::SolidLine, Qt::RoundCap));
        const qreal a = angleDeg * kPi / 180;
        painter.drawLine(Polar(c, r * 0.25, a), Polar(c, r * 0.8, a));
        if (!label.isEmpty())
            Text(painter, QRectF(c.x() - 30, c.y() - r - 12, 60, 10), Qt::AlignCenter, label, small,
                 labelInk);
        // Scale ticks round the larger knobs.
        if (r > 8) {
            painter.setPen(QPen(QColor(70, 76, 90), 0.8));
            for (int i = 0; i <= 8; ++i) {
                const qreal t = (135 + i * 33.75) * kPi / 180;
                painter.drawLine(Polar(c, r + 2, t), Polar(c, r + 4.5, t));
            }
        }
    };
    knob(QPointF(177, 92), 11, -60, QStringLiteral("V/DIV"));
    knob(QPointF(215, 92), 11, 200, QStringLiteral("s/DIV"));
    knob(QPointF(170, 140), 6.5, -100, QStringLiteral("POS"));
    knob(QPointF(197, 140), 6.5, -30, QStringLiteral("TRIG"));
    knob(QPointF(224, 140), 6.5, 160, QStringLiteral("INT"));
    // Buttons.
    const QColor buttonColours[3] = {QColor(80, 200, 110), QColor(240, 200, 60),
                                     QColor(90, 150, 230)};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(QColor(60, 64, 72), 0.8));
        painter.setBrush(buttonColours[i]);
        painter.drawRoundedRect(QRectF(162 + i * 25, 160, 18, 8), 2, 2);
    }
    // Connectors below the screen and the power switch.
    auto bnc = [&](QPointF c, const QString& label) {
        painter.setPen(QPen(QColor(90, 90, 96), 1));
        QRadialGradient silver(c - QPointF(2, 2), 9);
        silver.setColorAt(0, QColor(250, 250, 252));
        silver.setColorAt(1, QColor(140, 144, 152));
        painter.setBrush(silver);
        painter.drawEllipse(c, 7, 7);
        painter.setBrush(QColor(40, 40, 44));
        painter.drawEllipse(c, 3, 3);
        Text(painter, QRectF(c.x() - 20, c.y() - 20, 40, 10), Qt::AlignCenter, label, small,
             labelInk);
    };
    bnc(QPointF(48, 200), QStringLiteral("CH1"));
    bnc(QPointF(88, 200), QStringLiteral("CH2"));
    bnc(QPointF(128, 200), QStringLiteral("EXT"));
    painter.setPen(QPen(QColor(60, 64, 72), 1));
    painter.setBrush(QColor(60, 64, 72));
    painter.drawRoundedRect(QRectF(190, 192, 30, 16), 3, 3);
    painter.setBrush(QColor(90, 220, 110));
    painter.drawEllipse(QPointF(180, 200), 2.5, 2.5);
    Text(painter, QRectF(186, 180, 38, 10), Qt::AlignCenter, QStringLiteral("POWER"), small,
         labelInk);
    // The probe's cable from CH1 down over the bench.
    QPainterPath cable;
    cable.moveTo(48, 207);
    cable.cubicTo(48, 240, 20, 244, 30, 262);
    cable.cubicTo(40, 280, 110, 262, 150, 270);
    painter.setPen(QPen(QColor(30, 30, 34), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cable);
    painter.setPen(QPen(QColor(50, 90, 200), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(150, 270), QPointF(178, 266));
    painter.setPen(QPen(QColor(200, 200, 205), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(178, 266), QPointF(190, 264));
}

void ChipScene(QPainter& painter) {
    QLinearGradient board(0, 0, kSlideWidth, kCaptionTop);
    board.setColorAt(0, QColor(30, 120, 70));
    board.setColorAt(1, QColor(10, 70, 40));
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), board);
    const QPointF c(124.5, 146);
    const qreal half = 66;
    const int pins = 12;
    const qreal pitch = 2 * half / (pins + 1);
    // Copper traces from the pins, bending at 45 degrees, with vias at their ends.
    const QColor copper(214, 176, 80, 170);
    for (int side = 0; side < 4; ++side) {
        for (int i = 1; i <= pins; ++i) {
            if (i % 2 == 0 && side % 2 == 0) continue;
            const qreal along = -half + i * pitch;
            const qreal out = half + 14;
            const qreal bend = out + 10 + (i % 4) * 6;
            const qreal spread = along * 1.5;
            const qreal far = half + 70;
            QPolygonF path({{along, out},
                            {along, bend},
                            {spread, bend + std::abs(spread - along)},
                            {spread, far}});
            QTransform rotate;
            rotate.translate(c.x(), c.y());
            rotate.rotate(side * 90);
            painter.setPen(QPen(copper, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            const QPolygonF mapped = rotate.map(path);
            painter.drawPolyline(mapped);
            if (i % 3 == 0) {
                const QPointF via =
                    rotate.map(QPointF(spread, bend + std::abs(spread - along) + 8));
                painter.setPen(QPen(QColor(214, 176, 80), 1.4));
                painter.setBrush(QColor(20, 60, 36));
                painter.drawEllipse(via, 2.6, 2.6);
            }
        }
    }
    // The pins.
    for (int side = 0; side < 4; ++side) {
        QTransform rotate;
        rotate.translate(c.x(), c.y());
        rotate.rotate(side * 90);
        painter.setTransform(rotate);
        for (int i = 1; i <= pins; ++i) {
            const qreal along = -half + i * pitch;
            QLinearGradient silver(along - 2, 0, along + 2, 0);
            silver.setColorAt(0, QColor(250, 250, 252));
            silver.setColorAt(1, QColor(150, 154, 164));
            painter.setPen(QPen(QColor(90, 94, 104), 0.5));
            painter.setBrush(silver);
            painter.drawRect(QRectF(along - 2, half - 2, 4, 16));
        }
        painter.resetTransform();
    }
    // The package.
    const QRectF package(c.x() - half, c.y() - half, 2 * half, 2 * half);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(package.translated(3, 4), 4, 4);
    QLinearGradient plastic(package.topLeft(), package.bottomRight());
    plastic.setColorAt(0, QColor(72, 76, 86));
    plastic.setColorAt(1, QColor(24, 26, 32));
    painter.setPen(QPen(QColor(14, 14, 18), 1));
    painter.setBrush(plastic);
    painter.drawRoundedRect(package, 4, 4);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(package.adjusted(3, 3, -3, -3), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(100, 104, 114));
    painter.drawEllipse(package.topLeft() + QPointF(10, 10), 3.5, 3.5);
    Text(painter, QRectF(package.left(), package.top() + 5, package.width(), 14), Qt::AlignCenter,
         QStringLiteral("OV-32"), Sans(11, true), QColor(220, 224, 232));
    Text(painter, QRectF(package.left(), package.bottom() - 17, package.width(), 12),
         Qt::AlignCenter, QStringLiteral("ORVAN  μP"), Sans(9, true), QColor(170, 176, 188));
    // The cavity, the die and its bond wires.
    const QRectF cavity(c.x() - 38, c.y() - 38, 76, 76);
    QLinearGradient gold(cavity.topLeft(), cavity.bottomRight());
    gold.setColorAt(0, QColor(250, 220, 130));
    gold.setColorAt(1, QColor(180, 130, 40));
    painter.setPen(QPen(QColor(120, 90, 30), 1));
    painter.setBrush(gold);
    painter.drawRect(cavity);
    const QRectF die(c.x() - 26, c.y() - 26, 52, 52);
    // Bond pads on the cavity's edge and on the die, joined by wires.
    for (int side = 0; side < 4; ++side) {
        QTransform rotate;
        rotate.translate(c.x(), c.y());
        rotate.rotate(side * 90);
        for (int i = 0; i < 7; ++i) {
            const qreal along = -21 + i * 7;
            const QPointF inner = rotate.map(QPointF(along, 24));
            const QPointF outerPad = rotate.map(QPointF(along * 1.35, 35));
            painter.setPen(QPen(QColor(255, 236, 170), 0.8));
            painter.drawLine(inner, outerPad);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(220, 200, 150));
            painter.drawRect(QRectF(outerPad - QPointF(1.5, 1.5), QSizeF(3, 3)));
        }
    }
    QLinearGradient silicon(die.topLeft(), die.bottomRight());
    silicon.setColorAt(0, QColor(120, 130, 170));
    silicon.setColorAt(1, QColor(50, 56, 90));
    painter.setPen(QPen(QColor(30, 30, 50), 0.8));
    painter.setBrush(silicon);
    painter.drawRect(die);
    // Functional blocks: four cores, a cache and the pads' ring.
    const QRectF core(die.left() + 5, die.top() + 5, 42, 24);
    const QColor coreColours[4] = {QColor(110, 160, 220), QColor(140, 120, 210),
                                   QColor(110, 160, 220), QColor(140, 120, 210)};
    for (int i = 0; i < 4; ++i) {
        const QRectF block(core.left() + (i % 2) * 21.5, core.top() + (i / 2) * 12.5, 20, 11);
        painter.setPen(QPen(QColor(40, 40, 70), 0.5));
        painter.setBrush(coreColours[i]);
        painter.drawRect(block);
        painter.setPen(QPen(QColor(255, 255, 255, 90), 0.5));
        painter.drawLine(block.topLeft() + QPointF(3, 5.5), block.topRight() + QPointF(-3, 5.5));
    }
    const QRectF cache(die.left() + 5, die.top() + 32, 42, 15);
    painter.setPen(QPen(QColor(40, 40, 70), 0.5));
    painter.setBrush(QColor(180, 200, 120));
    painter.drawRect(cache);
    painter.setPen(QPen(QColor(90, 110, 50), 0.5));
    for (qreal x = cache.left() + 3; x < cache.right(); x += 3)
        painter.drawLine(QPointF(x, cache.top()), QPointF(x, cache.bottom()));
    for (qreal y = cache.top() + 3; y < cache.bottom(); y += 3)
        painter.drawLine(QPointF(cache.left(), y), QPointF(cache.right(), y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 50));
    painter.drawPolygon(
        QPolygonF({die.topLeft(), die.topLeft() + QPointF(26, 0), die.topLeft() + QPointF(0, 26)}));
    // Capacitors near the chip.
    for (const QPointF& p : {QPointF(30, 40), QPointF(206, 250), QPointF(214, 36)}) {
        painter.setPen(QPen(QColor(60, 50, 30), 0.6));
        painter.setBrush(QColor(200, 150, 80));
        painter.drawRect(QRectF(p, QSizeF(12, 6)));
        painter.setBrush(QColor(220, 220, 226));
        painter.drawRect(QRectF(p, QSizeF(3, 6)));
        painter.drawRect(QRectF(p + QPointF(9, 0), QSizeF(3, 6)));
    }
    Text(painter, QRectF(8, 262, 120, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("U1"),
         Sans(11, true), QColor(235, 240, 220));
}

}  // namespace orvan::pictures::pieces
