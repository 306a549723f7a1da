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
        context.startFolder = program.Path() + "/";
        QDir(QString::fromStdString(program.Path())).mkpath("content");
        for (int tag : {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15}) {
            for (const char* look : {"", "c"}) {
                QImage strip(201, 25, QImage::Format_RGB32);
                strip.fill(Qt::darkBlue);
                strip.save(Content(QString("menu%1%2.bmp").arg(tag).arg(look)), "BMP");
            }
            program.Write("content/korv" + std::to_string(tag) + ".rtf", "{\\rtf1 page}");
        }
        for (int tag = 1; tag <= 7; ++tag) {
            QImage cover(20, 10, QImage::Format_RGB32);
            cover.fill(Qt::gray);
            cover.save(Content(QString("korv%1.bmp").arg(tag)), "BMP");
        }
    }
    ~StartScreenKeyboardTest() override { form.reset(); }

    QString Content(const QString& name) const {
        return QString::fromStdString(program.Path()) + "/content/" + name;
    }
    void Open(Presentation presentation) {
        form = std::make_unique<StartScreen>(context, presentation, 0);
        form->setOpeningDuration(0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QLabel* Find(const char* name) const {
        QLabel* found = form->findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void Press(QWidget* control, Qt::Key key) {
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
        QTest::keyClick(control, key);
    }
    /// The labels that take clicks: they show the hand cursor.
    std::vector<QLabel*> Clickable() const {
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
    Open(Presentation::Publisher);
    const std::vector<QLabel*> clickable = Clickable();
    // Three logos, seven title and five details pictures, the details label, the install picture.
    ASSERT_EQ(clickable.size(), 17u);
    std::set<QWidget*> visited;
    for (int press = 0; press < 30; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
    }
    for (QLabel* label : clickable) {
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
        EXPECT_EQ(Find(decoration)->focusPolicy(), Qt::NoFocus) << decoration;
        EXPECT_FALSE(visited.count(Find(decoration))) << decoration;
    }
}

TEST_F(StartScreenKeyboardTest, EnterReturnAndSpaceRunTheClickAndLeaveTheWindowOpen) {
    Open(Presentation::None);
    Press(Find("companyLogo"), Qt::Key_Space);
    EXPECT_EQ(form->presentation().partnerPage(), setup::kCompanyPage);
    EXPECT_EQ(Find("partnerTitle")->text(), "Calder");
    Press(Find("divisionLogo"), Qt::Key_Return);
    EXPECT_EQ(Find("partnerTitle")->text(), "Velmora");
    Press(Find("lexiconLabel"), Qt::Key_Enter);
    EXPECT_EQ(Find("publisherTitle")->text(), QString::fromUtf8("Στοιχεία Λεξικού"));
    EXPECT_EQ(form->presentation().menuSelection(), 11);
    Press(Find("menuImage13"), Qt::Key_Return);
    EXPECT_EQ(form->presentation().menuSelection(), 13);
    Press(Find("publisherLogo"), Qt::Key_Space);
    EXPECT_EQ(form->presentation().menuSelection(), 1);
    // The keys ran the pictures, not the default button, which closes the window.
    EXPECT_TRUE(form->isVisible());
    // A held key runs a picture once.
    Find("menuImage3")->setFocus(Qt::TabFocusReason);
    QTest::keyPress(Find("menuImage3"), Qt::Key_Space);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(Find("menuImage2"), &repeat);
    EXPECT_EQ(form->presentation().menuSelection(), 3);
}

TEST_F(StartScreenKeyboardTest, AFocusedPictureIsFramed) {
    Open(Presentation::None);
    QLabel* install = Find("installImage");
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
    Open(Presentation::None);
    EXPECT_EQ(Find("installImage")->accessibleName(), QString::fromUtf8("Εγκατάσταση στο δίσκο"));
    form.reset();
    // An installed copy: the program may be written, the picture uninstalls.
    program.Write("orvan", "x");
    ::chmod(program.File("orvan").c_str(), 0755);
    Open(Presentation::None);
    EXPECT_EQ(Find("installImage")->accessibleName(),
              QString::fromUtf8("Απεγκατάσταση από το δίσκο"));
}

}  // namespace
}  // namespace orvan::test
