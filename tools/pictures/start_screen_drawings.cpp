// The start screen's pictures gathered into their content files, with the background drawn
// here; the logos, covers, slides and menus come from their own files.
#include "tools/pictures/start_screen_drawings.h"

#include <QPainter>
#include <QPainterPath>
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

}  // namespace

std::vector<ContentPicture> StartScreenPictures() {
    std::vector<ContentPicture> pictures;
    pictures.push_back({QStringLiteral("background.bmp"), StartBackground()});
    pictures.push_back({QStringLiteral("entrykorv.bmp"), PublisherLogo()});
    pictures.push_back({QStringLiteral("vel.bmp"), DivisionLogo()});
    pictures.push_back({QStringLiteral("calderlogo.bmp"), CompanyLogo()});
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
    return pictures;
}

}  // namespace orvan::pictures
