// The menu pictures: the strips of the seven titles and of the five details pages, each
// plain and selected.
#include "tools/pictures/drawing_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace orvan::pictures::pieces {

using namespace kit;

namespace {

QFont Condensed(int pixels, bool bold = false) {
    QFont font = Sans(pixels, bold);
    font.setStretch(QFont::Condensed);
    return font;
}

const QColor kSubjectColours[7] = {QColor(40, 110, 190), QColor(214, 128, 30), QColor(96, 112, 130),
                                   QColor(40, 150, 100), QColor(110, 76, 176), QColor(190, 52, 62),
                                   QColor(40, 78, 150)};

// A little book standing on its spine, in a title's colour.
void DrawBookIcon(QPainter& painter, const QRectF& box, const QColor& colour, bool selected) {
    QLinearGradient cover(box.topLeft(), box.topRight());
    cover.setColorAt(0, colour.lighter(125));
    cover.setColorAt(1, colour.darker(120));
    painter.setPen(QPen(selected ? QColor(255, 255, 255, 200) : colour.darker(160), 1));
    painter.setBrush(cover);
    painter.drawRoundedRect(box, 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawRect(QRectF(box.left() + box.width() * 0.22, box.top() + box.height() * 0.2,
                            box.width() * 0.56, std::max(1.5, box.height() * 0.1)));
    painter.setBrush(QColor(255, 255, 255, 140));
    painter.drawRect(QRectF(box.left() + box.width() * 0.22, box.top() + box.height() * 0.38,
                            box.width() * 0.56, 1));
    painter.setBrush(QColor(250, 248, 240));
    painter.drawRect(QRectF(box.left() + 1, box.bottom() - box.height() * 0.12, box.width() - 2,
                            box.height() * 0.09));
}

// A strip on the body tone, with two key-coloured rows at its foot: the next picture starts one
// row above this picture's bottom, so strips stand two pixels apart.
QImage MenuStrip(int width, int height, bool selected,
                 const std::function<void(QPainter&, QRectF)>& inside) {
    QImage image = Clear(width, height);
    QPainter painter(&image);
    Smooth(painter);
    const QRectF strip(0.5, 0.5, width - 1, height - 3);
    if (selected) {
        QLinearGradient fill(0, 0, 0, height);
        fill.setColorAt(0, QColor(52, 88, 158));
        fill.setColorAt(1, QColor(22, 44, 94));
        painter.setPen(QPen(QColor(14, 30, 70), 1));
        painter.setBrush(fill);
    } else {
        QLinearGradient fill(0, 0, 0, height);
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(1, QColor(222, 232, 246));
        painter.setPen(QPen(QColor(150, 172, 208), 1));
        painter.setBrush(fill);
    }
    painter.drawRoundedRect(strip, 4, 4);
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kOrange);
        painter.drawRoundedRect(QRectF(1, 1, 5, height - 4), 2, 2);
        painter.fillRect(QRectF(4, 1, 2, height - 4), kOrange);
        // A small arrow at the right end.
        const qreal cy = strip.center().y();
        painter.setBrush(Qt::white);
        painter.drawPolygon(
            QPolygonF({{width - 12.0, cy - 4.5}, {width - 6.5, cy}, {width - 12.0, cy + 4.5}}));
    } else {
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
        painter.drawLine(QPointF(4, 1.5), QPointF(width - 5, 1.5));
    }
    inside(painter, strip);
    painter.end();
    return OnKey(image, kBodyTone);
}

const QStringList& TitleMenuTexts(int n) {
    static const QStringList texts[7] = {
        {QStringLiteral("Λεξικό Πληροφορικής")},
        {QStringLiteral("Λεξικό Ηλεκτρολογίας")},
        {QStringLiteral("Λεξικό Μηχανολογίας")},
        {QStringLiteral("Λεξικό Χημείας")},
        {QStringLiteral("Λεξικό Φυσικής")},
        {QStringLiteral("Λεξικό Ιατρικής Ορολογίας")},
        {QStringLiteral("Λεξικό Τεχνικών και"), QStringLiteral("Επιστημονικών Όρων")},
    };
    return texts[n - 1];
}

QFont TitleMenuFont(qreal textWidth) {
    QStringList all;
    for (int n = 1; n <= 7; ++n)
        all += TitleMenuTexts(n);
    return Fit(Condensed(13, true), all, textWidth, 9);
}

const QString& DetailsMenuText(int n) {
    static const QString texts[5] = {
        QStringLiteral("Σχετικά με το λεξικό"), QStringLiteral("Πηγές: FreeDict"),
        QStringLiteral("Άδεια χρήσης"),         QStringLiteral("Οδηγίες χρήσης"),
        QStringLiteral("Τα δικά σας λήμματα"),
    };
    return texts[n - 11];
}

}  // namespace

QImage TitleMenuPicture(int n, bool selected) {
    const int width = 201;
    const int height = n == 7 ? 49 : 37;
    const qreal textLeft = 31;
    const qreal textWidth = width - textLeft - 14;
    const QFont font = TitleMenuFont(textWidth);
    return MenuStrip(width, height, selected, [&](QPainter& painter, QRectF strip) {
        const qreal iconHeight = std::min(24.0, strip.height() - 10);
        DrawBookIcon(painter,
                     QRectF(11, strip.center().y() - iconHeight / 2, iconHeight * 0.62, iconHeight),
                     kSubjectColours[n - 1], selected);
        Text(painter, QRectF(textLeft, strip.top(), textWidth + 4, strip.height()),
             Qt::AlignLeft | Qt::AlignVCenter, TitleMenuTexts(n).join('\n'), font,
             selected ? Qt::white : kNavy);
    });
}

QImage DetailsMenuPicture(int n, bool selected) {
    const int width = 201;
    const int height = n == 15 ? 26 : 25;
    const qreal textLeft = 24;
    const qreal textWidth = width - textLeft - 15;
    QStringList all;
    for (int i = 11; i <= 15; ++i)
        all << DetailsMenuText(i);
    const QFont font = Fit(Sans(12, true), all, textWidth, 9);
    return MenuStrip(width, height, selected, [&](QPainter& painter, QRectF strip) {
        const QPointF c(14, strip.center().y());
        painter.setPen(Qt::NoPen);
        painter.setBrush(selected ? QColor(255, 255, 255) : kTeal);
        painter.drawPolygon(QPolygonF({c + QPointF(0, -4.5), c + QPointF(4.5, 0),
                                       c + QPointF(0, 4.5), c + QPointF(-4.5, 0)}));
        Text(painter, QRectF(textLeft, strip.top(), textWidth + 4, strip.height()),
             Qt::AlignLeft | Qt::AlignVCenter, DetailsMenuText(n), font,
             selected ? Qt::white : kNavy);
    });
}

}  // namespace orvan::pictures::pieces
