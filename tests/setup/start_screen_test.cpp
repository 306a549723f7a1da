// The start screen: its face, the three presentations and their changes of state, the slides,
// the check box's writes, and install or uninstall mode from the program's permissions.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "lexicon/settings.h"
#include "richtext/rich_text_view.h"
#include "setup/start_screen.h"
#include "setup/uninstall_question_dialog.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_text.h"

namespace orvan::test {
namespace {

using setup::Presentation;
using setup::StartScreen;

// A picture whose colour tells which file it came from.
QColor ColourOf(int n) {
    return QColor::fromHsv((n * 37) % 360, 200, 100 + n % 100);
}

class StartScreenTest : public ::testing::Test {
  protected:
    StartScreenTest() {
        context.startFolder = program.Path() + "/";
        context.settingsPath = config.File("Orvan.ini");
        config.Write("Orvan.ini", "YES\r\n/home/ann/Orvan\r\n");
    }
    ~StartScreenTest() override { form.reset(); }

    void Picture(const QString& name, int n, QSize size = {20, 10}) {
        QDir(QString::fromStdString(program.Path())).mkpath("content");
        QImage image(size, QImage::Format_RGB32);
        image.fill(ColourOf(n));
        // The ground a transparent picture loses.
        image.setPixelColor(0, size.height() - 1, Qt::white);
        const QString format = name.endsWith(".jpg") ? "JPG" : "BMP";
        ASSERT_TRUE(image.save(Content(name), qPrintable(format), 100));
    }
    void Page(const QString& name, const std::string& text) {
        QDir(QString::fromStdString(program.Path())).mkpath("content");
        program.Write("content/" + name.toStdString(), "{\\rtf1\\ansi " + text + "}");
    }
    QString Content(const QString& name) const {
        return QString::fromStdString(program.Path()) + "/content/" + name;
    }
    /// The whole presentation content: slides, menus, pages and title pictures.
    void AllContent() {
        for (int slide = 1; slide <= 9; ++slide)
            Picture(QString("0%1.jpg").arg(slide), slide);
        for (int tag : {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15}) {
            Picture(QString("menu%1.bmp").arg(tag), 100 + tag);
            Picture(QString("menu%1c.bmp").arg(tag), 200 + tag);
            Page(QString("korv%1.rtf").arg(tag), "page " + std::to_string(tag));
        }
        for (int tag = 1; tag <= 7; ++tag)
            Picture(QString("korv%1.bmp").arg(tag), 300 + tag);
        Picture("exofilo34.bmp", 400);
        Page("veltext.rtf", "Velmora page");
        Page("caldertext.rtf", "Calder page");
    }

    void Open(Presentation presentation = Presentation::None, int page = 0) {
        form = std::make_unique<StartScreen>(context, presentation, page);
        form->setOpeningDuration(0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    template <typename T = QLabel>
    T* Find(const QString& name) const {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* Menu(int tag) const { return Find(QString("menuImage%1").arg(tag)); }
    /// Which picture a control shows, by its colour.
    static QColor Shown(const QLabel* control) {
        const QImage image = control->pixmap().toImage();
        return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
    }
    static bool Near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
               std::abs(a.blue() - b.blue()) < 12;
    }
    QString Text() const { return Find<richtext::RichTextView>("partnerText")->plainText(); }
    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, {2, 2}); }

