// The covers: the book's own cover, large and small, and the covers of the seven titles of
// the series, each with its subject's motif.
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

namespace orvan::pictures::pieces {

using namespace kit;

namespace {

using Motif = std::function<void(QPainter&, QPointF, qreal)>;

struct CoverLook {
    QColor top, bottom, accent;
    QStringList title;  // the title lines, in capitals; for Orvan the descriptive title
    bool orvan;         // with the name "Orvan" written large
    Motif motif;
};

// A line-art colour that reads on each cover's dark field.
const QColor kLineArt(255, 255, 255, 235);

void DrawCover(QPainter& painter, QSizeF size, const CoverLook& look) {
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal band = std::round(h * 0.115);
    const qreal field = h - band;
    // The coloured field with a blueprint grid.
    QLinearGradient wash(0, 0, w * 0.3, field);
    wash.setColorAt(0, look.top);
    wash.setColorAt(1, look.bottom);
    painter.fillRect(QRectF(0, 0, w, field), wash);
    const qreal step = w / 16;
    Grid(painter, QRectF(0, 0, w, field), step, QColor(255, 255, 255, 16),
         QColor(255, 255, 255, 34), 4);
    // A spine stripe at the left edge.
    painter.fillRect(QRectF(0, 0, std::max(3.0, w * 0.028), field), WithAlpha(look.accent, 230));
    painter.fillRect(QRectF(std::max(3.0, w * 0.028), 0, 1, field), QColor(0, 0, 0, 60));

    const qreal margin = w * 0.08;
    const qreal textWidth = w - 2 * margin;
    qreal y = h * 0.035;
    if (look.orvan) {
        const QString name = QStringLiteral("Orvan");
        QFont big = Sans(int(h * 0.135), true);
        big.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.004);
        big = Fit(big, name, textWidth);
        const qreal bigHeight = QFontMetricsF(big).height();
        // A soft shadow, then the name.
        Text(painter, QRectF(1.5, y + 1.5, w, bigHeight), Qt::AlignHCenter | Qt::AlignTop, name,
             big, QColor(0, 0, 0, 90));
        Text(painter, QRectF(0, y, w, bigHeight), Qt::AlignHCenter | Qt::AlignTop, name, big,
             Qt::white);
        y += bigHeight * 0.98;
        painter.fillRect(QRectF(w / 2 - w * 0.12, y, w * 0.24, std::max(1.5, h * 0.007)),
                         look.accent);
        y += h * 0.02;
        const QFont titleFont = Fit(Sans(int(h * 0.05), true), look.title, textWidth);
        const qreal line = QFontMetricsF(titleFont).height();
        for (const QString& text : look.title) {
            Text(painter, QRectF(0, y, w, line), Qt::AlignHCenter | Qt::AlignTop, text, titleFont,
                 Qt::white);
            y += line * 0.98;
        }
    } else {
        QFont over = Sans(int(h * 0.037), true);
        over.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.009);
        const QString lexicon = QStringLiteral("ΛΕΞΙΚΟ");
        over = Fit(over, lexicon, textWidth);
        const qreal overHeight = QFontMetricsF(over).height();
        y += h * 0.012;
        Text(painter, QRectF(0, y, w, overHeight), Qt::AlignHCenter | Qt::AlignTop, lexicon, over,
             look.accent);
        y += overHeight * 1.05;
        const QFont titleFont = Fit(Sans(int(h * 0.072), true), look.title, textWidth);
        const qreal line = QFontMetricsF(titleFont).height();
        for (const QString& text : look.title) {
            Text(painter, QRectF(1.2, y + 1.2, w, line), Qt::AlignHCenter | Qt::AlignTop, text,
                 titleFont, QColor(0, 0, 0, 80));
            Text(painter, QRectF(0, y, w, line), Qt::AlignHCenter | Qt::AlignTop, text, titleFont,
                 Qt::white);
            y += line;
        }
        if (look.title.size() == 1) y += line * 0.35;
    }
    const QString subtitle = QStringLiteral("Αγγλοελληνικό – Ελληνοαγγλικό");
    const QFont subFont = Fit(Sans(int(h * 0.04), false, true), subtitle, textWidth);
    const qreal subHeight = QFontMetricsF(subFont).height();
    y += h * 0.01;
    Text(painter, QRectF(0, y, w, subHeight), Qt::AlignHCenter | Qt::AlignTop, subtitle, subFont,
         Mix(look.accent, Qt::white, 0.45));
    y += subHeight;

