// JPEG pictures decoded with libjpeg straight into an RGB32 QImage.
//
// libjpeg reports fatal errors through a callback that must not return; here it jumps back to
// the decoder with longjmp. So the function that sets the jump point keeps no object with a
// destructor alive across a libjpeg call: the decompressor, its error and progress managers and
// the picture all live in the caller, and everything libjpeg takes for itself is freed by
// jpeg_destroy_decompress, whatever state the decompressor was left in.
#include "platform/jpeg_image.h"

#include <QFile>
#include <QtGlobal>

#include <csetjmp>
#include <cstddef>
#include <cstdio>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace orvan::platform {
namespace {

/// The largest JPEG file read; a slide is a few hundred kilobytes.
constexpr qint64 kLargestJpegFileBytes = 64LL * 1024 * 1024;

/// The most memory libjpeg may take for itself. Progressive and multi-scan pictures keep every
/// coefficient of the picture while their scans arrive: two bytes a sample, so this admits a
/// progressive colour picture of about 40 million pixels at full chroma, more when subsampled.
constexpr long kMostDecoderMemory = 256L * 1024 * 1024;

/// The most scans a picture may have. A progressive picture normally has ten or so; each scan
/// is a pass over the whole picture, so a file of a thousand tiny scans would make decoding take
/// seconds. Large pictures are allowed fewer: scans times pixels stays under a budget that lets
/// the largest picture have 16 scans and one of four million pixels 256.
constexpr int kMostScans = 1000;
constexpr long long kMostScannedPixels = 16 * kLargestJpegPixels;

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf escape;
};

struct ScanGuard {
    jpeg_progress_mgr pub;  // first, as above
};

[[noreturn]] void Escape(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void PrintNothing(j_common_ptr) {}

/// Warnings that leave the picture whole: stray bytes between markers, unknown header versions
/// or colour transform codes and a damaged colour profile (which is not used here).
bool IsHarmlessWarning(int code) {
    return code == JWRN_EXTRANEOUS_DATA || code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM ||
           code == JWRN_BOGUS_ICC;
}

/// libjpeg only warns when the data ends early or the compressed data is damaged, and then fills
/// the rest of the picture with grey; such a picture is refused rather than shown half-drawn.
void NoteMessage(j_common_ptr info, int level) {
    if (level >= 0) return;  // trace messages
    ++info->err->num_warnings;
    if (!IsHarmlessWarning(info->err->msg_code)) Escape(info);
}

void LimitScans(j_common_ptr common) {
    const auto* info = reinterpret_cast<j_decompress_ptr>(common);
    const long long scans = info->input_scan_number;
    const long long pixels = static_cast<long long>(info->image_width) * info->image_height;
    if (scans > kMostScans || scans * pixels > kMostScannedPixels) Escape(common);
}

/// The output colour space whose bytes are laid out as an RGB32 pixel (0xffRRGGBB in memory).
constexpr J_COLOR_SPACE kRgb32Space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

int Multiply(int a, int b) {
    return (a * b + 127) / 255;
}

/// One row of CMYK samples as RGB32. Files with an Adobe marker (almost all CMYK JPEGs) store the
/// inks inverted, 255 meaning no ink; others store the inks themselves.
void CmykRowToRgb32(const JSAMPLE* cmyk, QRgb* out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(Multiply(c, k), Multiply(m, k), Multiply(y, k));
    }
}

/// Decodes `bytes` into `picture`; false when the picture is not one this decoder shows. libjpeg
/// may jump out of any call here; nothing here has a destructor to skip.
bool DecodeSteps(jpeg_decompress_struct& info, ScanGuard& scans, const QByteArray& bytes,
                 QImage& picture) {
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMostDecoderMemory;
    info.progress = &scans.pub;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;

    bool cmyk = false;
    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
        case JCS_RGB:
        case JCS_YCbCr:
            info.out_color_space = kRgb32Space;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            info.out_color_space = JCS_CMYK;
            cmyk = true;
            break;
        default:
            return false;
    }
    const long long pixels = static_cast<long long>(info.image_width) * info.image_height;
    if (pixels == 0 || pixels > kLargestJpegPixels) return false;

    jpeg_start_decompress(&info);
    if (info.output_width != info.image_width || info.output_height != info.image_height ||
        info.output_components != 4) {
        return false;
    }
    // The temporary is gone before libjpeg is called again.
    picture = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB32);
    if (picture.isNull()) return false;  // no memory for it

    // CMYK rows go through a row of libjpeg's own, freed with the decompressor.
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                          JPOOL_IMAGE, info.output_width * 4, 1)
                              : nullptr;
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        uchar* line = picture.scanLine(y);
        JSAMPROW row = cmyk ? cmykRow[0] : reinterpret_cast<JSAMPROW>(line);
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
        if (cmyk) {
            CmykRowToRgb32(cmykRow[0], reinterpret_cast<QRgb*>(line), info.output_width, inverted);
        }
    }
    return jpeg_finish_decompress(&info) == TRUE;
}

/// DecodeSteps with the jump point for libjpeg's errors set; false when libjpeg failed. The jump
/// point's function keeps no variables of its own, so none can be lost by the jump.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, ScanGuard& scans,
            const QByteArray& bytes, QImage& picture) {
    if (setjmp(errors.escape)) return false;
    return DecodeSteps(info, scans, bytes, picture);
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ScanGuard scans{};
    QImage picture;

    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = Escape;
    errors.pub.output_message = PrintNothing;
    errors.pub.emit_message = NoteMessage;
    scans.pub.progress_monitor = LimitScans;

    const bool whole = Decode(info, errors, scans, bytes, picture);
    // Safe in any state, even when creating the decompressor failed: it frees what libjpeg took.
    jpeg_destroy_decompress(&info);
    return whole ? picture : QImage();
}

QImage LoadJpeg(const QString& path) {
    if (path.isEmpty()) return {};  // QFile would print a warning
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    if (file.size() > kLargestJpegFileBytes) return {};
    // Read one byte past the limit: a device whose size is not known up front is held to it too.
    const QByteArray bytes = file.read(kLargestJpegFileBytes + 1);
    if (bytes.size() > kLargestJpegFileBytes || file.error() != QFileDevice::NoError) return {};
    return DecodeJpeg(bytes);
}

}  // namespace orvan::platform
