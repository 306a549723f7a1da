// The start screen from the keyboard: its logos, menu pictures, details label and install
// picture are named by their hints, visited by Tab, and run by Enter, Return or Space as by a
// click; its decorations take no focus.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <set>

#include "setup/start_screen.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

using setup::Presentation;
using setup::StartScreen;

class StartScreenKeyboardTest : public ::testing::Test {
  protected:
    StartScreenKeyboardTest() {
        context.startFolder = program.path() + "/";
        QDir(QString::fromStdString(program.path())).mkpath("content");
        for (int tag : {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15}) {
            for (const char* look : {"", "c"}) {
                QImage strip(201, 25, QImage::Format_RGB32);
                strip.fill(Qt::darkBlue);
                strip.save(content(QString("menu%1%2.bmp").arg(tag).arg(look)), "BMP");
            }
            program.write("content/korv" + std::to_string(tag) + ".rtf", "{\\rtf1 page}");
        }
        for (int tag = 1; tag <= 7; ++tag) {
            QImage cover(20, 10, QImage::Format_RGB32);
            cover.fill(Qt::gray);
            cover.save(content(QString("korv%1.bmp").arg(tag)), "BMP");
        }
    }
    ~StartScreenKeyboardTest() override { form.reset(); }

    QString content(const QString& name) const {
        return QString::fromStdString(program.path()) + "/content/" + name;
    }
    void open(Presentation presentation) {
        form = std::make_unique<StartScreen>(context, presentation, 0);
        form->setOpeningDuration(0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QLabel* find(const char* name) const {
        QLabel* found = form->findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void press(QWidget* control, Qt::Key key) {
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
        QTest::keyClick(control, key);
    }
    /// The labels that take clicks: they show the hand cursor.
    std::vector<QLabel*> clickable() const {
        std::vector<QLabel*> labels;
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (label->testAttribute(Qt::WA_SetCursor) &&
                label->cursor().shape() == Qt::PointingHandCursor) {
                labels.push_back(label);
            }
        }
        return labels;
    }

    TempFolder program;
    setup::StartScreenContext context;
    std::unique_ptr<StartScreen> form;
};

TEST_F(StartScreenKeyboardTest, EveryClickablePictureIsNamedByItsHintAndVisitedByTab) {
    open(Presentation::Publisher);
    const std::vector<QLabel*> pictures = clickable();
    // Three logos, seven title and five details pictures, the details label, the install picture.
    ASSERT_EQ(pictures.size(), 17u);
    std::set<QWidget*> visited;
    for (int press = 0; press < 30; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
    }
    for (QLabel* label : pictures) {
        const std::string name = label->objectName().toStdString();
        EXPECT_FALSE(label->toolTip().isEmpty()) << name;
        EXPECT_EQ(label->accessibleName(), label->toolTip()) << name;
        EXPECT_EQ(label->focusPolicy(), Qt::TabFocus) << name;
        if (label->isVisible()) {
            EXPECT_TRUE(visited.count(label)) << name << " not visited by Tab";
        }
    }
    for (const char* decoration :
         {"coverImage", "coverRuleImage", "presentationImage", "isbnImage", "publisherPicture"}) {
        EXPECT_EQ(find(decoration)->focusPolicy(), Qt::NoFocus) << decoration;
        EXPECT_FALSE(visited.count(find(decoration))) << decoration;
    }
}

TEST_F(StartScreenKeyboardTest, EnterReturnAndSpaceRunTheClickAndLeaveTheWindowOpen) {
    open(Presentation::None);
    press(find("companyLogo"), Qt::Key_Space);
    EXPECT_EQ(form->presentation().partnerPage(), setup::kCompanyPage);
    EXPECT_EQ(find("partnerTitle")->text(), "Calder");
    press(find("divisionLogo"), Qt::Key_Return);
    EXPECT_EQ(find("partnerTitle")->text(), "Velmora");
    press(find("lexiconLabel"), Qt::Key_Enter);
    EXPECT_EQ(find("publisherTitle")->text(), QString::fromUtf8("Στοιχεία Λεξικού"));
    EXPECT_EQ(form->presentation().menuSelection(), 11);
    press(find("menuImage13"), Qt::Key_Return);
    EXPECT_EQ(form->presentation().menuSelection(), 13);
    press(find("publisherLogo"), Qt::Key_Space);
    EXPECT_EQ(form->presentation().menuSelection(), 1);
    // The keys ran the pictures, not the default button, which closes the window.
    EXPECT_TRUE(form->isVisible());
    // A held key runs a picture once.
    find("menuImage3")->setFocus(Qt::TabFocusReason);
    QTest::keyPress(find("menuImage3"), Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(find("menuImage2"), &repeat);
    EXPECT_EQ(form->presentation().menuSelection(), 3);
}

TEST_F(StartScreenKeyboardTest, AFocusedPictureIsFramed) {
    open(Presentation::None);
    QLabel* install = find("installImage");
    const QColor frame = install->palette().color(QPalette::Highlight);
    const auto edge = [install] {
        const QImage shown = install->grab().toImage();
        return shown.pixelColor(1, shown.height() / 2);
    };
    EXPECT_NE(edge(), frame);
    install->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edge(), frame);
}

TEST_F(StartScreenKeyboardTest, TheInstallPicturesNameFollowsItsHint) {
    open(Presentation::None);
    EXPECT_EQ(find("installImage")->accessibleName(), QString::fromUtf8("Εγκατάσταση στο δίσκο"));
    form.reset();
    // An installed copy: the program may be written, the picture uninstalls.
    program.write("orvan", "x");
    ::chmod(program.file("orvan").c_str(), 0755);
    open(Presentation::None);
    EXPECT_EQ(find("installImage")->accessibleName(),
              QString::fromUtf8("Απεγκατάσταση από το δίσκο"));
}

}  // namespace
}  // namespace orvan::test
