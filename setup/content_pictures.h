// The pictures the start screen reads from the content folder.
#pragma once

#include <QPixmap>
#include <QString>

namespace orvan::setup {

/// \brief The picture in the file at `path` (BMP, PNG, or JPEG decoded by libjpeg); a null
/// pixmap when the file is missing, damaged or truncated.
QPixmap ReadContentPicture(const QString& path);

/// \brief `picture` with every pixel of its bottom-left pixel's colour made transparent, so that
/// the window shows through around a logo drawn on a plain ground.
QPixmap WithTransparentGround(const QPixmap& picture);

}  // namespace orvan::setup
