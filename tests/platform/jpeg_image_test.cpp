// The start screen's JPEG slides: pictures written by Qt's own JPEG writer (and by libjpeg where a
// layout Qt cannot write is needed) come back as RGB32 close to their source, and every file that
// is not a whole, readable picture of a sane size comes back null, quietly.
#include "platform/jpeg_image.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace orvan::platform {
namespace {

/// A picture with every channel changing smoothly and differently, so that a swapped or dropped
/// channel shows.
QImage ColourfulPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    const int across = std::max(width, 64), down = std::max(height, 64);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y,
                             qRgb(40 + 180 * x / across, 30 + 200 * y / down,
                                  220 - 150 * (x + y) / (across + down)));
        }
    }
    return picture;
}

QByteArray WriteWithQt(const QImage& picture, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << writer.errorString().toStdString();
    return bytes;
}

/// The largest difference of any channel of any pixel; the pictures must be of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

/// Whether every pixel of an RGB32 picture is opaque, as the format requires.
bool AllOpaque(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) != 255) return false;
        }
    }
    return true;
}

/// Checks a decoded picture against its source within JPEG's loss, and against Qt's own reading
/// of the same bytes (the same library underneath) almost exactly.
void ExpectCloseTo(const QImage& decoded, const QImage& source, const QByteArray& bytes,
                   int tolerance = 16) {
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), source.size());
    EXPECT_LE(LargestDifference(decoded, source), tolerance);
    EXPECT_TRUE(AllOpaque(decoded));
    const QImage byQt = QImage::fromData(bytes, "JPG");
    ASSERT_EQ(byQt.size(), decoded.size());
    EXPECT_LE(LargestDifference(decoded, byQt), 2);
}

/// Where a marker's segment starts (the 0xFF of the marker), or -1.
qsizetype FindMarker(const QByteArray& bytes, unsigned char marker) {
    for (qsizetype i = 2; i + 1 < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) == 0xFF &&
            static_cast<unsigned char>(bytes[i + 1]) == marker) {
            return i;
        }
    }
    return -1;
}

/// The bytes with the frame header's height and width replaced.
QByteArray WithClaimedSize(QByteArray bytes, unsigned width, unsigned height) {
    qsizetype frame = FindMarker(bytes, 0xC0);
    if (frame < 0) frame = FindMarker(bytes, 0xC2);
    EXPECT_GE(frame, 0);
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

/// What libjpeg's own writer makes of `samples` (rows of `components` bytes a pixel; one row alone
/// stands for every row) for layouts Qt does not write: CMYK with or without the Adobe marker,
/// YCCK, arithmetic coding, long scan sequences.
struct LibjpegLayout {
    J_COLOR_SPACE input = JCS_RGB;
    int components = 3;
    J_COLOR_SPACE stored = JCS_YCbCr;
    bool adobeMarker = true;
    bool arithmetic = false;            // a few hundred bytes for an even picture of any size
    std::vector<jpeg_scan_info> scans;  // empty: one baseline scan
};

QByteArray WriteWithLibjpeg(const std::vector<unsigned char>& samples, JDIMENSION width,
                            JDIMENSION height, const LibjpegLayout& layout) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = layout.components;
    info.in_color_space = layout.input;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, layout.stored);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    }
    info.write_Adobe_marker = layout.adobeMarker ? TRUE : FALSE;
    info.arith_code = layout.arithmetic ? TRUE : FALSE;
    jpeg_set_quality(&info, 95, TRUE);
    if (!layout.scans.empty()) {
        info.scan_info = layout.scans.data();
        info.num_scans = static_cast<int>(layout.scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t rowBytes = std::size_t{width} * layout.components;
    while (info.next_scanline < info.image_height) {
        const std::size_t offset = samples.size() == rowBytes ? 0 : info.next_scanline * rowBytes;
        JSAMPROW row = const_cast<JSAMPROW>(samples.data()) + offset;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    std::free(out);
    return bytes;
}

/// An even grey picture, arithmetic-coded so that it stays small however large it is.
QByteArray WriteFlatGrey(JDIMENSION width, JDIMENSION height,
                         std::vector<jpeg_scan_info> scans = {}) {
    LibjpegLayout layout;
    layout.input = layout.stored = JCS_GRAYSCALE;
    layout.components = 1;
    layout.arithmetic = true;
    layout.scans = std::move(scans);
    return WriteWithLibjpeg(std::vector<unsigned char>(width, 0x60), width, height, layout);
}

std::vector<unsigned char> RgbSamples(const QImage& picture) {
    std::vector<unsigned char> samples;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            samples.insert(samples.end(), {static_cast<unsigned char>(qRed(p)),
                                           static_cast<unsigned char>(qGreen(p)),
                                           static_cast<unsigned char>(qBlue(p))});
        }
    }
    return samples;
}

