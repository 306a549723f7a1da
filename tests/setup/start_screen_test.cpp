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
        context.startFolder = program.path() + "/";
        context.settingsPath = config.file("Orvan.ini");
        config.write("Orvan.ini", "YES\r\n/home/ann/Orvan\r\n");
    }
    ~StartScreenTest() override { form.reset(); }

    void picture(const QString& name, int n, QSize size = {20, 10}) {
        QDir(QString::fromStdString(program.path())).mkpath("content");
        QImage image(size, QImage::Format_RGB32);
        image.fill(ColourOf(n));
        // The ground a transparent picture loses.
        image.setPixelColor(0, size.height() - 1, Qt::white);
        const QString format = name.endsWith(".jpg") ? "JPG" : "BMP";
        ASSERT_TRUE(image.save(content(name), qPrintable(format), 100));
    }
    void page(const QString& name, const std::string& text) {
        QDir(QString::fromStdString(program.path())).mkpath("content");
        program.write("content/" + name.toStdString(), "{\\rtf1\\ansi " + text + "}");
    }
    QString content(const QString& name) const {
        return QString::fromStdString(program.path()) + "/content/" + name;
    }
    /// The whole presentation content: slides, menus, pages and title pictures.
    void allContent() {
        for (int slide = 1; slide <= 9; ++slide)
            picture(QString("0%1.jpg").arg(slide), slide);
        for (int tag : {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15}) {
            picture(QString("menu%1.bmp").arg(tag), 100 + tag);
            picture(QString("menu%1c.bmp").arg(tag), 200 + tag);
            page(QString("korv%1.rtf").arg(tag), "page " + std::to_string(tag));
        }
        for (int tag = 1; tag <= 7; ++tag)
            picture(QString("korv%1.bmp").arg(tag), 300 + tag);
        picture("exofilo34.bmp", 400);
        page("veltext.rtf", "Velmora page");
        page("caldertext.rtf", "Calder page");
    }

    void open(Presentation presentation = Presentation::None, int page = 0) {
        form = std::make_unique<StartScreen>(context, presentation, page);
        form->setOpeningDuration(0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    template <typename T = QLabel>
    T* find(const QString& name) const {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* menu(int tag) const { return find(QString("menuImage%1").arg(tag)); }
    /// Which picture a control shows, by its colour.
    static QColor shown(const QLabel* control) {
        const QImage image = control->pixmap().toImage();
        return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
    }
    static bool near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
               std::abs(a.blue() - b.blue()) < 12;
    }
    QString text() const { return find<richtext::RichTextView>("partnerText")->plainText(); }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, {2, 2}); }

    TempFolder program, config;
    setup::StartScreenContext context;
    std::unique_ptr<StartScreen> form;
};

TEST_F(StartScreenTest, WithoutContentTheDefaultFaceShowsOnlyItsControls) {
    open();
    EXPECT_EQ(form->windowTitle(), "Orvan");
    EXPECT_EQ(form->size(), QSize(750, 455));
    EXPECT_EQ(find<QPushButton>("closeButton")->text(), Q("Έναρξη Λεξικού"));
    EXPECT_EQ(find<QCheckBox>("hideCheckBox")->text(), Q("Απενεργοποίηση παρουσίασης"));
    EXPECT_FALSE(find<QCheckBox>("hideCheckBox")->isChecked());
    for (const char* shown : {"coverImage", "presentationImage", "isbnImage", "lexiconLabel",
                              "installImage", "publisherLogo", "divisionLogo", "companyLogo"}) {
        EXPECT_TRUE(find(shown)->isVisible()) << shown;
    }
    for (const char* hidden :
         {"partnerTitle", "publisherTitle", "publisherPicture", "menuImage1", "menuImage11"}) {
        EXPECT_FALSE(find(hidden)->isVisible()) << hidden;
    }
    EXPECT_FALSE(find<richtext::RichTextView>("partnerText")->isVisible());
    EXPECT_TRUE(find("coverImage")->pixmap().isNull());
    EXPECT_FALSE(find("installImage")->pixmap().isNull());
    EXPECT_EQ(find("installImage")->size(), QSize(18, 18));
    EXPECT_FALSE(find<QTimer>("slideTimer")->isActive());
}

TEST_F(StartScreenTest, ThePicturesComeFromTheContentFolderTheLogosOnATransparentGround) {
    picture("background.bmp", 1, {750, 455});
    picture("vel.bmp", 2, {95, 81});
    picture("exofilo34.bmp", 3, {249, 321});
    QDir(QString::fromStdString(program.path())).mkpath("content");
    program.write("content/isbn.bmp", "BM damaged");
    open();
    EXPECT_TRUE(near(shown(find("coverImage")), ColourOf(1)));
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(3)));
    // A logo drawn all in its ground colour leaves nothing to see.
    EXPECT_FALSE(find("divisionLogo")->pixmap().mask().isNull());
    EXPECT_TRUE(find("isbnImage")->pixmap().isNull());
}

