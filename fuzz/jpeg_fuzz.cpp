// Feeds arbitrary bytes to the JPEG decoder of the start screen's slides and checks what must
// always hold: decoding never crashes, hangs or prints, and gives either nothing or a whole RGB32
// picture of a size within the limit, every pixel opaque, the same picture each time.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "platform/jpeg_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage picture = orvan::platform::DecodeJpeg(bytes);
    if (picture.isNull()) return 0;
    if (picture.format() != QImage::Format_RGB32) std::abort();
    const long long pixels = static_cast<long long>(picture.width()) * picture.height();
    if (pixels <= 0 || pixels > orvan::platform::kLargestJpegPixels) std::abort();
    if (pixels > 1024 * 1024) return 0;  // checking every pixel of large pictures is slow

    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) != 255) std::abort();
        }
    }
    // Every pixel is written from the file: nothing left over from memory shows.
    if (orvan::platform::DecodeJpeg(bytes) != picture) std::abort();
    return 0;
}
