// The figures of a printed entry: the pictures its figure links open, put after the links'
// paragraphs at their own size or scaled down to the page, and nothing for a link whose file is
// missing or unreadable.
#include "richtext/print_job.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <vector>

#include "richtext/rich_text_view.h"

namespace orvan::richtext {
namespace {

constexpr long long kEntry = 77;

QString T(const char16_t* text) {
    return QString::fromUtf16(text);
}

struct PrintedImage {
    int block;       // the paragraph's index in the document
    QString name;    // the resource
    QSizeF size;     // as laid out, in the document's pixels
    QSize resource;  // the picture's own size
};

// The images of `document`, in order.
std::vector<PrintedImage> Images(QTextDocument& document) {
    std::vector<PrintedImage> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid()) continue;
            const QImage picture =
                document.resource(QTextDocument::ImageResource, QUrl(format.name()))
                    .value<QImage>();
            images.push_back({block.blockNumber(),
                              format.name(),
                              {format.width(), format.height()},
                              picture.size()});
        }
    }
    return images;
}

class PrintFiguresTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A program folder whose name needs escaping in a URL.
        folder_ = temp_.path() + "/program #1 %20/";
        ASSERT_TRUE(QDir().mkpath(folder_ + "content"));
    }

    // Draws figure `digit` of the entry, `width` by `height` pixels.
    void draw(char digit, int width, int height) const {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(file(digit), "BMP"));
    }
    QString file(char digit) const {
        return folder_ + QString("content/fig%1%2.bmp").arg(kEntry).arg(QChar(digit));
    }
    FigureSource source() const { return {folder_.toStdString(), kEntry}; }
    // `document` holding `text` with the figures of its links put in for `room`: its images.
    std::vector<PrintedImage> withFigures(QTextDocument& document, const char16_t* text,
                                          QSizeF room) const {
        document.setPlainText(T(text));
        InsertFigures(document, source(), room);
        return Images(document);
    }

    QTemporaryDir temp_;
    QString folder_;
};

TEST_F(PrintFiguresTest, EachLinkedFigureFollowsItsLinksParagraphAtItsOwnSize) {
    draw('1', 50, 30);
    draw('2', 20, 10);
    QTextDocument document;
    const std::vector<PrintedImage> images = withFigures(
        document, u"head\nsee [Σχήμα 1] and [Σχήμα 12]\nmore [Σχήμα 1]\nend", {600, 900});
    // Figure 1 and then figure 2 after the second paragraph; figure 1 again after the third.
    EXPECT_EQ(document.toPlainText(),
              u"head\nsee [Σχήμα 1] and [Σχήμα 12]\n\uFFFC\n\uFFFC\nmore [Σχήμα 1]\n\uFFFC\nend");
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].block, 2);
    EXPECT_EQ(images[0].size, QSizeF(50, 30));
    EXPECT_EQ(images[0].resource, QSize(50, 30));
    EXPECT_EQ(images[1].block, 3);
    EXPECT_EQ(images[1].resource, QSize(20, 10));
    EXPECT_EQ(images[2].block, 5);
    EXPECT_EQ(images[2].name, images[0].name);
}

TEST_F(PrintFiguresTest, AFigureLargerThanTheRoomShrinksKeepingItsShapeNeverGrows) {
    draw('1', 400, 100);
    draw('2', 100, 400);
    QTextDocument document;
    const std::vector<PrintedImage> images =
        withFigures(document, u"[Σχήμα 1] [Σχήμα 2]", {200, 300});
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].size, QSizeF(200, 50));      // to the width
    EXPECT_EQ(images[1].size, QSizeF(75, 300));      // to the height
    EXPECT_EQ(images[0].resource, QSize(400, 100));  // the picture itself stays whole

    // A figure linked twice from one paragraph comes once; without a bound it keeps its size.
    const std::vector<PrintedImage> once = withFigures(document, u"[Σχήμα 2], [Σχήμα 2]", {});
    ASSERT_EQ(once.size(), 1u);
    EXPECT_EQ(once[0].size, QSizeF(100, 400));
}

TEST_F(PrintFiguresTest, ALinkWithoutAReadablePictureLeavesTheTextAsItIs) {
    draw('2', 20, 10);
    QFile damaged(file('3'));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM not a picture");
    damaged.close();
    constexpr char16_t kText[] = u"[Σχήμα 1] missing, [Σχήμα 3] damaged\nΣχήμα 2 is no link";
    QTextDocument document;
    EXPECT_TRUE(withFigures(document, kText, {600, 900}).empty());
    EXPECT_EQ(document.toPlainText(), kText);
    // Without an entry there are no figures.
    document.setPlainText(T(u"[Σχήμα 2]"));
    EXPECT_EQ(InsertFigures(document, {folder_.toStdString(), 0}, {600, 900}), 0);
}

// The room is the page's printable width less the document's print margins: a figure far wider
// than the page is drawn across that width and no wider.
TEST_F(PrintFiguresTest, APrintedFigureWiderThanThePageSpansItsPrintableWidth) {
    if (QStandardPaths::findExecutable("pdfimages").isEmpty()) GTEST_SKIP() << "no pdfimages";
    draw('1', 4000, 40);
    RichTextView view;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temp_.filePath("wide.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    const PrintJob job{"{\\rtf1\\ansi\\ansicpg1253 see [\\'d3\\'f7\\'de\\'ec\\'e1 1]\\par}",
                       "wide"};
    ASSERT_TRUE(PrintOn(view, printer, job, source()));
    EXPECT_EQ(Images(*view.document()).size(), 1u);

    QProcess pdfimages;
    pdfimages.start("pdfimages", {"-list", printer.outputFileName()});
    ASSERT_TRUE(pdfimages.waitForFinished(20000));
    // "page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio"
    const QStringList lines = QString::fromUtf8(pdfimages.readAllStandardOutput()).split('\n');
    ASSERT_GE(lines.size(), 3) << lines.join('\n').toStdString();
    const QStringList row = lines[2].simplified().split(' ');
    ASSERT_GE(row.size(), 14) << lines[2].toStdString();
    EXPECT_EQ(row[3], "4000");
    // 210 mm less the page margins (2 x 10 mm) and the print margins (2 x 2 cm): 150 mm.
    const double drawnMm = 4000 / row[12].toDouble() * 25.4;
    EXPECT_NEAR(drawnMm, 150, 2) << lines[2].toStdString();
}

}  // namespace
}  // namespace orvan::richtext
