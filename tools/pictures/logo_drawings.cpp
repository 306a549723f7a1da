// The start screen's logos (the publisher's, the division's and the company's) and the
// picture of the book's details.
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace orvan::pictures::pieces {

using namespace kit;

namespace {

// The division's emblem: the teal V with the orange dot of the window's small logo, larger.
void DrawDivisionEmblem(QPainter& painter, const QRectF& box) {
    const qreal w = box.width();
    const qreal h = box.height();
    auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * w, box.top() + y * h); };
    QLinearGradient teal(at(0, 0), at(1, 1));
    teal.setColorAt(0, QColor(0, 160, 155));
    teal.setColorAt(1, QColor(0, 100, 105));
    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawPolygon(QPolygonF({at(0.0, 0.12), at(0.24, 0.12), at(0.5, 0.74), at(0.76, 0.12),
                                   at(1.0, 0.12), at(0.6, 1.0), at(0.4, 1.0)}));
    // A lighter inner facet for depth.
    painter.setBrush(QColor(255, 255, 255, 55));
    painter.drawPolygon(QPolygonF({at(0.0, 0.12), at(0.24, 0.12), at(0.5, 0.74), at(0.4, 1.0)}));
    QRadialGradient dot(at(0.46, 0.08), h * 0.2);
    dot.setColorAt(0, QColor(255, 190, 110));
    dot.setColorAt(1, QColor(220, 100, 20));
    painter.setBrush(dot);
    const qreal r = h * 0.13;
    painter.drawEllipse(at(0.5, 0.13), r, r);
}

// The company's mark: a navy disc with a white C and a teal dot.
void DrawCompanyMark(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient disc(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    disc.setColorAt(0, QColor(60, 96, 168));
    disc.setColorAt(1, kNavy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, radius * 0.3, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const qreal r = radius * 0.52;
    painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 45 * 16, 270 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 200, 190));
    painter.drawEllipse(centre + QPointF(r * 0.85, -r * 0.62), radius * 0.17, radius * 0.17);
}

// ---------------------------------------------------------------------------------------------
// The book's details

