// The slides of machines: a gear train on a drawing (mechanical engineering) and a cut-away
// jet engine (aeronautics).
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <utility>

namespace orvan::pictures::pieces {

using namespace kit;

namespace {

// An arc around a centre with an arrow head at its end; angles in degrees, clockwise on screen.
void ArcArrow(QPainter& painter, QPointF centre, qreal radius, qreal fromDeg, qreal spanDeg,
              const QColor& colour, qreal width) {
    QPainterPath arc;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = (fromDeg + spanDeg * i / steps) * kPi / 180;
        if (i == 0)
            arc.moveTo(Polar(centre, radius, a));
        else
            arc.lineTo(Polar(centre, radius, a));
    }
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    const qreal end = (fromDeg + spanDeg) * kPi / 180;
    const qreal direction = spanDeg > 0 ? 1 : -1;
    const QPointF tip = Polar(centre, radius, end + direction * width * 1.6 / radius);
    const QPointF tangent(-std::sin(end) * direction, std::cos(end) * direction);
    const QPointF normal(std::cos(end), std::sin(end));
    const qreal head = width * 3.2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({tip + tangent * head * 0.4, tip - tangent * head * 0.6 + normal * head * 0.6,
                   tip - tangent * head * 0.6 - normal * head * 0.6}));
}

struct GearLook {
    QColor light, dark, edge;
};

void DrawGear(QPainter& painter, QPointF centre, qreal pitchRadius, int teeth, qreal phase,
              const GearLook& look, int holes) {
    const qreal module = 2 * pitchRadius / teeth;
    const qreal root = pitchRadius - 1.25 * module;
    QPainterPath body = GearPath(centre, pitchRadius, teeth, phase);
    const qreal hub = std::max(6.0, pitchRadius * 0.28);
    const qreal bore = hub * 0.45;
    // Lightening holes in the web of a larger gear.
    QPainterPath holesPath;
    if (holes > 0) {
        const qreal ring = (hub + root - module) / 2;
        const qreal holeRadius =
            std::min((root - module - hub) * 0.42, ring * std::sin(kPi / holes) * 0.62);
        for (int i = 0; i < holes; ++i) {
            holesPath.addEllipse(Polar(centre, ring, phase + (i + 0.5) * 2 * kPi / holes),
                                 holeRadius, holeRadius);
        }
    }
    QPainterPath boreHole;
    boreHole.addEllipse(centre, bore, bore);
    boreHole.addRect(
        QRectF(centre.x() - bore * 0.28, centre.y() - bore * 1.28, bore * 0.56, bore * 0.6));
    body = body.subtracted(holesPath).subtracted(boreHole);

    // A soft shadow to the lower right.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(body.translated(3, 4));

    QLinearGradient metal(centre - QPointF(pitchRadius, pitchRadius),
                          centre + QPointF(pitchRadius, pitchRadius));
    metal.setColorAt(0, look.light);
    metal.setColorAt(1, look.dark);
    painter.setPen(QPen(look.edge, 1.1));
    painter.setBrush(metal);
    painter.drawPath(body);

    // The recessed web between the rim and the hub, and the raised hub.
    QPainterPath web;
    web.addEllipse(centre, root - module * 0.9, root - module * 0.9);
    QPainterPath hubPath;
    hubPath.addEllipse(centre, hub, hub);
    web = web.subtracted(hubPath).subtracted(holesPath);
    QLinearGradient recess(centre - QPointF(pitchRadius, pitchRadius),
                           centre + QPointF(pitchRadius, pitchRadius));
    recess.setColorAt(0, Mix(look.dark, look.light, 0.35));
    recess.setColorAt(1, Mix(look.light, look.dark, 0.55));
    painter.setPen(QPen(WithAlpha(look.edge, 150), 0.8));
    painter.setBrush(recess);
    painter.drawPath(web);
    QPainterPath hubRing = hubPath.subtracted(boreHole);
    painter.setPen(QPen(look.edge, 0.9));
    painter.setBrush(metal);
    painter.drawPath(hubRing);
    // A glint along the upper left of the rim.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - root + module * 0.3, centre.y() - root + module * 0.3,
                           2 * (root - module * 0.3), 2 * (root - module * 0.3)),
                    100 * 16, 70 * 16);
}

