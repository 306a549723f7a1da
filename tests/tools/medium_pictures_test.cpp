// The sample medium's drawn pictures: orvan-make-pictures, run afresh, writes exactly the pictures
// committed in sample/pictures/, so that a drawing changed without its pictures being made again
// (or a committed picture edited by hand) shows here.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

namespace {

const QString kCommitted = QStringLiteral(ORVAN_SOURCE_DIR "/sample/pictures");

// How many pixels differ by more than a tenth of the channel range in any channel (as
// ImageMagick's `compare -metric AE -fuzz 10%` counts them); -1 when the sizes differ.
int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            const int worst =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (worst > 25) ++count;
        }
    }
    return count;
}

class MediumPicturesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        made_ = new QTemporaryDir;
        ASSERT_TRUE(made_->isValid());
        QProcess tool;
        tool.start(QStringLiteral(ORVAN_MAKE_PICTURES), {made_->path()});
        ASSERT_TRUE(tool.waitForFinished(120000));
        ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    static void TearDownTestSuite() {
        delete made_;
        made_ = nullptr;
    }
    static QStringList names(const QString& folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    static QTemporaryDir* made_;
};

QTemporaryDir* MediumPicturesTest::made_ = nullptr;

TEST_F(MediumPicturesTest, TheToolMakesExactlyTheCommittedFiles) {
    const QStringList committed = names(kCommitted);
    // The start screen's background, logos, covers, details, nine slides, the 24 menu pictures,
    // the seven title covers, and the window's background, rule and Greek flag.
    EXPECT_EQ(committed.size(), 50);
    EXPECT_EQ(names(made_->path()), committed);
    for (const char* name : {"background.png", "01.png", "09.png", "korv7.png", "menu15c.png",
                             "exofilo34.png", "backmain.png", "flaggr.png"}) {
        EXPECT_TRUE(committed.contains(QString::fromLatin1(name))) << name;
    }
}

TEST_F(MediumPicturesTest, EachPictureMatchesItsCommittedCopy) {
    for (const QString& name : names(kCommitted)) {
        const QImage committed(kCommitted + "/" + name);
        const QImage made(made_->path() + "/" + name);
        ASSERT_FALSE(committed.isNull()) << name.toStdString();
        ASSERT_FALSE(made.isNull()) << name.toStdString();
        ASSERT_EQ(made.size(), committed.size()) << name.toStdString();
        // Pixel for pixel on the machine that made them; elsewhere another version of the fonts
        // may move a few antialiased edges of the text, which is all this lets through.
        const int differing = DifferingPixels(made, committed);
        EXPECT_LE(differing, committed.width() * committed.height() / 500)
            << name.toStdString() << ": " << differing << " pixels differ; run "
            << "orvan-make-pictures sample/pictures and commit the pictures";
    }
}

}  // namespace
