// The start screen's pictures gathered into their content files, with the background and the
// program's icons drawn here; the logos, covers, slides and menus come from their own files.
#include "tools/pictures/start_screen_drawings.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <utility>
#include <vector>

#include "tools/pictures/drawing_kit.h"

namespace orvan::pictures {

using namespace kit;
using namespace pieces;

namespace {

// ---------------------------------------------------------------------------------------------
// The background of the start screen

QImage StartBackground() {
    QImage image = Canvas(750, 455, kBodyTone);
    QPainter painter(&image);
    // A faint blueprint grid over the middle.
    Grid(painter, QRectF(0, 66, 750, 343), 10, QColor(234, 239, 248), QColor(226, 233, 245), 5);
    Smooth(painter);
    // Faint drafting marks where the default face leaves the background free: a dimension line
    // down the right edge and centre marks in the corners of the middle.
    const QColor ink(196, 210, 232);
    painter.setPen(QPen(ink, 1));
    painter.drawLine(QPointF(722.5, 100), QPointF(722.5, 390));
    Arrow(painter, QPointF(722.5, 240), QPointF(722.5, 100), ink, 1, 6);
    Arrow(painter, QPointF(722.5, 250), QPointF(722.5, 390), ink, 1, 6);
    painter.setPen(QPen(ink, 1));
    painter.drawLine(QPointF(712, 99.5), QPointF(733, 99.5));
    painter.drawLine(QPointF(712, 390.5), QPointF(733, 390.5));
    for (const QPointF centre : {QPointF(20.5, 396.5), QPointF(428.5, 76.5), QPointF(20.5, 78.5)}) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 5, 5);
        painter.drawLine(centre - QPointF(9, 0), centre + QPointF(9, 0));
        painter.drawLine(centre - QPointF(0, 9), centre + QPointF(0, 9));
    }
    // The logo row, light and plain, with a tab down the right for the division's logo.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, 750, 64), kTopTone);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath tab;
    tab.moveTo(652, 60);
    tab.lineTo(652, 78);
    tab.quadTo(652, 88, 662, 88);
    tab.lineTo(751, 88);
    tab.lineTo(751, 60);
    tab.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTopTone);
    painter.drawPath(tab);
    // The orange rule (drawn by its own picture up to 652) goes on round the tab.
    QPainterPath edge;
    edge.moveTo(651, 65);
    edge.lineTo(653, 65);
    edge.lineTo(653, 78);
    edge.quadTo(653, 87, 662, 87);
    edge.lineTo(751, 87);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(236, 124, 28), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(edge);

    // The bottom band of the check box, the link and the buttons, in the check box's colour.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 409, 750, 1), QColor(178, 200, 232));
    painter.fillRect(QRect(0, 410, 750, 45), kBandTone);
    return image;
}

// ---------------------------------------------------------------------------------------------
// Icons

QImage ProgramIcon() {
    QImage image = Clear(48, 48);
    QPainter painter(&image);
    Smooth(painter);
    // The book's cover under the pages.
    QLinearGradient cover(0, 8, 0, 44);
    cover.setColorAt(0, QColor(52, 88, 158));
    cover.setColorAt(1, QColor(18, 38, 84));
    painter.setPen(QPen(QColor(12, 26, 60), 1));
    painter.setBrush(cover);
    QPainterPath back;
    back.moveTo(2.5, 12.5);
    back.lineTo(24, 16);
    back.lineTo(45.5, 12.5);
    back.lineTo(45.5, 41.5);
    back.lineTo(24, 45.5);
    back.lineTo(2.5, 41.5);
    back.closeSubpath();
    painter.drawPath(back);
    // Pages.
    auto page = [&](bool right) {
        QPainterPath path;
        path.moveTo(24, 13);
        path.cubicTo(18, 7, 10, 6.5, 5, 8);
        path.lineTo(5, 38.5);
        path.cubicTo(10, 37, 18, 37.5, 24, 42.5);
        path.closeSubpath();
        if (right) {
            QTransform mirror;
            mirror.translate(48, 0);
            mirror.scale(-1, 1);
            path = mirror.map(path);
        }
        QLinearGradient paper(right ? 44 : 4, 0, 24, 0);
        paper.setColorAt(0, QColor(255, 255, 255));
        paper.setColorAt(1, right ? QColor(214, 224, 240) : QColor(226, 234, 246));
        painter.setPen(QPen(QColor(110, 126, 160), 0.9));
        painter.setBrush(paper);
        painter.drawPath(path);
    };
    page(false);
    page(true);
    // The letters of the two alphabets.
    Text(painter, QRectF(5, 14, 19, 20), Qt::AlignCenter, QStringLiteral("A"), Sans(17, true),
         kNavy);
    Text(painter, QRectF(24, 14, 19, 20), Qt::AlignCenter, QStringLiteral("Ω"), Sans(17, true),
         kTeal);
    // The bookmark.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOrange);
    painter.drawPolygon(QPolygonF({{36, 7.5}, {40, 6.5}, {40, 16}, {38, 14}, {36, 16.5}}));
    return image;
}