/// A progressive sequence that sends every AC coefficient of each of `components` on its own,
/// first at `refinements` bits short of full precision and then one bit a scan:
/// components * (1 + 63 * (refinements + 1)) scans.
std::vector<jpeg_scan_info> SlowProgression(int components, int refinements) {
    std::vector<jpeg_scan_info> scans;
    for (int c = 0; c < components; ++c) {
        scans.push_back({1, {c, 0, 0, 0}, 0, 0, 0, 0});
        for (int k = 1; k < 64; ++k) {
            scans.push_back({1, {c, 0, 0, 0}, k, k, 0, refinements});
            for (int bit = refinements; bit > 0; --bit) {
                scans.push_back({1, {c, 0, 0, 0}, k, k, bit, bit - 1});
            }
        }
    }
    return scans;
}

// Four 8x8 squares (red, lime / blue, white) above two (black, 50% grey), written by another
// program as an Adobe YCCK JPEG from CMYK with inverted inks: 16x24 pixels.
const unsigned char kYcckSquares[] = {
    0xff, 0xd8, 0xff, 0xee, 0x00, 0x0e, 0x41, 0x64, 0x6f, 0x62, 0x65, 0x00, 0x64, 0x00, 0x00, 0x00,
    0x00, 0x02, 0xff, 0xdb, 0x00, 0x43, 0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x01, 0x01,
    0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02, 0x02, 0x02, 0x05, 0x04, 0x04, 0x03,
    0x04, 0x06, 0x05, 0x06, 0x06, 0x06, 0x05, 0x06, 0x06, 0x06, 0x07, 0x09, 0x08, 0x06, 0x07, 0x09,
    0x07, 0x06, 0x06, 0x08, 0x0b, 0x08, 0x09, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x06, 0x08, 0x0b, 0x0c,
    0x0b, 0x0a, 0x0c, 0x09, 0x0a, 0x0a, 0x0a, 0xff, 0xdb, 0x00, 0x43, 0x01, 0x02, 0x02, 0x02, 0x02,
    0x02, 0x02, 0x05, 0x03, 0x03, 0x05, 0x0a, 0x07, 0x06, 0x07, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0xff, 0xc0, 0x00, 0x14,
    0x08, 0x00, 0x18, 0x00, 0x10, 0x04, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0x04,
    0x11, 0x00, 0xff, 0xc4, 0x00, 0x17, 0x00, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0x0a, 0x08, 0xff, 0xc4, 0x00, 0x14, 0x10,
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0xff, 0xc4, 0x00, 0x18, 0x01, 0x00, 0x03, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x0a, 0x07, 0x09, 0xff, 0xc4, 0x00, 0x14, 0x11,
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0xff, 0xda, 0x00, 0x0e, 0x04, 0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x04, 0x00, 0x00, 0x3f,
    0x00, 0xec, 0xc3, 0x58, 0x9f, 0xf5, 0xfc, 0x4d, 0x73, 0x48, 0xba, 0xc1, 0x79, 0x11, 0x5e, 0xe5,
    0x38, 0xc3, 0xba, 0x80, 0x19, 0x58, 0x00, 0xc0, 0x18, 0x03, 0x40, 0x0f, 0xff, 0xd9};

TEST(JpegImage, ColourPicturesComeBackCloseToTheirSource) {
    // Sizes that are not whole blocks or whole subsampled blocks, one pixel and a wide strip.
    for (const QSize size : {QSize(64, 48), QSize(33, 17), QSize(1, 1), QSize(300, 2)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        const QImage source = ColourfulPicture(size.width(), size.height());
        for (const bool progressive : {false, true}) {
            const QByteArray bytes = WriteWithQt(source, progressive);
            ExpectCloseTo(DecodeJpeg(bytes), source, bytes);
        }
    }
}

TEST(JpegImage, GreyPicturesComeBackAsEqualChannels) {
    QImage grey(40, 24, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x)
            grey.scanLine(y)[x] = static_cast<uchar>(6 * x + y);
    }
    const QByteArray bytes = WriteWithQt(grey);
    const QImage decoded = DecodeJpeg(bytes);
    ExpectCloseTo(decoded, grey.convertToFormat(QImage::Format_RGB32), bytes, 8);
    for (int y = 0; y < decoded.height(); ++y) {
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb p = decoded.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
        }
    }
}