    TempFolder program, config;
    setup::StartScreenContext context;
    std::unique_ptr<StartScreen> form;
};

TEST_F(StartScreenTest, WithoutContentTheDefaultFaceShowsOnlyItsControls) {
    Open();
    EXPECT_EQ(form->windowTitle(), "Orvan");
    EXPECT_EQ(form->size(), QSize(750, 455));
    EXPECT_EQ(Find<QPushButton>("closeButton")->text(), Q("Έναρξη Λεξικού"));
    EXPECT_EQ(Find<QCheckBox>("hideCheckBox")->text(), Q("Απενεργοποίηση παρουσίασης"));
    EXPECT_FALSE(Find<QCheckBox>("hideCheckBox")->isChecked());
    for (const char* shown : {"coverImage", "presentationImage", "isbnImage", "lexiconLabel",
                              "installImage", "publisherLogo", "divisionLogo", "companyLogo"}) {
        EXPECT_TRUE(Find(shown)->isVisible()) << shown;
    }
    for (const char* hidden :
         {"partnerTitle", "publisherTitle", "publisherPicture", "menuImage1", "menuImage11"}) {
        EXPECT_FALSE(Find(hidden)->isVisible()) << hidden;
    }
    EXPECT_FALSE(Find<richtext::RichTextView>("partnerText")->isVisible());
    EXPECT_TRUE(Find("coverImage")->pixmap().isNull());
    EXPECT_FALSE(Find("installImage")->pixmap().isNull());
    EXPECT_EQ(Find("installImage")->size(), QSize(18, 18));
    EXPECT_FALSE(Find<QTimer>("slideTimer")->isActive());
}

TEST_F(StartScreenTest, ThePicturesComeFromTheContentFolderTheLogosOnATransparentGround) {
    Picture("background.bmp", 1, {750, 455});
    Picture("vel.bmp", 2, {95, 81});
    Picture("exofilo34.bmp", 3, {249, 321});
    QDir(QString::fromStdString(program.Path())).mkpath("content");
    program.Write("content/isbn.bmp", "BM damaged");
    Open();
    EXPECT_TRUE(Near(Shown(Find("coverImage")), ColourOf(1)));
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(3)));
    // A logo drawn all in its ground colour leaves nothing to see.
    EXPECT_FALSE(Find("divisionLogo")->pixmap().mask().isNull());
    EXPECT_TRUE(Find("isbnImage")->pixmap().isNull());
}

TEST_F(StartScreenTest, TheProgramsPermissionsChooseInstallOrUninstall) {
    Open();
    EXPECT_TRUE(form->installMode());
    EXPECT_EQ(Find("installImage")->toolTip(), Q("Εγκατάσταση στο δίσκο"));
    form.reset();
    program.Write("orvan", "x");
    ::chmod(program.File("orvan").c_str(), 0555);
    Open();
    EXPECT_TRUE(form->installMode());
    form.reset();
    ::chmod(program.File("orvan").c_str(), 0755);
    Open();
    EXPECT_FALSE(form->installMode());
    EXPECT_EQ(Find("installImage")->toolTip(), Q("Απεγκατάσταση από το δίσκο"));
}

TEST_F(StartScreenTest, ThePartnersPagesShowTheirSlidesAndText) {
    AllContent();
    Open(Presentation::Partner, setup::kDivisionPage);
    EXPECT_EQ(Find<QPushButton>("closeButton")->text(), Q("Επιστροφή"));
    EXPECT_EQ(Find("partnerTitle")->text(), "Velmora");
    EXPECT_TRUE(Find("partnerTitle")->isVisible());
    EXPECT_FALSE(Find("isbnImage")->isVisible());
    EXPECT_EQ(Find("presentationImage")->x(), 480);
    EXPECT_TRUE(Find("presentationImage")->hasScaledContents());
    EXPECT_EQ(Find<richtext::RichTextView>("partnerText")->geometry(), QRect(40, 104, 420, 285));
    EXPECT_EQ(Text(), "Velmora page");
    EXPECT_TRUE(Find<QTimer>("slideTimer")->isActive());
    EXPECT_EQ(Find<QTimer>("slideTimer")->interval(), 5000);

    std::string digits = std::to_string(form->presentation().slide());
    for (int tick = 0; tick < 7; ++tick) {
        form->showNextSlide();
        digits += std::to_string(form->presentation().slide());
        EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(form->presentation().slide())));
    }
    EXPECT_EQ(digits, "12345612");

    Click(Find("companyLogo"));
    EXPECT_EQ(Find("partnerTitle")->text(), "Calder");
    EXPECT_EQ(Text(), "Calder page");
    digits = std::to_string(form->presentation().slide());
    for (int tick = 0; tick < 4; ++tick) {
        form->showNextSlide();
        digits += std::to_string(form->presentation().slide());
    }
    EXPECT_EQ(digits, "78978");
    // Back on the division's page the slides start again at the first.
    Click(Find("divisionLogo"));
    EXPECT_EQ(form->presentation().slide(), 1);
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(1)));
}