    // The motif in a medallion between the titles and the band.
    const qreal spaceTop = y + h * 0.02;
    const qreal spaceBottom = field - h * 0.03;
    const qreal radius = std::min((spaceBottom - spaceTop) / 2, w * 0.36);
    const QPointF centre(w / 2 + w * 0.014, (spaceTop + spaceBottom) / 2);
    QRadialGradient glow(centre, radius * 1.25);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(0.8, QColor(255, 255, 255, 18));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 1.25, radius * 1.25);
    painter.setPen(QPen(WithAlpha(look.accent, 220), std::max(1.2, radius * 0.03)));
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.92, radius * 0.92);
    // Tick marks round the medallion, like a dial.
    painter.setPen(QPen(QColor(255, 255, 255, 90), std::max(0.8, radius * 0.012)));
    for (int i = 0; i < 60; ++i) {
        const qreal a = i * kPi / 30;
        painter.drawLine(Polar(centre, radius * 1.04, a),
                         Polar(centre, radius * (i % 5 == 0 ? 1.12 : 1.08), a));
    }
    painter.save();
    look.motif(painter, centre, radius * 0.78);
    painter.restore();

    // The publisher's band.
    painter.fillRect(QRectF(0, field, w, band), QColor(250, 248, 242));
    painter.fillRect(QRectF(0, field, w, std::max(2.0, h * 0.008)), look.accent);
    const QString publisher = QStringLiteral("ΕΚΔΟΣΕΙΣ KORVATH");
    const qreal emblem = band * 0.62;
    QFont pubFont = Sans(int(band * 0.42), true);
    pubFont.setLetterSpacing(QFont::AbsoluteSpacing, band * 0.02);
    pubFont = Fit(pubFont, publisher, w - emblem - 2 * margin);
    const qreal total = emblem + band * 0.2 + Advance(pubFont, publisher);
    const qreal left = (w - total) / 2;
    DrawPublisherEmblem(painter, QRectF(left, field + (band - emblem) / 2 + 1, emblem, emblem));
    Text(painter, QRectF(left + emblem + band * 0.2, field + 1, w, band),
         Qt::AlignLeft | Qt::AlignVCenter, publisher, pubFont, kNavy);
}

