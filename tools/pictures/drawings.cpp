#include "tools/pictures/drawings.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace orvan::pictures {

namespace {

const QColor kNavy(28, 54, 110);
const QColor kTeal(0, 128, 128);
const QColor kPaper(255, 255, 250);
const QColor kPaperEdge(96, 104, 120);

// A clear picture of `width` x `height` points at `scale` pixels a point: a painter opened on it
// draws in points, so every drawing below comes out sharp at either scale.
QImage Blank(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// A sheet of paper with a folded corner and a few text lines.
void DrawPage(QPainter& painter, const QRectF& box, bool lines = true) {
    const qreal fold = box.width() * 0.3;
    QPainterPath page;
    page.moveTo(box.topLeft());
    page.lineTo(box.right() - fold, box.top());
    page.lineTo(box.right(), box.top() + fold);
    page.lineTo(box.bottomRight());
    page.lineTo(box.bottomLeft());
    page.closeSubpath();
    painter.setPen(QPen(kPaperEdge, 1));
    painter.setBrush(kPaper);
    painter.drawPath(page);
    painter.setBrush(QColor(220, 226, 236));
    painter.drawPolygon(QPolygonF({{box.right() - fold, box.top()},
                                   {box.right() - fold, box.top() + fold},
                                   {box.right(), box.top() + fold}}));
    if (!lines) return;
    painter.setPen(QPen(QColor(120, 140, 170), 1));
    for (qreal y = box.top() + fold + 2; y < box.bottom() - 2; y += 3) {
        painter.drawLine(QPointF(box.left() + 2.5, y), QPointF(box.right() - 2.5, y));
    }
}

// A round glossy badge with a white arrow pointing left or right.
QImage ArrowPicture(bool right, int scale) {
    QImage image = Blank(33, 33, scale);
    QPainter painter(&image);
    Smooth(painter);
    QRadialGradient glow(QPointF(12, 10), 22);
    glow.setColorAt(0, QColor(120, 190, 140));
    glow.setColorAt(1, QColor(24, 120, 72));
    painter.setPen(QPen(QColor(16, 84, 50), 1));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(2.5, 2.5, 28, 28));
    QPainterPath arrow;
    arrow.moveTo(9, 16.5);
    arrow.lineTo(17, 8.5);
    arrow.lineTo(17, 13);
    arrow.lineTo(24.5, 13);
    arrow.lineTo(24.5, 20);
    arrow.lineTo(17, 20);
    arrow.lineTo(17, 24.5);
    arrow.closeSubpath();
    if (right) {
        painter.translate(33, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return image;
}

QImage MenuArrowPicture(int scale) {
    QImage image = Blank(7, 4, scale);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({{0, 0}, {7, 0}, {3, 4}}));
    return image;
}

QImage CopyPicture(int scale) {
    QImage image = Blank(24, 23, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(1.5, 1.5, 13, 15));
    DrawPage(painter, QRectF(8.5, 6.5, 13, 15));
    return image;
}

QImage PastePicture(int scale) {
    QImage image = Blank(24, 23, scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(QColor(110, 70, 30), 1));
    painter.setBrush(QColor(196, 146, 84));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 15, 19), 2, 2);
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(5.5, 0.5, 7, 4), 1, 1);
    DrawPage(painter, QRectF(9.5, 7.5, 12, 14));
    return image;
}

QImage PrintPicture(int scale) {
    QImage image = Blank(29, 23, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(7.5, 0.5, 14, 9), false);
    QLinearGradient body(0, 8, 0, 20);
    body.setColorAt(0, QColor(190, 196, 206));
    body.setColorAt(1, QColor(120, 128, 142));
    painter.setPen(QPen(QColor(70, 76, 90), 1));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(1.5, 8.5, 26, 10), 2, 2);
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(6.5, 15.5, 16, 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 200, 90));
    painter.drawEllipse(QRectF(22, 11, 3, 3));
    return image;
}