TEST_F(StartScreenTest, AMissingOrDamagedSlideKeepsThePictureForAnotherPeriod) {
    AllContent();
    QFile::remove(Content("02.jpg"));
    QFile damaged(Content("03.jpg"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.resize(damaged.size() / 2);
    damaged.close();
    Open(Presentation::Partner, setup::kDivisionPage);
    form->showNextSlide();
    EXPECT_EQ(form->presentation().slide(), 2);
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(1)));
    form->showNextSlide();
    EXPECT_EQ(form->presentation().slide(), 3);
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(1)));
    form->showNextSlide();
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(4)));
}

TEST_F(StartScreenTest, WithoutContentAPartnersPageShowsItsTitleAndAnEmptyPage) {
    Open(Presentation::Partner, setup::kCompanyPage);
    EXPECT_EQ(Find("partnerTitle")->text(), "Calder");
    EXPECT_TRUE(Find<richtext::RichTextView>("partnerText")->isVisible());
    EXPECT_EQ(Text(), "");
    form->showNextSlide();
    EXPECT_EQ(form->presentation().slide(), 8);
}

TEST_F(StartScreenTest, ThePublishersTitlesSelectOneAtATime) {
    AllContent();
    Open(Presentation::Publisher);
    EXPECT_EQ(Find("publisherTitle")->text(), Q("Τίτλοι"));
    for (int tag = 1; tag <= 7; ++tag)
        EXPECT_TRUE(Menu(tag)->isVisible()) << tag;
    EXPECT_EQ(Menu(7)->height(), 49);
    EXPECT_FALSE(Find<QTimer>("slideTimer")->isActive());
    EXPECT_EQ(Find("presentationImage")->x(), 495);
    EXPECT_EQ(Find<richtext::RichTextView>("partnerText")->geometry(), QRect(208, 84, 282, 321));
    EXPECT_EQ(form->presentation().menuSelection(), 1);
    EXPECT_TRUE(Near(Shown(Menu(1)), ColourOf(201)));
    EXPECT_EQ(Text(), "page 1");
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(301)));

    Click(Menu(3));
    EXPECT_EQ(form->presentation().menuSelection(), 3);
    EXPECT_TRUE(Near(Shown(Menu(3)), ColourOf(203)));
    EXPECT_TRUE(Near(Shown(Menu(1)), ColourOf(101)));
    EXPECT_EQ(Text(), "page 3");
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(303)));

    // A second click on the selected title reads nothing again.
    Page("korv3.rtf", "changed");
    Click(Menu(3));
    EXPECT_EQ(Text(), "page 3");

    // A title whose picture is missing ends there: its page is read, the selection stays.
    QFile::remove(Content("korv5.bmp"));
    Click(Menu(5));
    EXPECT_EQ(form->presentation().menuSelection(), 3);
    EXPECT_EQ(Text(), "page 5");
    EXPECT_TRUE(Near(Shown(Find("presentationImage")), ColourOf(303)));
}

