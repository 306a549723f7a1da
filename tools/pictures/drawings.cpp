// The lookup window's pictures that lie in the content folder: background, rule and Greek flag.
#include "tools/pictures/drawings.h"

#include <QLinearGradient>
#include <QPainter>

namespace orvan::pictures {

namespace {

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace

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
