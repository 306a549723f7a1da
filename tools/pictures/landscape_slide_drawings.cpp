// The outdoor slides: a bridge over water (civil engineering) and wind turbines on hills
// (energy).
#include "tools/pictures/drawing_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace orvan::pictures::pieces {

using namespace kit;

void BridgeScene(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(110, 170, 230));
    sky.setColorAt(1, QColor(215, 234, 250));
    painter.fillRect(QRectF(0, 0, kSlideWidth, 170), sky);
    // The sun and clouds.
    QRadialGradient sun(QPointF(200, 40), 30);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.4, QColor(255, 240, 170, 220));
    sun.setColorAt(1, QColor(255, 240, 170, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(200, 40), 30, 30);
    painter.setBrush(QColor(255, 255, 255, 200));
    for (const auto& [x, y, r] :
         {std::tuple{40, 38, 12}, std::tuple{55, 33, 15}, std::tuple{72, 39, 11},
          std::tuple{130, 62, 9}, std::tuple{142, 58, 11}, std::tuple{154, 63, 8}}) {
        painter.drawEllipse(QPointF(x, y), r * 1.3, r);
    }
    // Distant hills.
    QPainterPath hills;
    hills.moveTo(0, 150);
    hills.cubicTo(40, 115, 80, 130, 120, 138);
    hills.cubicTo(160, 120, 210, 118, 249, 140);
    hills.lineTo(249, 175);
    hills.lineTo(0, 175);
    hills.closeSubpath();
    painter.setBrush(QColor(150, 185, 170));
    painter.drawPath(hills);
    // The river.
    QLinearGradient water(0, 168, 0, kCaptionTop);
    water.setColorAt(0, QColor(90, 150, 190));
    water.setColorAt(1, QColor(30, 80, 130));
    painter.fillRect(QRectF(0, 168, kSlideWidth, kCaptionTop - 168), water);

    const qreal deck = 158;
    const qreal chord = 112;
    const qreal x0 = 26, x1 = 223;
    const int panels = 8;
    const qreal panel = (x1 - x0) / panels;
    auto bottomNode = [&](int i) { return QPointF(x0 + i * panel, deck); };
    auto topNode = [&](int i) { return QPointF(x0 + i * panel, chord); };
    std::vector<std::pair<QPointF, QPointF>> members;
    members.push_back({bottomNode(0), topNode(1)});
    members.push_back({bottomNode(panels), topNode(panels - 1)});
    for (int i = 1; i < panels; ++i)
        members.push_back({topNode(i), bottomNode(i)});
    for (int i = 1; i < panels - 1; ++i)
        members.push_back({topNode(i), topNode(i + 1)});
    for (int i = 1; i < panels / 2; ++i)
        members.push_back({topNode(i), bottomNode(i + 1)});
    for (int i = panels / 2 + 1; i < panels; ++i)
        members.push_back({topNode(i), bottomNode(i - 1)});

    auto drawTruss = [&](QPainter& p, int alpha) {
        for (const auto& [from, to] : members) {
            p.setPen(QPen(QColor(70, 20, 20, alpha), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
        }
        for (const auto& [from, to] : members) {
            p.setPen(QPen(QColor(186, 60, 46, alpha), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
            p.setPen(QPen(QColor(235, 130, 110, alpha), 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from - QPointF(0.6, 0.6), to - QPointF(0.6, 0.6));
        }
        for (int i = 0; i <= panels; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 30, 26, alpha));
            p.drawEllipse(bottomNode(i), 2.2, 2.2);
            if (i > 0 && i < panels) p.drawEllipse(topNode(i), 2.2, 2.2);
        }
    };
    // The reflection in the water, faint and broken by ripples.
    painter.save();
    painter.setClipRect(QRectF(0, 174, kSlideWidth, kCaptionTop - 174));
    painter.translate(0, 2 * (deck + 9));
    painter.scale(1, -1);
    drawTruss(painter, 60);
    painter.restore();
    painter.setPen(QPen(QColor(200, 225, 245, 110), 1));
    for (int i = 0; i < 16; ++i) {
        const qreal y = 184 + i * 6.3;
        const qreal x = 10 + std::fmod(i * 53.0, 190.0);
        painter.drawLine(QPointF(x, y), QPointF(x + 18 + (i % 3) * 8, y));
    }
    // The banks and the abutments.
    QPainterPath banks;
    banks.moveTo(0, 160);
    banks.lineTo(30, 160);
    banks.lineTo(44, 196);
    banks.lineTo(0, 200);
    banks.closeSubpath();
    banks.moveTo(249, 160);
    banks.lineTo(219, 160);
    banks.lineTo(205, 196);
    banks.lineTo(249, 200);
    banks.closeSubpath();
    QLinearGradient earth(0, 160, 0, 200);
    earth.setColorAt(0, QColor(110, 150, 80));
    earth.setColorAt(1, QColor(80, 100, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(earth);
    painter.drawPath(banks);
    for (const qreal x : {12.0, 221.0}) {
        QLinearGradient stone(x, 0, x + 20, 0);
        stone.setColorAt(0, QColor(200, 196, 186));
        stone.setColorAt(1, QColor(150, 146, 136));
        painter.setBrush(stone);
        painter.setPen(QPen(QColor(110, 106, 98), 0.8));
        painter.drawRect(QRectF(x, deck + 2, 17, 30));
        painter.setPen(QPen(QColor(120, 116, 108, 150), 0.6));
        for (qreal y = deck + 9; y < deck + 32; y += 7)
            painter.drawLine(QPointF(x, y), QPointF(x + 17, y));
    }
    // The deck.
    QLinearGradient slab(0, deck - 1, 0, deck + 9);
    slab.setColorAt(0, QColor(200, 200, 205));
    slab.setColorAt(1, QColor(110, 112, 120));
    painter.setPen(QPen(QColor(70, 72, 80), 0.8));
    painter.setBrush(slab);
    painter.drawRect(QRectF(0, deck - 1, kSlideWidth, 9));
    drawTruss(painter, 255);
    // Road lamps and a car for scale.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 40));
    painter.drawRoundedRect(QRectF(88, deck - 8, 16, 6), 2, 2);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(QPointF(92, deck - 2), 1.8, 1.8);
    painter.drawEllipse(QPointF(100, deck - 2), 1.8, 1.8);
    painter.setBrush(QColor(180, 220, 250));
    painter.drawRect(QRectF(94, deck - 7, 5, 2.5));
    Text(painter, QRectF(10, 8, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Δικτύωμα Pratt"), Sans(13, true, true), QColor(20, 40, 90));
}

void WindTurbineScene(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 210);
    sky.setColorAt(0, QColor(70, 140, 215));
    sky.setColorAt(1, QColor(200, 228, 248));
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    for (const auto& [x, y, r] :
         {std::tuple{30, 60, 10}, std::tuple{46, 54, 14}, std::tuple{64, 60, 10},
          std::tuple{188, 140, 8}, std::tuple{202, 134, 11}, std::tuple{218, 141, 8},
          std::tuple{200, 30, 6}, std::tuple{212, 27, 8}}) {
        painter.drawEllipse(QPointF(x, y), r * 1.4, r);
    }
    // Hills, far then near.
    QPainterPath far;
    far.moveTo(0, 205);
    far.cubicTo(60, 180, 120, 196, 170, 190);
    far.cubicTo(210, 184, 235, 194, 249, 198);
    far.lineTo(249, kCaptionTop);
    far.lineTo(0, kCaptionTop);
    far.closeSubpath();
    painter.setBrush(QColor(130, 180, 120));
    painter.drawPath(far);

    auto turbine = [&](QPointF base, qreal height, qreal angleDeg, qreal alpha) {
        const QPointF top(base.x(), base.y() - height);
        const qreal baseWidth = height * 0.07, topWidth = height * 0.035;
        QLinearGradient tower(base.x() - baseWidth, 0, base.x() + baseWidth, 0);
        tower.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
        tower.setColorAt(1, QColor(176, 184, 196, int(alpha * 255)));
        painter.setPen(Qt::NoPen);
        painter.setBrush(tower);
        painter.drawPolygon(
            QPolygonF({base + QPointF(-baseWidth / 2, 0), base + QPointF(baseWidth / 2, 0),
                       top + QPointF(topWidth / 2, 0), top + QPointF(-topWidth / 2, 0)}));
        // The nacelle, facing left.
        const QRectF nacelle(top.x() - height * 0.06, top.y() - height * 0.05, height * 0.2,
                             height * 0.085);
        QLinearGradient housing(0, nacelle.top(), 0, nacelle.bottom());
        housing.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
        housing.setColorAt(1, QColor(170, 178, 190, int(alpha * 255)));
        painter.setPen(QPen(QColor(120, 128, 140, int(alpha * 200)), 0.6));
        painter.setBrush(housing);
        painter.drawRoundedRect(nacelle, height * 0.03, height * 0.03);
        const QPointF hub(nacelle.left() - height * 0.015, nacelle.center().y());
        // The blades.
        const qreal length = height * 0.55;
        for (int i = 0; i < 3; ++i) {
            painter.save();
            painter.translate(hub);
            painter.rotate(angleDeg + i * 120);
            QPainterPath blade;
            blade.moveTo(0, -length * 0.02);
            blade.cubicTo(length * 0.2, -length * 0.085, length * 0.5, -length * 0.05, length,
                          -length * 0.008);
            blade.lineTo(length, length * 0.006);
            blade.cubicTo(length * 0.5, length * 0.03, length * 0.2, length * 0.04, 0,
                          length * 0.03);
            blade.closeSubpath();
            QLinearGradient shade(0, -length * 0.08, 0, length * 0.04);
            shade.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
            shade.setColorAt(1, QColor(180, 188, 200, int(alpha * 255)));
            painter.setPen(QPen(QColor(120, 128, 140, int(alpha * 200)), 0.5));
            painter.setBrush(shade);
            painter.drawPath(blade);
            painter.restore();
        }
        QRadialGradient spinner(hub - QPointF(1, 1), height * 0.05);
        spinner.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
        spinner.setColorAt(1, QColor(160, 168, 180, int(alpha * 255)));
        painter.setPen(QPen(QColor(120, 128, 140, int(alpha * 200)), 0.5));
        painter.setBrush(spinner);
        painter.drawEllipse(hub, height * 0.035, height * 0.035);
    };
    turbine(QPointF(40, 200), 60, 20, 0.75);
    turbine(QPointF(206, 196), 46, 75, 0.7);

    QPainterPath near;
    near.moveTo(0, 250);
    near.cubicTo(50, 222, 110, 218, 160, 236);
    near.cubicTo(200, 250, 230, 238, 249, 232);
    near.lineTo(249, kCaptionTop);
    near.lineTo(0, kCaptionTop);
    near.closeSubpath();
    QLinearGradient grass(0, 220, 0, kCaptionTop);
    grass.setColorAt(0, QColor(110, 170, 80));
    grass.setColorAt(1, QColor(60, 120, 50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(grass);
    painter.drawPath(near);
    turbine(QPointF(138, 236), 138, -78, 1.0);
    // The tower's door and a path to it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 130, 145));
    painter.drawRoundedRect(QRectF(135.5, 226, 5, 9), 1.5, 1.5);
    Text(painter, QRectF(10, 8, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Ανεμογεννήτρια"), Sans(13, true, true), QColor(255, 255, 255));
}

}  // namespace orvan::pictures::pieces