QImage SetupIcon(int scale) {
    QImage image = Clear(18, 18, scale);
    QPainter painter(&image);
    Smooth(painter);
    // The monitor, with a downward arrow on its screen.
    painter.setPen(QPen(QColor(60, 66, 80), 1));
    painter.setBrush(QColor(208, 212, 220));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 11), 1.2, 1.2);
    QLinearGradient screen(0, 2, 0, 10);
    screen.setColorAt(0, QColor(100, 165, 235));
    screen.setColorAt(1, QColor(30, 84, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(screen);
    painter.drawRect(QRectF(2, 2, 12, 8));
    painter.setBrush(Qt::white);
    painter.drawPolygon(
        QPolygonF({{4.5, 3}, {6.5, 3}, {6.5, 5.5}, {8.5, 5.5}, {5.5, 9}, {2.5, 5.5}, {4.5, 5.5}}));
    painter.setBrush(QColor(130, 136, 150));
    painter.drawRect(QRectF(6, 11.5, 3, 2));
    painter.drawRoundedRect(QRectF(2.5, 13.5, 10, 1.8), 0.8, 0.8);
    // The disc in front, lower right.
    const QPointF c(13, 13);
    QConicalGradient sheen(c, 30);
    sheen.setColorAt(0, QColor(196, 202, 214));
    sheen.setColorAt(0.15, QColor(120, 180, 250));
    sheen.setColorAt(0.32, QColor(250, 214, 110));
    sheen.setColorAt(0.5, QColor(196, 202, 214));
    sheen.setColorAt(0.65, QColor(120, 180, 250));
    sheen.setColorAt(0.82, QColor(230, 140, 220));
    sheen.setColorAt(1, QColor(196, 202, 214));
    painter.setPen(QPen(QColor(50, 56, 72), 1));
    painter.setBrush(sheen);
    painter.drawEllipse(c, 4.5, 4.5);
    painter.setPen(QPen(QColor(80, 86, 100), 0.8));
    painter.setBrush(QColor(250, 250, 252));
    painter.drawEllipse(c, 1.4, 1.4);
    return image;
}

}  // namespace

std::vector<ContentPicture> StartScreenPictures() {
    std::vector<ContentPicture> pictures;
    pictures.push_back({QStringLiteral("background.bmp"), StartBackground()});
    pictures.push_back({QStringLiteral("entrykorv.bmp"), PublisherLogo()});
    pictures.push_back({QStringLiteral("vel.bmp"), DivisionLogo95()});
    pictures.push_back({QStringLiteral("calderlogo.bmp"), CompanyWordmark()});
    pictures.push_back(
        {QStringLiteral("exofilo34.bmp"), OrvanCoverPicture(kSlideWidth, kSlideHeight)});
    pictures.push_back({QStringLiteral("exofilosmall.bmp"), OrvanCoverPicture(157, 181)});
    pictures.push_back({QStringLiteral("isbn.bmp"), DetailsPicture()});
    for (ContentPicture& slide : SlidePictures())
        pictures.push_back(std::move(slide));
    for (int n = 1; n <= 7; ++n) {
        pictures.push_back({QStringLiteral("menu%1.bmp").arg(n), TitleMenuPicture(n, false)});
        pictures.push_back({QStringLiteral("menu%1c.bmp").arg(n), TitleMenuPicture(n, true)});
    }
    for (int n = 11; n <= 15; ++n) {
        pictures.push_back({QStringLiteral("menu%1.bmp").arg(n), DetailsMenuPicture(n, false)});
        pictures.push_back({QStringLiteral("menu%1c.bmp").arg(n), DetailsMenuPicture(n, true)});
    }
    for (int n = 1; n <= 7; ++n)
        pictures.push_back({QStringLiteral("korv%1.bmp").arg(n), TitleCoverPicture(n)});
    pictures.push_back({QStringLiteral("orvan.png"), ProgramIcon()});
    return pictures;
}

QImage InstallIcon(int scale) {
    return SetupIcon(scale);
}

}  // namespace orvan::pictures
