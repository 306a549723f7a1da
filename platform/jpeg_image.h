// JPEG pictures (the start screen's slides), decoded by libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace orvan::platform {

/// The largest picture decoded, in pixels (width times height); larger ones are refused before
/// any pixel memory is taken.
inline constexpr long long kLargestJpegPixels = 64LL * 1024 * 1024;

/// \brief The picture a JPEG file's bytes hold, as RGB32; a null image when the bytes are not a
/// whole, readable JPEG (damaged, truncated, too large). Never crashes, never prints.
QImage DecodeJpeg(const QByteArray& bytes);

/// \brief DecodeJpeg of the file at `path`; a null image when it cannot be read.
QImage LoadJpeg(const QString& path);

}  // namespace orvan::platform