TEST_F(StartScreenTest, TheProgramsPermissionsChooseInstallOrUninstall) {
    open();
    EXPECT_TRUE(form->installMode());
    EXPECT_EQ(find("installImage")->toolTip(), Q("Εγκατάσταση στο δίσκο"));
    form.reset();
    program.write("orvan", "x");
    ::chmod(program.file("orvan").c_str(), 0555);
    open();
    EXPECT_TRUE(form->installMode());
    form.reset();
    ::chmod(program.file("orvan").c_str(), 0755);
    open();
    EXPECT_FALSE(form->installMode());
    EXPECT_EQ(find("installImage")->toolTip(), Q("Απεγκατάσταση από το δίσκο"));
}

TEST_F(StartScreenTest, ThePartnersPagesShowTheirSlidesAndText) {
    allContent();
    open(Presentation::Partner, setup::kDivisionPage);
    EXPECT_EQ(find<QPushButton>("closeButton")->text(), Q("Επιστροφή"));
    EXPECT_EQ(find("partnerTitle")->text(), "Velmora");
    EXPECT_TRUE(find("partnerTitle")->isVisible());
    EXPECT_FALSE(find("isbnImage")->isVisible());
    EXPECT_EQ(find("presentationImage")->x(), 480);
    EXPECT_TRUE(find("presentationImage")->hasScaledContents());
    EXPECT_EQ(find<richtext::RichTextView>("partnerText")->geometry(), QRect(40, 104, 420, 285));
    EXPECT_EQ(text(), "Velmora page");
    EXPECT_TRUE(find<QTimer>("slideTimer")->isActive());
    EXPECT_EQ(find<QTimer>("slideTimer")->interval(), 5000);

    std::string digits = std::to_string(form->presentation().slide());
    for (int tick = 0; tick < 7; ++tick) {
        form->showNextSlide();
        digits += std::to_string(form->presentation().slide());
        EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(form->presentation().slide())));
    }
    EXPECT_EQ(digits, "12345612");

    click(find("companyLogo"));
    EXPECT_EQ(find("partnerTitle")->text(), "Calder");
    EXPECT_EQ(text(), "Calder page");
    digits = std::to_string(form->presentation().slide());
    for (int tick = 0; tick < 4; ++tick) {
        form->showNextSlide();
        digits += std::to_string(form->presentation().slide());
    }
    EXPECT_EQ(digits, "78978");
    // Back on the division's page the slides start again at the first.
    click(find("divisionLogo"));
    EXPECT_EQ(form->presentation().slide(), 1);
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(1)));
}

TEST_F(StartScreenTest, AMissingOrDamagedSlideKeepsThePictureForAnotherPeriod) {
    allContent();
    QFile::remove(content("02.jpg"));
    QFile damaged(content("03.jpg"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.resize(damaged.size() / 2);
    damaged.close();
    open(Presentation::Partner, setup::kDivisionPage);
    form->showNextSlide();
    EXPECT_EQ(form->presentation().slide(), 2);
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(1)));
    form->showNextSlide();
    EXPECT_EQ(form->presentation().slide(), 3);
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(1)));
    form->showNextSlide();
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(4)));
}

TEST_F(StartScreenTest, WithoutContentAPartnersPageShowsItsTitleAndAnEmptyPage) {
    open(Presentation::Partner, setup::kCompanyPage);
    EXPECT_EQ(find("partnerTitle")->text(), "Calder");
    EXPECT_TRUE(find<richtext::RichTextView>("partnerText")->isVisible());
    EXPECT_EQ(text(), "");
    form->showNextSlide();
    EXPECT_EQ(form->presentation().slide(), 8);
}

