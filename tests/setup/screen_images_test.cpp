// The start screen and the setup dialogs at their default size look as the kept pictures in
// tests/data/screens show them: each window is grabbed and compared pixel by pixel, allowing a
// small difference. With ORVAN_RECORD_SCREENS=1 the test writes the pictures instead.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <cstdlib>

#include "setup/folder_choice_dialog.h"
#include "setup/start_screen.h"
#include "setup/uninstall_question_dialog.h"

namespace orvan::test {
namespace {

// A pixel differs when one of its channels differs by more than this; a window matches while at
// most kMostDifferentPixels of its pixels differ (anti-aliasing and text rendering may move a few
// edges by a pixel).
constexpr int kChannelTolerance = 24;
constexpr int kMostDifferentPixels = 300;

QString KeptPath(const QString& name) {
    return QStringLiteral(ORVAN_SCREENS_DIR "/") + name + ".png";
}

bool Recording() {
    return qEnvironmentVariable("ORVAN_RECORD_SCREENS") == "1";
}

int DifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance) {
                ++different;
            }
        }
    }
    return different;
}

/// Grabs `window` as shown now and compares it with the kept picture `name`.
void ExpectLooksAsKept(QWidget* window, const QString& name) {
    // The text pages lay themselves out in later turns of the event loop.
    QTest::qWait(300);
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (Recording()) {
        QDir().mkpath(QStringLiteral(ORVAN_SCREENS_DIR));
        ASSERT_TRUE(shown.save(KeptPath(name), "PNG")) << name.toStdString();
        return;
    }
    const QImage kept = QImage(KeptPath(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(kept.isNull()) << "no kept picture " << KeptPath(name).toStdString();
    ASSERT_EQ(shown.size(), kept.size()) << name.toStdString();
    const int different = DifferentPixels(shown, kept);
    if (different > kMostDifferentPixels) {
        shown.save(QDir::tempPath() + "/" + name + "-shown.png", "PNG");
    }
    EXPECT_LE(different, kMostDifferentPixels)
        << name.toStdString() << " (what was shown is in " << QDir::tempPath().toStdString() << "/"
        << name.toStdString() << "-shown.png)";
}

void ShowActive(QWidget* window) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

class ScreenImagesTest : public ::testing::Test {
  protected:
    ScreenImagesTest() : previousHome_(qgetenv("HOME")) {
        // A steady text cursor, and a home folder whose path and contents do not change.
        QApplication::setCursorFlashTime(0);
        QDir(home_).removeRecursively();
        QDir().mkpath(home_);
        qputenv("HOME", QFile::encodeName(home_));
        context_.startFolder = ORVAN_MEDIUM_DIR "/";
    }
    ~ScreenImagesTest() override {
        qputenv("HOME", previousHome_);
        QDir(home_).removeRecursively();
    }

    std::unique_ptr<setup::StartScreen> openStartScreen(setup::Presentation presentation,
                                                        int page) {
        auto screen = std::make_unique<setup::StartScreen>(context_, presentation, page);
        screen->setOpeningDuration(0);
        ShowActive(screen.get());
        return screen;
    }

    const QString home_ = QDir::tempPath() + "/orvan-screen-images-home";
    setup::StartScreenContext context_;

  private:
    QByteArray previousHome_;
};

TEST_F(ScreenImagesTest, TheStartScreenInEachPresentation) {
    auto face = openStartScreen(setup::Presentation::None, 0);
    ExpectLooksAsKept(face.get(), "start_screen");
    auto division = openStartScreen(setup::Presentation::Partner, setup::kDivisionPage);
    ExpectLooksAsKept(division.get(), "start_screen_division");
    auto company = openStartScreen(setup::Presentation::Partner, setup::kCompanyPage);
    ExpectLooksAsKept(company.get(), "start_screen_company");
    auto publisher = openStartScreen(setup::Presentation::Publisher, 0);
    ExpectLooksAsKept(publisher.get(), "start_screen_publisher");
    auto* details = publisher->findChild<QLabel*>("lexiconLabel");
    ASSERT_NE(details, nullptr);
    QTest::mouseClick(details, Qt::LeftButton, {}, {3, 3});
    ExpectLooksAsKept(publisher.get(), "start_screen_details");
}

TEST_F(ScreenImagesTest, TheFolderChoiceDialogInItsModes) {
    setup::FolderChoiceDialog install(setup::FolderDialogMode::Install);
    ShowActive(&install);
    ExpectLooksAsKept(&install, "folder_choice_install");
    setup::FolderChoiceDialog personal(setup::FolderDialogMode::NoPersonalFolder);
    ShowActive(&personal);
    ExpectLooksAsKept(&personal, "folder_choice_personal");
}

TEST_F(ScreenImagesTest, TheUninstallQuestion) {
    setup::UninstallQuestionDialog question;
    ShowActive(&question);
    ExpectLooksAsKept(&question, "uninstall_question");
}

}  // namespace
}  // namespace orvan::test