// The details page's lines, laid out from the top; with paint off it only measures.
qreal LayDetails(QPainter& painter, int width, qreal top, bool paint) {
    const qreal inner = width - 16;
    qreal y = top;
    auto line = [&](const QString& text, QFont font, const QColor& colour, qreal gapAfter = 0) {
        font = Fit(font, text, inner);
        const qreal lineHeight = QFontMetricsF(font).height();
        if (paint)
            Text(painter, QRectF(0, y, width, lineHeight), Qt::AlignHCenter | Qt::AlignTop, text,
                 font, colour);
        y += lineHeight + gapAfter;
    };
    auto rule = [&](qreal length, const QColor& colour, qreal gap) {
        y += gap;
        if (paint) painter.fillRect(QRectF((width - length) / 2, y, length, 2), colour);
        y += 2 + gap;
    };
    QFont name = Sans(42, true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    line(QStringLiteral("Orvan"), name, kNavy, -2);
    line(QStringLiteral("Λεξικό Τεχνικών και Επιστημονικών Όρων"), Sans(15, true), kNavy, 3);
    line(QStringLiteral("Αγγλοελληνικό – Ελληνοαγγλικό"), Sans(14, false, true), kTeal);
    rule(90, kOrange, 12);
    line(QStringLiteral("Έκδοση δείγματος"), Sans(15, true), QColor(20, 20, 20), 6);
    line(QStringLiteral("Λήμματα από τα λεξικά FreeDict"), Sans(13), QColor(25, 25, 25), 1);
    line(QStringLiteral("(GPL-2.0-or-later / CC-BY-SA-3.0)"), Sans(12), QColor(40, 40, 40));
    rule(200, QColor(170, 188, 215), 12);
    line(QStringLiteral("Εκδόσεις Korvath"), Sans(15, true), kNavy, 3);
    line(QStringLiteral("Λογισμικό: Velmora, τμήμα ανάπτυξης της Calder"), Sans(12),
         QColor(30, 30, 30), 14);
    // The sample's code in a framed box, plainly not a real book number.
    const QString code = QStringLiteral("Κωδικός δείγματος: ORV-SAMPLE-01");
    const QFont codeFont = Fit(Sans(13, true), code, inner - 20);
    const qreal codeWidth = Advance(codeFont, code) + 20;
    const qreal codeHeight = QFontMetricsF(codeFont).height() + 6;
    if (paint) {
        const QRectF codeBox((width - codeWidth) / 2, y, codeWidth, codeHeight);
        painter.setPen(QPen(kNavy, 1));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawRoundedRect(codeBox.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        Text(painter, codeBox, Qt::AlignCenter, code, codeFont, kNavy);
    }
    y += codeHeight + 6;
    line(QStringLiteral("Δείγμα για επίδειξη – όχι για πώληση"), Sans(11, false, true),
         QColor(90, 90, 90));
    return y - top;
}
}  // namespace

QImage PublisherLogo() {
    QImage image = Clear(309, 57);
    QPainter painter(&image);
    Smooth(painter);
    DrawPublisherEmblem(painter, QRectF(3, 3, 48, 48));
    const QString name = QStringLiteral("ΕΚΔΟΣΕΙΣ KORVATH");
    QFont font = Sans(25, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    font = Fit(font, name, 246);
    Text(painter, QRectF(59, 2, 248, 32), Qt::AlignLeft | Qt::AlignVCenter, name, font, kNavy);
    // An orange rule and a teal line under the name.
    painter.fillRect(QRectF(60, 35, 28, 2), kOrange);
    const QString motto = QStringLiteral("Τεχνικά και επιστημονικά λεξικά");
    const QFont small = Fit(Sans(12, false, true), motto, 210);
    Text(painter, QRectF(94, 29, 214, 16), Qt::AlignLeft | Qt::AlignVCenter, motto, small, kTeal);
    painter.end();
    return OnKey(image, kTopTone);
}

QImage DivisionLogo() {
    QImage image = Clear(95, 81);
    QPainter painter(&image);
    Smooth(painter);
    // The window shows 92 of the 95 columns: keep the artwork within the first 90.
    DrawDivisionEmblem(painter, QRectF(24, 4, 42, 38));
    const QString name = QStringLiteral("Velmora");
    const QFont font = Fit(Sans(19, true), name, 86);
    Text(painter, QRectF(0, 43, 90, 22), Qt::AlignCenter, name, font, kNavy);
    QFont small = Sans(8, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    const QString line = QStringLiteral("SOFTWARE");
    small = Fit(small, line, 84);
    Text(painter, QRectF(0, 64, 90, 11), Qt::AlignCenter, line, small, kTeal);
    painter.end();
    return OnKey(image, kTopTone);
}

QImage CompanyLogo() {
    QImage image = Clear(120, 20);
    QPainter painter(&image);
    Smooth(painter);
    DrawCompanyMark(painter, QPointF(10.5, 9.5), 8.5);
    const QString name = QStringLiteral("Calder");
    QFont font = Sans(17, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    font = Fit(font, name, 96);
    Text(painter, QRectF(23, -1, 97, 20), Qt::AlignLeft | Qt::AlignVCenter, name, font, kNavy);
    painter.end();
    return OnKey(image, kTopTone);
}

QImage DetailsPicture() {
    const int width = 373;
    const int height = 317;
    QImage image = Clear(width, height);
    QPainter painter(&image);
    Smooth(painter);
    // Centred in the height, a little above the middle; the bottom-left pixel stays key.
    const qreal used = LayDetails(painter, width, 0, false);
    LayDetails(painter, width, std::max(0.0, std::floor((height - used) * 0.4)), true);
    painter.end();
    return OnKey(image, kBodyTone);
}

}  // namespace orvan::pictures::pieces
