// The window, its dialogs and the start screen on a screen of two pixels a point: the pictures
// stored with the program are shown from their drawings at twice the size, at the same size in
// points, and the controls keep their places in points.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "lookup/full_text_question_dialog.h"
#include "setup/uninstall_question_dialog.h"
#include "setup/start_screen.h"
#include "setup/folder_choice_dialog.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

QImage Premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

/// The label shows the stored picture `path`'s "@2x" drawing at the size of the plain one.
void ExpectTwiceDrawing(const QLabel* label, const QString& path) {
    const std::string name = label->objectName().toStdString();
    const QPixmap shown = label->pixmap();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0) << name;
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), QImage(path).size()) << name;
    QString twice = path;
    twice.replace(".png", "@2x.png");
    EXPECT_EQ(Premultiplied(shown.toImage()), Premultiplied(QImage(twice))) << name;
}

class HiDpiTest : public WindowTest {
  protected:
    void SetUp() override {
        lexicon.AddEntry("engine", "{engine text}", 1);
        Open();
    }
};

TEST_F(HiDpiTest, ThePictureButtonsShowTheirDrawingsAtTwiceTheSize) {
    ASSERT_EQ(window->devicePixelRatioF(), 2.0) << "QT_SCALE_FACTOR=2 did not take";
    const std::pair<QToolButton*, const char*> buttons[] = {
        {c().languageButton, "language"}, {c().backButton, "previous"}, {c().copyButton, "copy"},
        {c().exitButton, "exit"},     {c().pinButton, "pin"},       {c().helpButton, "help"},
    };
    for (const auto& [button, picture] : buttons) {
        const QString path = QString(":/lookup/pictures/%1@2x.png").arg(picture);
        const QPixmap shown = button->icon().pixmap(button->iconSize(), 2.0);
        EXPECT_EQ(shown.size(), button->iconSize() * 2) << picture;
        // The drawing itself, not the plain picture enlarged.
        EXPECT_EQ(Premultiplied(shown.toImage()), Premultiplied(QImage(path))) << picture;
    }
    ExpectTwiceDrawing(c().partnerDivisionLogo, ":/lookup/pictures/division-logo.png");
    ExpectTwiceDrawing(c().partnerLogo, ":/lookup/pictures/company-logo.png");
    // Places and sizes stay in points.
    EXPECT_EQ(c().languageButton->geometry(), QRect(4, 2, 49, 39));
    EXPECT_EQ(c().languageButton->iconSize(), QSize(43, 33));
    EXPECT_EQ(window->size(), QSize(lookup::kFirstWidth, lookup::kFirstHeight));
}

TEST_F(HiDpiTest, TheDialogsAndTheStartScreenShowTheirDrawingsAtTwiceTheSize) {
    lookup::FullTextQuestionDialog message(window.get());
    ExpectTwiceDrawing(message.findChild<QLabel*>("messageImage"),
                       ":/lookup/pictures/fulltext-question.png");
    setup::FolderChoiceDialog folder(setup::FolderDialogMode::Install, window.get());
    ExpectTwiceDrawing(folder.findChild<QLabel*>("personalImage"), ":/setup/pictures/notepad.png");
    ExpectTwiceDrawing(folder.findChild<QLabel*>("installImage"), ":/setup/pictures/setup.png");
    setup::UninstallQuestionDialog confirm(window.get());
    ExpectTwiceDrawing(confirm.findChild<QLabel*>("setupImage"), ":/setup/pictures/setup.png");

    setup::StartScreenContext context;
    context.startFolder = program.Path() + "/";
    setup::StartScreen start(context, setup::Presentation::None, 0, window.get());
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    auto* install = start.findChild<QLabel*>("installImage");
    ExpectTwiceDrawing(install, ":/setup/pictures/install.png");
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