TEST(JpegImage, CmykAndYcckPicturesComeBackAsTheirColours) {
    const auto expectSquares = [](const QImage& decoded) {
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
        ASSERT_EQ(decoded.size(), QSize(16, 24));
        const QImage expected = [] {
            QImage squares(16, 24, QImage::Format_RGB32);
            const QRgb colours[] = {0xffff0000, 0xff00ff00, 0xff0000ff,
                                    0xffffffff, 0xff000000, 0xff808080};
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 16; ++x)
                    squares.setPixel(x, y, colours[y / 8 * 2 + x / 8]);
            }
            return squares;
        }();
        // The squares' middles, away from the ringing at their edges.
        for (int square = 0; square < 6; ++square) {
            const QRect middle(square % 2 * 8 + 2, square / 2 * 8 + 2, 4, 4);
            EXPECT_LE(LargestDifference(decoded.copy(middle), expected.copy(middle)), 12)
                << "square " << square;
        }
        EXPECT_TRUE(AllOpaque(decoded));
    };
    {
        SCOPED_TRACE("YCCK from another program");
        expectSquares(DecodeJpeg(
            QByteArray(reinterpret_cast<const char*>(kYcckSquares), sizeof kYcckSquares)));
    }

    // The same squares as inks, stored inverted under an Adobe marker (the usual way), stored
    // plainly without one, and as YCCK.
    std::vector<unsigned char> inks, inverted;
    const unsigned char squareInks[6][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0},
                                            {0, 0, 0, 0},     {0, 0, 0, 255},   {0, 0, 0, 127}};
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 16; ++x) {
            for (const unsigned char ink : squareInks[y / 8 * 2 + x / 8]) {
                inks.push_back(ink);
                inverted.push_back(static_cast<unsigned char>(255 - ink));
            }
        }
    }
    LibjpegLayout adobe;
    adobe.input = adobe.stored = JCS_CMYK;
    adobe.components = 4;
    {
        SCOPED_TRACE("Adobe CMYK");
        expectSquares(DecodeJpeg(WriteWithLibjpeg(inverted, 16, 24, adobe)));
    }
    {
        SCOPED_TRACE("Adobe YCCK");
        adobe.stored = JCS_YCCK;
        expectSquares(DecodeJpeg(WriteWithLibjpeg(inverted, 16, 24, adobe)));
    }
    {
        SCOPED_TRACE("CMYK without an Adobe marker");
        LibjpegLayout plain = adobe;
        plain.stored = JCS_CMYK;
        plain.adobeMarker = false;
        expectSquares(DecodeJpeg(WriteWithLibjpeg(inks, 16, 24, plain)));
    }
}

TEST(JpegImage, TruncatedOrDamagedPicturesAreRefused) {
    const QImage source = ColourfulPicture(64, 48);
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const QByteArray whole = WriteWithQt(source, progressive);
        ASSERT_FALSE(DecodeJpeg(whole).isNull());
        const qsizetype scan = FindMarker(whole, 0xDA);
        ASSERT_GT(scan, 0);
        // Inside the headers, just into the first scan, halfway, short of the end marker.
        for (const qsizetype cut : {qsizetype{1}, qsizetype{2}, scan / 2, scan + 20,
                                    whole.size() / 2, whole.size() - 40, whole.size() - 2}) {
            EXPECT_TRUE(DecodeJpeg(whole.left(cut)).isNull()) << "cut at " << cut;
        }

        // A stretch of compressed data overwritten, as a damaged disk would leave it: libjpeg
        // only warns and fills in grey.
        QByteArray damaged = whole;
        const qsizetype middle = (FindMarker(whole, 0xDA) + whole.size()) / 2;
        for (qsizetype i = middle; i < middle + 16; ++i)
            damaged[i] = static_cast<char>(0xFF);
        EXPECT_TRUE(DecodeJpeg(damaged).isNull());
        damaged = whole;
        damaged[middle] = static_cast<char>(0xFF);
        damaged[middle + 1] = static_cast<char>(0xD9);
        EXPECT_TRUE(DecodeJpeg(damaged).isNull());
    }

    const QByteArray whole = WriteWithQt(source);
    QByteArray badHeader = whole;
    badHeader[FindMarker(whole, 0xC0) + 4] = 12;  // 12-bit samples, which are not decoded
    EXPECT_TRUE(DecodeJpeg(badHeader).isNull());
    badHeader = whole;
    badHeader[FindMarker(whole, 0xC4) + 3] = 0x7F;  // a Huffman table of a kind that does not exist
    EXPECT_TRUE(DecodeJpeg(badHeader).isNull());
    badHeader = whole;
    badHeader[1] = 0;  // no start-of-image marker
    EXPECT_TRUE(DecodeJpeg(badHeader).isNull());

    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("\xFF\xD8", 2)).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("\xFF\xD8\xFF\xD9", 4)).isNull());
    QByteArray garbage(5000, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>(i * 7919 >> 3);
    EXPECT_TRUE(DecodeJpeg(garbage).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("GIF89a", 6)).isNull());
}