void DrawMagnifier(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(QPen(QColor(90, 60, 30), radius * 0.45, Qt::SolidLine, Qt::RoundCap));
    const QPointF handle = centre + QPointF(radius * 0.72, radius * 0.72);
    painter.drawLine(handle, handle + QPointF(radius * 0.9, radius * 0.9));
    QRadialGradient glass(centre - QPointF(radius / 3, radius / 3), radius * 1.2);
    glass.setColorAt(0, QColor(235, 245, 255));
    glass.setColorAt(1, QColor(150, 190, 230));
    painter.setPen(QPen(kNavy, 1.6));
    painter.setBrush(glass);
    painter.drawEllipse(centre, radius, radius);
}

QImage SearchPicture(int scale) {
    QImage image = Blank(24, 24, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawMagnifier(painter, QPointF(9.5, 9.5), 7);
    return image;
}

QImage DescriptionSearchPicture(int scale) {
    QImage image = Blank(31, 19, scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(kPaperEdge, 1));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(0.5, 1.5, 20, 16));
    painter.setPen(QPen(QColor(120, 140, 170), 1));
    for (int y = 5; y < 16; y += 3)
        painter.drawLine(QPointF(3, y), QPointF(18, y));
    DrawMagnifier(painter, QPointF(21, 8), 5.5);
    return image;
}

// The full-text search's question: a lexicon page under a magnifier, for its dialog.
QImage FullTextQuestionPicture(int scale) {
    QImage image = Blank(48, 48, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(3.5, 2.5, 30, 38));
    DrawMagnifier(painter, QPointF(30, 28), 10);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kNavy);
    painter.drawText(QRectF(20, 18, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

QImage ExitPicture(int scale) {
    QImage image = Blank(27, 32, scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(QColor(80, 50, 30), 1));
    painter.setBrush(QColor(150, 100, 60));
    painter.drawRect(QRectF(1.5, 1.5, 16, 29));
    QLinearGradient door(0, 0, 14, 0);
    door.setColorAt(0, QColor(200, 150, 90));
    door.setColorAt(1, QColor(160, 110, 60));
    painter.setBrush(door);
    painter.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 4.5}, {12.5, 31}, {1.5, 30.5}}));
    painter.setBrush(QColor(230, 200, 80));
    painter.drawEllipse(QRectF(9, 16, 2.5, 2.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawPolygon(
        QPolygonF({{17, 13}, {21, 13}, {21, 9.5}, {26.5, 16}, {21, 22.5}, {21, 19}, {17, 19}}));
    return image;
}

void DrawStar(QPainter& painter, QPointF centre, qreal radius) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setPen(QPen(QColor(170, 110, 0), 0.8));
    painter.setBrush(QColor(255, 200, 40));
    painter.drawPolygon(star);
}

QImage CustomEntriesPicture(int scale) {
    QImage image = Blank(29, 22, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(3.5, 1.5, 15, 19));
    DrawStar(painter, QPointF(21, 13), 7);
    return image;
}

QImage InsertPicture(int scale) {
    QImage image = Blank(38, 23, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(6.5, 1.5, 16, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 150, 60));
    painter.drawEllipse(QRectF(21, 7, 14, 14));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(24, 13, 8, 2));
    painter.drawRect(QRectF(27, 10, 2, 8));
    return image;
}

QImage ModifyPicture(int scale) {
    QImage image = Blank(35, 31, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(4.5, 2.5, 19, 25));
    painter.translate(24, 15);
    painter.rotate(45);
    painter.setPen(QPen(QColor(60, 60, 60), 0.8));
    painter.setBrush(QColor(250, 200, 40));
    painter.drawRect(QRectF(-2.5, -13, 5, 18));
    painter.setBrush(QColor(230, 120, 140));
    painter.drawRect(QRectF(-2.5, -16, 5, 3));
    painter.setBrush(QColor(240, 220, 180));
    painter.drawPolygon(QPolygonF({{-2.5, 5}, {2.5, 5}, {0, 10}}));
    return image;
}

