#include "setup/content_pictures.h"

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "platform/jpeg_image.h"

namespace orvan::setup {

QPixmap ReadContentPicture(const QString& path) {
    if (path.endsWith(".jpg", Qt::CaseInsensitive) || path.endsWith(".jpeg", Qt::CaseInsensitive)) {
        return QPixmap::fromImage(platform::LoadJpeg(path));
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap WithTransparentGround(const QPixmap& picture) {
    if (picture.isNull()) return picture;
    const QImage image = picture.toImage();
    const QRgb ground = image.pixel(0, image.height() - 1);
    QPixmap keyed = picture;
    keyed.setMask(QBitmap::fromImage(image.createMaskFromColor(ground, Qt::MaskInColor)));
    return keyed;
}

}  // namespace orvan::setup