TEST(JpegImage, PicturesClaimingTooManyPixelsAreRefused) {
    const QByteArray whole = WriteWithQt(ColourfulPicture(16, 16));
    EXPECT_TRUE(DecodeJpeg(WithClaimedSize(whole, 65500, 65500)).isNull());
    EXPECT_TRUE(DecodeJpeg(WithClaimedSize(whole, 8193, 8192)).isNull());  // just over the limit
    EXPECT_TRUE(DecodeJpeg(WithClaimedSize(whole, 16, 0)).isNull());
    EXPECT_TRUE(DecodeJpeg(WithClaimedSize(whole, 0, 16)).isNull());
    // Whole, valid pictures: the largest taken and one just over it.
    const QImage largest = DecodeJpeg(WriteFlatGrey(8192, 8192));
    ASSERT_EQ(largest.size(), QSize(8192, 8192));
    EXPECT_EQ(largest.pixel(8191, 8191), qRgb(0x60, 0x60, 0x60));
    EXPECT_TRUE(DecodeJpeg(WriteFlatGrey(8193, 8192)).isNull());
    // Claimed larger than the data it carries: the data runs out.
    EXPECT_TRUE(DecodeJpeg(WithClaimedSize(whole, 1000, 1000)).isNull());
}

TEST(JpegImage, ProgressivePicturesWithEndlessScansAreRefused) {
    const QImage source = ColourfulPicture(16, 16);
    LibjpegLayout layout;
    layout.scans = SlowProgression(3, 4);  // 948 scans
    const QByteArray manyScans = WriteWithLibjpeg(RgbSamples(source), 16, 16, layout);
    ExpectCloseTo(DecodeJpeg(manyScans), source, manyScans);
    layout.scans = SlowProgression(3, 5);  // 1137 scans
    EXPECT_TRUE(DecodeJpeg(WriteWithLibjpeg(RgbSamples(source), 16, 16, layout)).isNull());

    // A million pixels may have 1024 scans, but the limit of scans comes first; four million may
    // have 256.
    EXPECT_FALSE(DecodeJpeg(WriteFlatGrey(1024, 1024, SlowProgression(1, 7))).isNull());  // 505
    EXPECT_TRUE(DecodeJpeg(WriteFlatGrey(2048, 2048, SlowProgression(1, 4))).isNull());   // 316
}

TEST(JpegImage, DecodingPrintsNothing) {
    const QByteArray whole = WriteWithQt(ColourfulPicture(32, 32));
    QTemporaryFile captured;
    ASSERT_TRUE(captured.open());
    std::fflush(stderr);
    const int savedError = ::dup(2);
    ASSERT_GE(savedError, 0);
    ::dup2(captured.handle(), 2);
    QByteArray damaged = whole;
    damaged[whole.size() / 2] = static_cast<char>(0xFF);
    damaged[whole.size() / 2 + 1] = static_cast<char>(0xD0);
    (void)DecodeJpeg(damaged);
    (void)DecodeJpeg(whole.left(whole.size() / 2));
    (void)DecodeJpeg(QByteArray("not a picture"));
    std::fflush(stderr);
    ::dup2(savedError, 2);
    ::close(savedError);
    EXPECT_EQ(QFile(captured.fileName()).size(), 0);
}

TEST(JpegImage, FilesAreReadWholeUpToTheirLimit) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage source = ColourfulPicture(40, 30);
    const QByteArray bytes = WriteWithQt(source);
    const QString path = folder.filePath("slide.jpg");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    ExpectCloseTo(LoadJpeg(path), source, bytes);

    // Bytes after the picture's end are ignored, up to the size of file that is read at all.
    {
        QFile file(path);
        ASSERT_TRUE(file.resize(64LL * 1024 * 1024));
    }
    ExpectCloseTo(LoadJpeg(path), source, bytes);
    {
        QFile file(path);
        ASSERT_TRUE(file.resize(64LL * 1024 * 1024 + 1));
    }
    EXPECT_TRUE(LoadJpeg(path).isNull());

    EXPECT_TRUE(LoadJpeg(folder.filePath("missing.jpg")).isNull());
    EXPECT_TRUE(LoadJpeg(folder.path()).isNull());
    EXPECT_TRUE(LoadJpeg(QString()).isNull());
}

}  // namespace
}  // namespace orvan::platform