QImage DeletePicture(int scale) {
    QImage image = Blank(39, 23, scale);
    QPainter painter(&image);
    Smooth(painter);
    DrawPage(painter, QRectF(6.5, 1.5, 16, 20));
    painter.setPen(QPen(QColor(200, 30, 30), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(23, 8), QPointF(33, 19));
    painter.drawLine(QPointF(33, 8), QPointF(23, 19));
    return image;
}

QImage PinPicture(int scale) {
    QImage image = Blank(13, 14, scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(QColor(90, 90, 90), 1.2));
    painter.drawLine(QPointF(6.5, 8), QPointF(6.5, 13.5));
    painter.setPen(QPen(QColor(130, 0, 0), 0.8));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawRect(QRectF(4, 1, 5, 5));
    painter.drawRect(QRectF(1.5, 6, 10, 2.5));
    return image;
}

QImage HelpPicture(int scale) {
    QImage image = Blank(32, 32, scale);
    QPainter painter(&image);
    Smooth(painter);
    QRadialGradient glow(QPointF(12, 10), 24);
    glow.setColorAt(0, QColor(110, 160, 230));
    glow.setColorAt(1, QColor(20, 70, 160));
    painter.setPen(QPen(QColor(10, 40, 110), 1));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QFont font("DejaVu Sans");
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, "?");
    return image;
}

QImage DivisionLogo(int scale) {
    QImage image = Blank(27, 16, scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTeal);
    painter.drawPolygon(
        QPolygonF({{1, 1}, {7, 1}, {13.5, 12}, {20, 1}, {26, 1}, {16, 15}, {11, 15}}));
    painter.setBrush(QColor(230, 120, 30));
    painter.drawEllipse(QRectF(11, 1, 5, 5));
    return image;
}

QImage CompanyLogo(int scale) {
    QImage image = Blank(80, 14, scale);
    QPainter painter(&image);
    Smooth(painter);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    const QString name = "CALDER VELMORA";
    for (int size = 11; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(name) <= 78) break;
    }
    painter.setFont(font);
    painter.setPen(kNavy);
    painter.drawText(QRectF(0, 0, 80, 14), Qt::AlignCenter, name);
    return image;
}

QImage NotepadPicture(int scale) {
    QImage image = Blank(29, 22, scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(kPaperEdge, 1));
    painter.setBrush(QColor(255, 250, 200));
    painter.drawRect(QRectF(2.5, 3.5, 16, 17));
    painter.setPen(QPen(QColor(60, 60, 160), 1.2));
    for (qreal x = 5; x < 18; x += 3)
        painter.drawLine(QPointF(x, 1.5), QPointF(x, 5));
    painter.setPen(QPen(QColor(150, 170, 200), 1));
    for (qreal y = 9; y < 19; y += 3)
        painter.drawLine(QPointF(5, y), QPointF(16, y));
    painter.translate(21, 11);
    painter.rotate(30);
    painter.setPen(QPen(QColor(40, 40, 40), 0.8));
    painter.setBrush(QColor(40, 90, 190));
    painter.drawRect(QRectF(-1.8, -10, 3.6, 15));
    painter.setBrush(QColor(230, 200, 150));
    painter.drawPolygon(QPolygonF({{-1.8, 5}, {1.8, 5}, {0, 9}}));
    return image;
}