void BlueprintPaper(QPainter& painter, const QColor& top, const QColor& bottom) {
    QLinearGradient paper(0, 0, 0, kCaptionTop);
    paper.setColorAt(0, top);
    paper.setColorAt(1, bottom);
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), paper);
    Grid(painter, QRectF(0, 0, kSlideWidth, kCaptionTop), 10, QColor(210, 222, 240, 120),
         QColor(190, 206, 232, 150), 5);
}

}  // namespace

void GearTrainScene(QPainter& painter) {
    BlueprintPaper(painter, QColor(240, 245, 252), QColor(220, 230, 244));
    const int teethA = 28, teethB = 16, teethC = 12;
    const qreal module = 4.3;
    const qreal ra = teethA * module / 2, rb = teethB * module / 2, rc = teethC * module / 2;
    const QPointF a(80, 178);
    const qreal dirAB = -38 * kPi / 180;
    const QPointF b = a + QPointF(std::cos(dirAB), std::sin(dirAB)) * (ra + rb);
    const qreal dirBC = 38 * kPi / 180;
    const QPointF c = b + QPointF(std::cos(dirBC), std::sin(dirBC)) * (rb + rc);
    const qreal phaseA = 0.05;
    const qreal phaseB = MeshPhase(phaseA, teethA, dirAB, teethB);
    const qreal phaseC = MeshPhase(phaseB, teethB, dirBC, teethC);
    // Centre lines through the shafts, as on a drawing.
    painter.setPen(QPen(QColor(120, 140, 180, 160), 0.8, Qt::DashDotLine));
    painter.drawLine(a, b);
    painter.drawLine(b, c);
    const GearLook steel{QColor(226, 230, 238), QColor(120, 130, 148), QColor(60, 66, 80)};
    const GearLook brass{QColor(250, 222, 140), QColor(176, 128, 40), QColor(100, 70, 20)};
    const GearLook blued{QColor(176, 196, 226), QColor(70, 92, 136), QColor(34, 46, 80)};
    DrawGear(painter, a, ra, teethA, phaseA, steel, 6);
    DrawGear(painter, b, rb, teethB, phaseB, brass, 4);
    DrawGear(painter, c, rc, teethC, phaseC, blued, 0);
    // Shafts.
    for (const auto& [p, radius] : {std::pair{a, ra}, std::pair{b, rb}, std::pair{c, rc}}) {
        const qreal shaft = std::max(6.0, radius * 0.28) * 0.45 - 0.8;
        QRadialGradient end(p - QPointF(shaft * 0.4, shaft * 0.4), shaft * 1.4);
        end.setColorAt(0, QColor(235, 235, 240));
        end.setColorAt(1, QColor(110, 115, 125));
        painter.setPen(QPen(QColor(50, 50, 60), 0.8));
        painter.setBrush(end);
        painter.drawEllipse(p, shaft, shaft);
        painter.setPen(QPen(QColor(60, 60, 70), 0.8));
        painter.drawLine(p - QPointF(shaft * 0.6, 0), p + QPointF(shaft * 0.6, 0));
        painter.drawLine(p - QPointF(0, shaft * 0.6), p + QPointF(0, shaft * 0.6));
    }
    // Directions of rotation.
    const QColor arrow(230, 110, 20);
    ArcArrow(painter, a, ra + 10, 118, 64, arrow, 2.2);
    ArcArrow(painter, b, rb + 10, 215, -70, arrow, 2.2);
    ArcArrow(painter, c, rc + 9, -55, 70, arrow, 2.2);
    // Tooth counts and the ratio.
    const QFont label = Sans(11, true);
    Text(painter, QRectF(a.x() - 30, a.y() + ra + 9, 60, 14), Qt::AlignCenter,
         QStringLiteral("z₁ = 28"), label, kNavy);
    Text(painter, QRectF(b.x() - 62, b.y() - rb - 20, 60, 14), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("z₂ = 16"), label, kNavy);
    Text(painter, QRectF(c.x() - 30, c.y() + rc + 9, 60, 14), Qt::AlignCenter,
         QStringLiteral("z₃ = 12"), label, kNavy);
    const QFont formula = Sans(13, true, true);
    Text(painter, QRectF(10, 8, 150, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("i = z₁ / z₃ = 7 : 3"), formula, QColor(20, 40, 90));
}

void JetEngineScene(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kCaptionTop);
    sky.setColorAt(0, QColor(226, 236, 248));
    sky.setColorAt(1, QColor(186, 204, 228));
    painter.fillRect(QRectF(0, 0, kSlideWidth, kCaptionTop), sky);
    const qreal axis = 150;
    // Profiles along the engine, as functions of x: the nacelle's outer skin, its inner wall,
    // the core's casing and gas path, and the hub.
    auto outer = [](qreal x) {
        if (x < 20) return 56 + (x - 14) * 0.8;
        if (x < 60) return 60.8 + (x - 20) * 0.08;
        return 64.0 - (x - 60) * 0.09;
    };
    auto nacelleEnd = 158.0;
    auto inner = [&](qreal x) { return outer(x) - 7; };
    auto coreOuter = [](qreal x) {  // the core cowl's outer surface (bypass duct's inner wall)
        if (x < 160) return 38 + (x - 62) * 0.03;
        return 40.94 - (x - 160) * 0.2;
    };
    auto gasOuter = [](qreal x) {
        if (x < 80) return 34 - (x - 62) * 0.15;
        if (x < 124) return 31.3 - (x - 80) * 0.2;
        if (x < 150) return 24.0;
        if (x < 182) return 23 + (x - 150) * 0.2;
        return 29.4 - (x - 182) * 0.1;
    };
    auto hub = [](qreal x) {
        if (x < 124) return 12 + (x - 62) * 0.06;
        if (x < 182) return 15.7;
        return 15.7 - (x - 182) * 0.17;
    };
    const qreal front = 14, back = 216;
    auto band = [&](auto top, auto bottom, qreal from, qreal to, bool upper) {
        QPainterPath path;
        const int steps = 60;
        const qreal sign = upper ? -1 : 1;
        for (int i = 0; i <= steps; ++i) {
            const qreal x = from + (to - from) * i / steps;
            const QPointF p(x, axis + sign * top(x));
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        for (int i = steps; i >= 0; --i) {
            const qreal x = from + (to - from) * i / steps;
            path.lineTo(x, axis + sign * bottom(x));
        }
        path.closeSubpath();
        return path;
    };
    // A pylon to the wing above.
    QLinearGradient pylonFill(0, 40, 0, 90);
    pylonFill.setColorAt(0, QColor(170, 176, 188));
    pylonFill.setColorAt(1, QColor(210, 214, 222));
    painter.setPen(QPen(QColor(110, 116, 128), 0.8));
    painter.setBrush(pylonFill);
    painter.drawPolygon(QPolygonF({{70, axis - 62}, {90, 50}, {190, 42}, {170, axis - 58}}));
    QLinearGradient wing(0, 30, 0, 50);
    wing.setColorAt(0, QColor(220, 224, 232));
    wing.setColorAt(1, QColor(150, 158, 172));
    painter.setBrush(wing);
    painter.drawPolygon(QPolygonF({{60, 52}, {249, 30}, {249, 48}, {80, 58}}));

    // The lower half: the outside of the nacelle and of the core cowl.
    QLinearGradient skin(0, axis, 0, axis + 66);
    skin.setColorAt(0, QColor(236, 238, 244));
    skin.setColorAt(0.5, QColor(196, 202, 214));
    skin.setColorAt(1, QColor(120, 128, 144));
    painter.setPen(QPen(QColor(80, 86, 100), 1));
    painter.setBrush(skin);
    painter.drawPath(band(
        coreOuter, [](qreal) { return 0.0; }, nacelleEnd - 10, back, false));
    painter.drawPath(band(
        outer, [](qreal) { return 0.0; }, front, nacelleEnd, false));
    // The exhaust cone below.
    painter.setBrush(QColor(120, 110, 100));
    painter.drawPath(band([&](qreal x) { return std::max(0.0, 9.9 - (x - back) * 0.75); },
                          [](qreal) { return 0.0; }, back, back + 13.2, false));
    // Panel lines on the nacelle.
    painter.setPen(QPen(QColor(120, 128, 144, 160), 0.8));
    for (const qreal x : {40.0, 100.0})
        painter.drawLine(QPointF(x, axis + 2), QPointF(x, axis + outer(x) - 1));

    // The upper half: the section.
    // The bypass duct, with cold air.
    QLinearGradient cold(front, 0, nacelleEnd, 0);
    cold.setColorAt(0, QColor(200, 226, 250));
    cold.setColorAt(1, QColor(160, 200, 240));
    painter.setPen(Qt::NoPen);
    painter.setBrush(cold);
    painter.drawPath(band(
        inner, [](qreal) { return 0.0; }, front, nacelleEnd, true));
    // The cut walls of the nacelle and of the core, hatched as on a section drawing.
    auto section = [&](const QPainterPath& cut) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(168, 176, 190));
        painter.drawPath(cut);
        painter.save();
        painter.setClipPath(cut);
        painter.setPen(QPen(QColor(96, 104, 120), 0.7));
        for (qreal x = -80; x < kSlideWidth; x += 4)
            painter.drawLine(QPointF(x, axis), QPointF(x + 80, axis - 80));
        painter.restore();
        painter.setPen(QPen(QColor(60, 66, 80), 0.9));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(cut);
    };
    section(band(outer, inner, front, nacelleEnd, true));
    section(band(coreOuter, gasOuter, 62, back, true));
    // The gas path: cold to hot.
    QLinearGradient heat(62, 0, back, 0);
    heat.setColorAt(0, QColor(170, 205, 240));
    heat.setColorAt(0.3, QColor(200, 200, 220));
    heat.setColorAt(0.42, QColor(255, 200, 80));
    heat.setColorAt(0.52, QColor(255, 110, 30));
    heat.setColorAt(0.7, QColor(230, 80, 40));
    heat.setColorAt(1, QColor(250, 170, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(heat);
    painter.drawPath(band(gasOuter, hub, 62, back, true));
    // Flames in the combustor.
    for (int i = 0; i < 3; ++i) {
        const qreal y = axis - 19 - i * 2;
        QRadialGradient flame(QPointF(134 + i * 4, y), 10);
        flame.setColorAt(0, QColor(255, 250, 200, 230));
        flame.setColorAt(1, QColor(255, 160, 40, 0));
        painter.setBrush(flame);
        painter.drawEllipse(QPointF(134 + i * 4, y), 12, 4);
    }
    // Blade rows: compressor stages get shorter, turbine stages longer.
    auto bladeRow = [&](qreal x, const QColor& colour) {
        const qreal top = axis - gasOuter(x) + 0.6;
        const qreal bottom = axis - hub(x) - 0.4;
        painter.setPen(QPen(colour.darker(150), 0.6));
        painter.setBrush(colour);
        painter.drawRect(QRectF(x - 1.3, top, 2.6, bottom - top));
    };
    for (qreal x = 68; x <= 78; x += 5)
        bladeRow(x, QColor(110, 140, 190));
    for (qreal x = 86; x <= 120; x += 4.2)
        bladeRow(x, QColor(80, 110, 170));
    for (qreal x = 154; x <= 178; x += 6)
        bladeRow(x, QColor(170, 60, 40));
    // The shaft.
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.setBrush(QColor(110, 112, 124));
    painter.drawRect(QRectF(40, axis - 4, 150, 4));
    // The fan and its spinner.
    QLinearGradient fanBlade(0, axis - 60, 0, axis);
    fanBlade.setColorAt(0, QColor(120, 130, 150));
    fanBlade.setColorAt(1, QColor(70, 78, 96));
    painter.setPen(QPen(QColor(40, 44, 56), 0.8));
    painter.setBrush(fanBlade);
    QPainterPath fan;
    fan.moveTo(34, axis - 12);
    fan.lineTo(31, axis - inner(31) + 1);
    fan.lineTo(45, axis - inner(45) + 1);
    fan.lineTo(48, axis - 12);
    fan.closeSubpath();
    painter.drawPath(fan);
    painter.setPen(QPen(QColor(160, 170, 190), 0.8));
    for (qreal y = axis - 20; y > axis - inner(40) + 4; y -= 7)
        painter.drawLine(QPointF(34, y), QPointF(45, y - 2));
    // The splitter lip between the bypass duct and the core.
    painter.setPen(QPen(QColor(70, 76, 90), 0.8));
    painter.setBrush(QColor(150, 158, 172));
    painter.drawPolygon(QPolygonF({{55, axis - 36}, {62, axis - 38.5}, {62, axis - 33.5}}));
    // The spinner, whole, over both halves.
    QLinearGradient cone(0, axis - 16, 0, axis + 16);
    cone.setColorAt(0, QColor(230, 232, 238));
    cone.setColorAt(1, QColor(110, 116, 130));
    painter.setPen(QPen(QColor(60, 64, 76), 0.8));
    painter.setBrush(cone);
    QPainterPath spinner;
    spinner.moveTo(16, axis);
    spinner.quadTo(22, axis - 14, 40, axis - 14);
    spinner.lineTo(40, axis + 14);
    spinner.quadTo(22, axis + 14, 16, axis);
    painter.drawPath(spinner);
    // The exhaust cone, upper half.
    painter.setBrush(QColor(150, 120, 100));
    painter.drawPath(band([&](qreal x) { return std::max(0.0, 9.9 - (x - back) * 0.75); },
                          [](qreal) { return 0.0; }, back, back + 13.2, true));

    // Air in and out.
    const QColor blue(40, 110, 210), red(220, 70, 30);
    for (const qreal r : {22.0, 38.0, 52.0})
        Arrow(painter, QPointF(-2, axis - r), QPointF(14, axis - r), blue, 2, 6);
    Arrow(painter, QPointF(84, axis - 50), QPointF(128, axis - 50), blue, 2, 6);
    Arrow(painter, QPointF(162, axis - 48), QPointF(198, axis - 44), blue, 2, 6);
    Arrow(painter, QPointF(222, axis - 18), QPointF(246, axis - 18), red, 2.4, 7);
    Arrow(painter, QPointF(230, axis + 6), QPointF(248, axis + 8), red, 2.4, 7);
    // Labels of the parts.
    const QFont label = Sans(9, true);
    const QColor ink(20, 40, 90);
    auto tag = [&](QPointF at, QPointF text, const QString& name) {
        painter.setPen(QPen(ink, 0.8));
        painter.drawLine(at, text);
        painter.setBrush(ink);
        painter.drawEllipse(at, 1.4, 1.4);
        Text(painter, QRectF(text.x() - 40, text.y() + (text.y() > axis ? 1 : -12), 80, 11),
             Qt::AlignCenter, name, label, ink);
    };
    tag(QPointF(40, axis + 44), QPointF(40, axis + 90), QStringLiteral("ανεμιστήρας"));
    tag(QPointF(100, axis + 34), QPointF(100, axis + 80), QStringLiteral("συμπιεστής"));
    tag(QPointF(136, axis + 34), QPointF(150, axis + 104), QStringLiteral("θάλαμος καύσης"));
    tag(QPointF(170, axis + 34), QPointF(200, axis + 84), QStringLiteral("στρόβιλος"));
    // The same parts are seen in the section above: draw faint guides from labels to them.
    painter.setPen(QPen(WithAlpha(ink, 70), 0.6, Qt::DotLine));
    painter.drawLine(QPointF(40, axis - 30), QPointF(40, axis + 44));
    painter.drawLine(QPointF(100, axis - 22), QPointF(100, axis + 34));
    painter.drawLine(QPointF(136, axis - 20), QPointF(136, axis + 34));
    painter.drawLine(QPointF(170, axis - 22), QPointF(170, axis + 34));
    Text(painter, QRectF(10, 8, 229, 18), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Στροβιλοανεμιστήρας, τομή"), Sans(12, true, true), ink);
}

}  // namespace orvan::pictures::pieces