TEST_F(StartScreenTest, TheDictionaryDetailsOpenWideBesideTheSmallCover) {
    AllContent();
    Open(Presentation::Partner, setup::kDivisionPage);
    Click(Find("lexiconLabel"));
    EXPECT_EQ(Find("publisherTitle")->text(), Q("Στοιχεία Λεξικού"));
    EXPECT_FALSE(Find<QTimer>("slideTimer")->isActive());
    EXPECT_FALSE(Find("presentationImage")->isVisible());
    EXPECT_FALSE(Find("partnerTitle")->isVisible());
    EXPECT_TRUE(Find("publisherPicture")->isVisible());
    EXPECT_FALSE(Menu(1)->isVisible());
    for (int tag = 11; tag <= 15; ++tag)
        EXPECT_TRUE(Menu(tag)->isVisible()) << tag;
    EXPECT_EQ(Find<richtext::RichTextView>("partnerText")->geometry(), QRect(208, 84, 530, 324));
    EXPECT_EQ(form->presentation().menuSelection(), 11);
    EXPECT_EQ(Text(), "page 11");
    Click(Menu(14));
    EXPECT_EQ(form->presentation().menuSelection(), 14);
    EXPECT_TRUE(Near(Shown(Menu(11)), ColourOf(111)));
    EXPECT_TRUE(Near(Shown(Menu(14)), ColourOf(214)));
    EXPECT_EQ(Text(), "page 14");

    // Then the publisher's titles: the details' selection is not theirs to restore.
    Click(Find("publisherLogo"));
    EXPECT_EQ(form->presentation().menuSelection(), 1);
    EXPECT_FALSE(Menu(14)->isVisible());
    EXPECT_TRUE(Find("presentationImage")->isVisible());
}

TEST_F(StartScreenTest, AMissingDetailsMenuPictureEndsTheDetailsThere) {
    AllContent();
    QFile::remove(Content("menu13.bmp"));
    Open();
    Click(Find("lexiconLabel"));
    EXPECT_TRUE(Menu(11)->isVisible());
    EXPECT_FALSE(Find<richtext::RichTextView>("partnerText")->isVisible());
    EXPECT_EQ(form->presentation().menuSelection(), 0);
}

TEST_F(StartScreenTest, TheCheckBoxSwitchesThePresentationOffAndOnAgain) {
    Open();
    Find<QCheckBox>("hideCheckBox")->setChecked(true);
    Find<QPushButton>("closeButton")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "NO\r\n/home/ann/Orvan\r\n");

    Open(Presentation::Publisher);
    EXPECT_EQ(Find<QCheckBox>("hideCheckBox")->text(), Q("Ενεργοποίηση παρουσίασης"));
    EXPECT_FALSE(Find<QCheckBox>("hideCheckBox")->isChecked());
    Find<QCheckBox>("hideCheckBox")->setChecked(true);
    Find<QPushButton>("closeButton")->click();
    EXPECT_TRUE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "YES\r\n/home/ann/Orvan\r\n");

    // Unticked, the button writes nothing.
    config.Write("Orvan.ini", "other\r\n");
    Open();
    Find<QPushButton>("closeButton")->click();
    EXPECT_EQ(config.read("Orvan.ini"), "other\r\n");
    EXPECT_TRUE(context.showStartScreen);
}

TEST_F(StartScreenTest, WithoutASettingsFileTheCheckBoxWritesNo) {
    std::filesystem::remove(context.settingsPath);
    Open();
    Find<QCheckBox>("hideCheckBox")->setChecked(true);
    Find<QPushButton>("closeButton")->click();
    EXPECT_FALSE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "NO\r\n");
}

TEST_F(StartScreenTest, ClosingTheWindowStopsTheSlides) {
    AllContent();
    Open(Presentation::Partner, setup::kDivisionPage);
    form->close();
    EXPECT_FALSE(Find<QTimer>("slideTimer")->isActive());
}

TEST(ConfirmUninstall, AsksInItsOwnWordsAndAnswersYesOrNo) {
    setup::UninstallQuestionDialog form;
    EXPECT_EQ(form.windowTitle(), Q("Απεγκατάσταση Λεξικού"));
    EXPECT_EQ(form.size(), QSize(323, 141));
    EXPECT_EQ(form.findChild<QPlainTextEdit*>("questionText")->toPlainText(),
              Q("Πρόκειται να απεγκατασταθεί \nτο Orvan\nαπό το σκληρό σας δίσκο. \n\n"
                "Να συνεχιστεί η διαδικασία;"));
    EXPECT_FALSE(form.findChild<QLabel*>("setupImage")->pixmap().isNull());
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("noButton")->click(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
}

}  // namespace
}  // namespace orvan::test