QImage SetupPicture(int scale) {
    QImage image = Blank(41, 41, scale);
    QPainter painter(&image);
    Smooth(painter);
    // The screen.
    painter.setPen(QPen(QColor(70, 76, 90), 1));
    painter.setBrush(QColor(200, 204, 212));
    painter.drawRoundedRect(QRectF(1.5, 3.5, 26, 20), 2, 2);
    QLinearGradient screen(0, 6, 0, 20);
    screen.setColorAt(0, QColor(90, 150, 220));
    screen.setColorAt(1, QColor(30, 80, 160));
    painter.setBrush(screen);
    painter.drawRect(QRectF(4.5, 6.5, 20, 14));
    painter.setBrush(QColor(170, 174, 184));
    painter.drawRect(QRectF(10.5, 23.5, 8, 4));
    painter.drawRoundedRect(QRectF(4.5, 27.5, 20, 4), 1, 1);
    // The software box in front.
    painter.setPen(QPen(QColor(120, 60, 10), 1));
    painter.setBrush(QColor(240, 150, 40));
    painter.drawPolygon(QPolygonF({{22.5, 20.5}, {38.5, 20.5}, {38.5, 39.5}, {22.5, 39.5}}));
    painter.setBrush(QColor(250, 190, 90));
    painter.drawPolygon(QPolygonF({{22.5, 20.5}, {26.5, 16.5}, {40.5, 16.5}, {38.5, 20.5}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTeal);
    painter.drawPolygon(
        QPolygonF({{25, 24}, {29, 24}, {30.5, 31}, {32, 24}, {36, 24}, {32, 36}, {29, 36}}));
    return image;
}

}  // namespace

std::vector<NamedPicture> FolderDialogPictures(int scale) {
    return {{"notepad", NotepadPicture(scale)}, {"setup", SetupPicture(scale)}};
}

std::vector<NamedPicture> WindowPictures(int scale) {
    return {
        {"language", EnglishFlag(scale)},
        {"previous", ArrowPicture(false, scale)},
        {"next", ArrowPicture(true, scale)},
        {"menu-arrow", MenuArrowPicture(scale)},
        {"copy", CopyPicture(scale)},
        {"paste", PastePicture(scale)},
        {"print", PrintPicture(scale)},
        {"search", SearchPicture(scale)},
        {"description-search", DescriptionSearchPicture(scale)},
        {"fulltext-question", FullTextQuestionPicture(scale)},
        {"exit", ExitPicture(scale)},
        {"custom-entries", CustomEntriesPicture(scale)},
        {"insert", InsertPicture(scale)},
        {"modify", ModifyPicture(scale)},
        {"delete", DeletePicture(scale)},
        {"pin", PinPicture(scale)},
        {"help", HelpPicture(scale)},
        {"division-logo", DivisionLogo(scale)},
        {"company-logo", CompanyLogo(scale)},
    };
}

QImage BackgroundPicture() {
    QImage image(760, 490, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient wash(0, 0, 0, 490);
    wash.setColorAt(0, QColor(226, 234, 242));
    wash.setColorAt(1, QColor(200, 214, 228));
    painter.fillRect(image.rect(), wash);
    QLinearGradient toolRow(0, 0, 0, 44);
    toolRow.setColorAt(0, QColor(246, 249, 252));
    toolRow.setColorAt(1, QColor(222, 230, 240));
    painter.fillRect(QRect(0, 0, 760, 44), toolRow);
    painter.fillRect(QRect(0, 290, 760, 200), QColor(214, 225, 236, 120));
    return image;
}

QImage RulePicture() {
    QImage image(560, 2, QImage::Format_RGB32);
    image.fill(QColor(236, 124, 28));
    for (int x = 0; x < 560; ++x)
        image.setPixelColor(x, 1, QColor(196, 92, 16));
    return image;
}

QImage EnglishFlag(int scale) {
    QImage image(43 * scale, 33 * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    Smooth(painter);
    painter.scale(43.0 / 60.0, 33.0 / 30.0);
    const QColor blue(1, 33, 105), red(200, 16, 46);
    painter.fillRect(QRectF(0, 0, 60, 30), blue);
    painter.setPen(QPen(Qt::white, 6));
    painter.drawLine(QPointF(0, 0), QPointF(60, 30));
    painter.drawLine(QPointF(60, 0), QPointF(0, 30));
    painter.setPen(QPen(red, 2));
    painter.drawLine(QPointF(0, 0), QPointF(60, 30));
    painter.drawLine(QPointF(60, 0), QPointF(0, 30));
    painter.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    painter.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    painter.fillRect(QRectF(27, 0, 6, 30), red);
    painter.fillRect(QRectF(0, 12, 60, 6), red);
    return image;
}

QImage GreekFlag() {
    QImage image(43, 33, QImage::Format_RGB32);
    // The stripes' antialiased edges blend with what lies beneath: start from white, not from
    // the new image's uninitialised memory.
    image.fill(Qt::white);
    QPainter painter(&image);
    Smooth(painter);
    const QColor blue(13, 94, 175);
    const qreal stripe = 33.0 / 9.0;
    for (int i = 0; i < 9; ++i) {
        painter.fillRect(QRectF(0, i * stripe, 43, stripe + 0.5), i % 2 == 0 ? blue : Qt::white);
    }
    const qreal canton = 5 * stripe;
    painter.fillRect(QRectF(0, 0, canton, canton), blue);
    painter.fillRect(QRectF(0, 2 * stripe, canton, stripe), Qt::white);
    painter.fillRect(QRectF(2 * stripe, 0, stripe, canton), Qt::white);
    return image;
}

}  // namespace orvan::pictures
