// The window, its dialogs and the start screen on a screen of two pixels a point: the pictures
// stored with the program are drawn from their SVG files at twice the size, shown at the same size
// in points, and the controls keep their places in points.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "lookup/full_text_question_dialog.h"
#include "platform/desktop_look.h"
#include "resources/stored_pictures.h"
#include "setup/folder_choice_dialog.h"
#include "setup/start_screen.h"
#include "setup/uninstall_question_dialog.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

QImage Premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

/// The label shows the stored SVG picture `path` (or its group `element`) at `points`, drawn at
/// two pixels a point.
void ExpectTwiceDrawing(const QLabel* label, const QString& path, QSize points,
                        const QString& element = {}) {
    const std::string name = label->objectName().toStdString();
    const QPixmap shown = label->pixmap();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0) << name;
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), points) << name;
    EXPECT_EQ(Premultiplied(shown.toImage()),
              Premultiplied(platform::StoredPicture(path, 2, element)))
        << name;
}

class HiDpiTest : public WindowTest {
  protected:
    void SetUp() override {
        lexicon.addEntry("engine", "{engine text}", 1);
        open();
    }
};

TEST_F(HiDpiTest, ThePictureButtonsShowTheirDrawingsAtTwiceTheSize) {
    ASSERT_EQ(window->devicePixelRatioF(), 2.0) << "QT_SCALE_FACTOR=2 did not take";
    const std::pair<QToolButton*, const char*> buttons[] = {
        {c().languageButton, "language"}, {c().backButton, "previous"}, {c().copyButton, "copy"},
        {c().exitButton, "exit"},         {c().pinButton, "pin"},       {c().helpButton, "help"},
    };
    for (const auto& [button, picture] : buttons) {
        const QString path = assets::IconPath(QString::fromLatin1(picture));
        const QPixmap shown = button->icon().pixmap(button->iconSize(), 2.0);
        EXPECT_EQ(shown.size(), button->iconSize() * 2) << picture;
        // The drawing itself at twice the size, not the plain picture enlarged.
        EXPECT_EQ(Premultiplied(shown.toImage()), Premultiplied(platform::StoredPicture(path, 2)))
            << picture;
    }
    ExpectTwiceDrawing(c().partnerDivisionLogo, assets::LogoPath("division-logo"), {27, 16});
    ExpectTwiceDrawing(c().partnerLogo, assets::LogoPath("company-logo"), {80, 14});
    // Places and sizes stay in points.
    EXPECT_EQ(c().languageButton->geometry(), QRect(4, 2, 49, 39));
    EXPECT_EQ(c().languageButton->iconSize(), QSize(43, 33));
    EXPECT_EQ(window->size(), QSize(lookup::kFirstWidth, lookup::kFirstHeight));
}

TEST_F(HiDpiTest, TheDialogsAndTheStartScreenShowTheirDrawingsAtTwiceTheSize) {
    lookup::FullTextQuestionDialog message(window.get());
    ExpectTwiceDrawing(message.findChild<QLabel*>("messageImage"),
                       assets::IconPath("fulltext-question"), {48, 48});
    setup::FolderChoiceDialog folder(setup::FolderDialogMode::Install, window.get());
    const QString installation = assets::IconPath("installation");
    ExpectTwiceDrawing(folder.findChild<QLabel*>("personalImage"), assets::IconPath("notepad"),
                       {29, 22});
    ExpectTwiceDrawing(folder.findChild<QLabel*>("installImage"), installation, {41, 41}, "setup");
    setup::UninstallQuestionDialog confirm(window.get());
    ExpectTwiceDrawing(confirm.findChild<QLabel*>("setupImage"), installation, {41, 41}, "setup");

    setup::StartScreenContext context;
    context.startFolder = program.path() + "/";
    setup::StartScreen start(context, setup::Presentation::None, 0, window.get());
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    auto* install = start.findChild<QLabel*>("installImage");
    ExpectTwiceDrawing(install, installation, {18, 18}, "install");
    EXPECT_EQ(install->size(), QSize(18, 18));
    EXPECT_EQ(start.size(), QSize(750, 455));
}

}  // namespace
}  // namespace orvan::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Two pixels a point on every screen, as on a fine display.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