TEST_F(StartScreenTest, ThePublishersTitlesSelectOneAtATime) {
    allContent();
    open(Presentation::Publisher);
    EXPECT_EQ(find("publisherTitle")->text(), Q("Τίτλοι"));
    for (int tag = 1; tag <= 7; ++tag)
        EXPECT_TRUE(menu(tag)->isVisible()) << tag;
    EXPECT_EQ(menu(7)->height(), 49);
    EXPECT_FALSE(find<QTimer>("slideTimer")->isActive());
    EXPECT_EQ(find("presentationImage")->x(), 495);
    EXPECT_EQ(find<richtext::RichTextView>("partnerText")->geometry(), QRect(208, 84, 282, 321));
    EXPECT_EQ(form->presentation().menuSelection(), 1);
    EXPECT_TRUE(near(shown(menu(1)), ColourOf(201)));
    EXPECT_EQ(text(), "page 1");
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(301)));

    click(menu(3));
    EXPECT_EQ(form->presentation().menuSelection(), 3);
    EXPECT_TRUE(near(shown(menu(3)), ColourOf(203)));
    EXPECT_TRUE(near(shown(menu(1)), ColourOf(101)));
    EXPECT_EQ(text(), "page 3");
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(303)));

    // A second click on the selected title reads nothing again.
    page("korv3.rtf", "changed");
    click(menu(3));
    EXPECT_EQ(text(), "page 3");

    // A title whose picture is missing ends there: its page is read, the selection stays.
    QFile::remove(content("korv5.bmp"));
    click(menu(5));
    EXPECT_EQ(form->presentation().menuSelection(), 3);
    EXPECT_EQ(text(), "page 5");
    EXPECT_TRUE(near(shown(find("presentationImage")), ColourOf(303)));
}

TEST_F(StartScreenTest, TheDictionaryDetailsOpenWideBesideTheSmallCover) {
    allContent();
    open(Presentation::Partner, setup::kDivisionPage);
    click(find("lexiconLabel"));
    EXPECT_EQ(find("publisherTitle")->text(), Q("Στοιχεία Λεξικού"));
    EXPECT_FALSE(find<QTimer>("slideTimer")->isActive());
    EXPECT_FALSE(find("presentationImage")->isVisible());
    EXPECT_FALSE(find("partnerTitle")->isVisible());
    EXPECT_TRUE(find("publisherPicture")->isVisible());
    EXPECT_FALSE(menu(1)->isVisible());
    for (int tag = 11; tag <= 15; ++tag)
        EXPECT_TRUE(menu(tag)->isVisible()) << tag;
    EXPECT_EQ(find<richtext::RichTextView>("partnerText")->geometry(), QRect(208, 84, 530, 324));
    EXPECT_EQ(form->presentation().menuSelection(), 11);
    EXPECT_EQ(text(), "page 11");
    click(menu(14));
    EXPECT_EQ(form->presentation().menuSelection(), 14);
    EXPECT_TRUE(near(shown(menu(11)), ColourOf(111)));
    EXPECT_TRUE(near(shown(menu(14)), ColourOf(214)));
    EXPECT_EQ(text(), "page 14");

    // Then the publisher's titles: the details' selection is not theirs to restore.
    click(find("publisherLogo"));
    EXPECT_EQ(form->presentation().menuSelection(), 1);
    EXPECT_FALSE(menu(14)->isVisible());
    EXPECT_TRUE(find("presentationImage")->isVisible());
}

TEST_F(StartScreenTest, AMissingDetailsMenuPictureEndsTheDetailsThere) {
    allContent();
    QFile::remove(content("menu13.bmp"));
    open();
    click(find("lexiconLabel"));
    EXPECT_TRUE(menu(11)->isVisible());
    EXPECT_FALSE(find<richtext::RichTextView>("partnerText")->isVisible());
    EXPECT_EQ(form->presentation().menuSelection(), 0);
}

TEST_F(StartScreenTest, TheCheckBoxSwitchesThePresentationOffAndOnAgain) {
    open();
    find<QCheckBox>("hideCheckBox")->setChecked(true);
    find<QPushButton>("closeButton")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "NO\r\n/home/ann/Orvan\r\n");

    open(Presentation::Publisher);
    EXPECT_EQ(find<QCheckBox>("hideCheckBox")->text(), Q("Ενεργοποίηση παρουσίασης"));
    EXPECT_FALSE(find<QCheckBox>("hideCheckBox")->isChecked());
    find<QCheckBox>("hideCheckBox")->setChecked(true);
    find<QPushButton>("closeButton")->click();
    EXPECT_TRUE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "YES\r\n/home/ann/Orvan\r\n");

    // Unticked, the button writes nothing.
    config.write("Orvan.ini", "other\r\n");
    open();
    find<QPushButton>("closeButton")->click();
    EXPECT_EQ(config.read("Orvan.ini"), "other\r\n");
    EXPECT_TRUE(context.showStartScreen);
}

TEST_F(StartScreenTest, WithoutASettingsFileTheCheckBoxWritesNo) {
    std::filesystem::remove(context.settingsPath);
    open();
    find<QCheckBox>("hideCheckBox")->setChecked(true);
    find<QPushButton>("closeButton")->click();
    EXPECT_FALSE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "NO\r\n");
}

TEST_F(StartScreenTest, ClosingTheWindowStopsTheSlides) {
    allContent();
    open(Presentation::Partner, setup::kDivisionPage);
    form->close();
    EXPECT_FALSE(find<QTimer>("slideTimer")->isActive());
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