QPen LinePen(qreal width) {
    return QPen(kLineArt, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void InformaticsMotif(QPainter& painter, QPointF c, qreal r) {
    // A monitor with code on it, and a keyboard.
    const QRectF screen(c.x() - r * 0.8, c.y() - r * 0.66, r * 1.6, r * 1.05);
    painter.setPen(LinePen(std::max(1.2, r * 0.05)));
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawRoundedRect(screen, r * 0.06, r * 0.06);
    painter.drawLine(QPointF(c.x(), screen.bottom()), QPointF(c.x(), screen.bottom() + r * 0.18));
    painter.drawLine(QPointF(c.x() - r * 0.3, screen.bottom() + r * 0.2),
                     QPointF(c.x() + r * 0.3, screen.bottom() + r * 0.2));
    const QString code = QStringLiteral("</>");
    const QFont font = Fit(Sans(int(r * 0.42), true), code, screen.width() * 0.7);
    Text(painter, screen.adjusted(0, -r * 0.12, 0, -r * 0.12), Qt::AlignCenter, code, font,
         kLineArt);
    const QFont bits = Fit(QFont(QStringLiteral("DejaVu Sans Mono"), int(r * 0.14)),
                           QStringLiteral("01101001"), screen.width() * 0.7);
    QFont bitsFont = bits;
    bitsFont.setPixelSize(std::max(5, int(r * 0.14)));
    Text(painter, QRectF(screen.left(), screen.bottom() - r * 0.3, screen.width(), r * 0.24),
         Qt::AlignCenter, QStringLiteral("01101001"), bitsFont, QColor(255, 255, 255, 170));
    // A keyboard below.
    const QRectF keys(c.x() - r * 0.7, c.y() + r * 0.66, r * 1.4, r * 0.22);
    painter.setPen(LinePen(std::max(1.0, r * 0.035)));
    painter.setBrush(QColor(255, 255, 255, 30));
    painter.drawRoundedRect(keys, r * 0.04, r * 0.04);
    painter.setPen(QPen(QColor(255, 255, 255, 160), std::max(0.6, r * 0.02)));
    for (int i = 1; i < 8; ++i) {
        const qreal x = keys.left() + keys.width() * i / 8;
        painter.drawLine(QPointF(x, keys.top() + 1), QPointF(x, keys.bottom() - 1));
    }
    painter.drawLine(QPointF(keys.left() + 1, keys.center().y()),
                     QPointF(keys.right() - 1, keys.center().y()));
}

void ElectricalMotif(QPainter& painter, QPointF c, qreal r) {
    // A sine wave behind a lightning bolt.
    QPainterPath wave;
    for (int i = 0; i <= 80; ++i) {
        const qreal t = i / 80.0;
        const QPointF p(c.x() - r * 0.95 + t * r * 1.9, c.y() + r * 0.35 * std::sin(t * 4 * kPi));
        if (i == 0)
            wave.moveTo(p);
        else
            wave.lineTo(p);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 120), std::max(1.0, r * 0.04)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    painter.drawLine(QPointF(c.x() - r * 0.95, c.y()), QPointF(c.x() + r * 0.95, c.y()));
    QPolygonF bolt({{0.12, -0.95},
                    {-0.42, 0.1},
                    {-0.04, 0.1},
                    {-0.2, 0.95},
                    {0.44, -0.18},
                    {0.04, -0.18},
                    {0.28, -0.95}});
    for (QPointF& p : bolt)
        p = c + p * r;
    QLinearGradient gold(c - QPointF(0, r), c + QPointF(0, r));
    gold.setColorAt(0, QColor(255, 240, 150));
    gold.setColorAt(1, QColor(255, 190, 40));
    painter.setPen(QPen(QColor(120, 60, 0), std::max(1.0, r * 0.03), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPolygon(bolt);
}

void MechanicalMotif(QPainter& painter, QPointF c, qreal r) {
    const qreal big = r * 0.56;
    const int bigTeeth = 14;
    const QPointF a = c + QPointF(-r * 0.22, r * 0.16);
    const qreal phaseA = 0.1;
    const int smallTeeth = 9;
    const qreal small = big * smallTeeth / bigTeeth;
    const qreal direction = -0.75;
    const QPointF b = a + QPointF(std::cos(direction), std::sin(direction)) * (big + small);
    const qreal phaseB = MeshPhase(phaseA, bigTeeth, direction, smallTeeth);
    for (const auto& [centre, radius, teeth, phase] :
         {std::tuple{a, big, bigTeeth, phaseA}, std::tuple{b, small, smallTeeth, phaseB}}) {
        QPainterPath gear = GearPath(centre, radius, teeth, phase);
        QPainterPath hole;
        hole.addEllipse(centre, radius * 0.32, radius * 0.32);
        gear = gear.subtracted(hole);
        painter.setPen(LinePen(std::max(1.0, r * 0.035)));
        painter.setBrush(QColor(255, 255, 255, 55));
        painter.drawPath(gear);
        painter.setPen(QPen(QColor(255, 255, 255, 150), std::max(0.8, r * 0.02)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
    }
}

void ChemistryMotif(QPainter& painter, QPointF c, qreal r) {
    // An Erlenmeyer flask with liquid and bubbles, and a benzene ring beside it.
    auto at = [&](qreal x, qreal y) { return c + QPointF(x * r, y * r); };
    QPainterPath flask;
    flask.moveTo(at(-0.3, -0.85));
    flask.lineTo(at(-0.3, -0.3));
    flask.lineTo(at(-0.72, 0.72));
    flask.quadTo(at(-0.75, 0.85), at(-0.6, 0.85));
    flask.lineTo(at(0.3, 0.85));
    flask.quadTo(at(0.45, 0.85), at(0.42, 0.72));
    flask.lineTo(at(0.0, -0.3));
    flask.lineTo(at(0.0, -0.85));
    const QPainterPath liquidClip = [&] {
        QPainterPath closed = flask;
        closed.closeSubpath();
        QPainterPath below;
        below.addRect(QRectF(at(-1, 0.28), at(1, 1)));
        return closed.intersected(below);
    }();
    QLinearGradient liquid(at(0, 0.2), at(0, 0.85));
    liquid.setColorAt(0, QColor(150, 255, 200, 210));
    liquid.setColorAt(1, QColor(40, 200, 140, 230));
    painter.setPen(Qt::NoPen);
    painter.setBrush(liquid);
    painter.drawPath(liquidClip);
    painter.setPen(LinePen(std::max(1.2, r * 0.05)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(flask);
    painter.drawLine(at(-0.38, -0.85), at(0.08, -0.85));
    painter.setPen(QPen(QColor(255, 255, 255, 200), std::max(0.8, r * 0.025)));
    for (const auto& [x, y, s] :
         {std::tuple{-0.3, 0.55, 0.07}, std::tuple{-0.05, 0.45, 0.05}, std::tuple{-0.15, 0.1, 0.05},
          std::tuple{-0.1, -0.45, 0.06}, std::tuple{-0.2, -1.02, 0.045}}) {
        painter.drawEllipse(at(x, y), s * r, s * r);
    }
    // The ring.
    const QPointF ring = at(0.62, -0.35);
    const qreal ringRadius = r * 0.3;
    QPolygonF hexagon;
    for (int i = 0; i < 6; ++i)
        hexagon << Polar(ring, ringRadius, kPi / 6 + i * kPi / 3);
    painter.setPen(LinePen(std::max(1.0, r * 0.04)));
    painter.drawPolygon(hexagon);
    painter.drawEllipse(ring, ringRadius * 0.55, ringRadius * 0.55);
}

void PhysicsMotif(QPainter& painter, QPointF c, qreal r) {
    painter.setPen(LinePen(std::max(1.2, r * 0.045)));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(c);
        painter.rotate(i * 60 + 15);
        painter.drawEllipse(QPointF(0, 0), r * 0.95, r * 0.36);
        painter.restore();
    }
    QRadialGradient nucleus(c - QPointF(r * 0.05, r * 0.05), r * 0.16);
    nucleus.setColorAt(0, QColor(255, 230, 200));
    nucleus.setColorAt(1, QColor(255, 150, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(nucleus);
    painter.drawEllipse(c, r * 0.14, r * 0.14);
    for (int i = 0; i < 3; ++i) {
        const qreal t = (i * 60 + 15) * kPi / 180;
        const qreal s = 0.7 + i * 1.9;
        const QPointF local(r * 0.95 * std::cos(s), r * 0.36 * std::sin(s));
        const QPointF p = c + QPointF(local.x() * std::cos(t) - local.y() * std::sin(t),
                                      local.x() * std::sin(t) + local.y() * std::cos(t));
        QRadialGradient electron(p - QPointF(r * 0.02, r * 0.02), r * 0.08);
        electron.setColorAt(0, Qt::white);
        electron.setColorAt(1, QColor(150, 220, 255));
        painter.setBrush(electron);
        painter.drawEllipse(p, r * 0.07, r * 0.07);
    }
}

void MedicalMotif(QPainter& painter, QPointF c, qreal r) {
    auto at = [&](qreal x, qreal y) { return c + QPointF(x * r, y * r); };
    QPainterPath heart;
    heart.moveTo(at(0, -0.42));
    heart.cubicTo(at(0.15, -0.78), at(0.78, -0.75), at(0.8, -0.3));
    heart.cubicTo(at(0.82, 0.1), at(0.35, 0.42), at(0, 0.78));
    heart.cubicTo(at(-0.35, 0.42), at(-0.82, 0.1), at(-0.8, -0.3));
    heart.cubicTo(at(-0.78, -0.75), at(-0.15, -0.78), at(0, -0.42));
    QRadialGradient fill(at(-0.3, -0.4), r * 1.1);
    fill.setColorAt(0, QColor(255, 255, 255, 110));
    fill.setColorAt(1, QColor(255, 255, 255, 30));
    painter.setPen(LinePen(std::max(1.2, r * 0.05)));
    painter.setBrush(fill);
    painter.drawPath(heart);
    QPolygonF trace({at(-1.0, 0.05), at(-0.45, 0.05), at(-0.32, -0.12), at(-0.2, 0.05),
                     at(-0.1, 0.05), at(0.0, -0.6), at(0.12, 0.45), at(0.22, 0.05), at(0.4, 0.05),
                     at(0.5, -0.15), at(0.62, 0.05), at(1.0, 0.05)});
    painter.setPen(QPen(QColor(255, 240, 120), std::max(1.2, r * 0.055), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(trace);
}

void TechnicalMotif(QPainter& painter, QPointF c, qreal r) {
    // A gear with an atom inside it and a sine trace across: technical and scientific.
    const int teeth = 18;
    QPainterPath gear = GearPath(c, r * 0.86, teeth, 0.05);
    QPainterPath inner;
    inner.addEllipse(c, r * 0.64, r * 0.64);
    gear = gear.subtracted(inner);
    painter.setPen(LinePen(std::max(1.0, r * 0.03)));
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawPath(gear);
    painter.setPen(QPen(QColor(160, 230, 230), std::max(1.0, r * 0.035)));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        painter.save();
        painter.translate(c);
        painter.rotate(i * 60 + 30);
        painter.drawEllipse(QPointF(0, 0), r * 0.55, r * 0.2);
        painter.restore();
    }
    QRadialGradient nucleus(c - QPointF(r * 0.03, r * 0.03), r * 0.12);
    nucleus.setColorAt(0, QColor(255, 220, 170));
    nucleus.setColorAt(1, kOrange);
    painter.setPen(Qt::NoPen);
    painter.setBrush(nucleus);
    painter.drawEllipse(c, r * 0.1, r * 0.1);
}

CoverLook OrvanCover() {
    return {QColor(40, 78, 150),
            QColor(14, 30, 70),
            QColor(0, 170, 165),
            {QStringLiteral("ΛΕΞΙΚΟ ΤΕΧΝΙΚΩΝ ΚΑΙ"), QStringLiteral("ΕΠΙΣΤΗΜΟΝΙΚΩΝ ΟΡΩΝ")},
            true,
            TechnicalMotif};
}

QImage CoverPicture(int width, int height, const CoverLook& look) {
    QImage image = Canvas(width, height, Qt::white);
    QPainter painter(&image);
    Smooth(painter);
    DrawCover(painter, QSizeF(width, height), look);
    return image;
}

std::vector<CoverLook> TitleCovers() {
    return {
        {QColor(40, 110, 190),
         QColor(12, 45, 100),
         QColor(120, 200, 255),
         {QStringLiteral("ΠΛΗΡΟΦΟΡΙΚΗΣ")},
         false,
         InformaticsMotif},
        {QColor(214, 128, 30),
         QColor(130, 50, 10),
         QColor(255, 220, 120),
         {QStringLiteral("ΗΛΕΚΤΡΟΛΟΓΙΑΣ")},
         false,
         ElectricalMotif},
        {QColor(96, 112, 130),
         QColor(38, 46, 58),
         QColor(240, 170, 70),
         {QStringLiteral("ΜΗΧΑΝΟΛΟΓΙΑΣ")},
         false,
         MechanicalMotif},
        {QColor(40, 150, 100),
         QColor(10, 70, 50),
         QColor(190, 255, 160),
         {QStringLiteral("ΧΗΜΕΙΑΣ")},
         false,
         ChemistryMotif},
        {QColor(110, 76, 176),
         QColor(42, 22, 88),
         QColor(255, 200, 120),
         {QStringLiteral("ΦΥΣΙΚΗΣ")},
         false,
         PhysicsMotif},
        {QColor(190, 52, 62),
         QColor(100, 14, 30),
         QColor(255, 200, 200),
         {QStringLiteral("ΙΑΤΡΙΚΗΣ"), QStringLiteral("ΟΡΟΛΟΓΙΑΣ")},
         false,
         MedicalMotif},
        OrvanCover(),
    };
}

}  // namespace

QImage OrvanCoverPicture(int width, int height) {
    return CoverPicture(width, height, OrvanCover());
}

QImage TitleCoverPicture(int n) {
    return CoverPicture(kSlideWidth, kSlideHeight, TitleCovers()[n - 1]);
}

}  // namespace orvan::pictures::pieces
