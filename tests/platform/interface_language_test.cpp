// Which language the interface speaks, where the person's choice is kept, and the right-click menu
// that changes it.
#include "platform/interface_language.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace orvan::platform {
namespace {

TEST(InterfaceLanguage, GreekOnAGreekDesktopOrWhenChosenEnglishOtherwise) {
    const QLocale greek(QLocale::Greek, QLocale::Greece), cypriot(QLocale::Greek, QLocale::Cyprus);
    const QLocale german(QLocale::German), english(QLocale::English);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::Desktop, greek), InterfaceLanguage::Greek);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::Desktop, cypriot), InterfaceLanguage::Greek);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::Desktop, german), InterfaceLanguage::English);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::Greek, english), InterfaceLanguage::Greek);
    EXPECT_EQ(ResolveLanguage(LanguageChoice::English, greek), InterfaceLanguage::English);

    EXPECT_EQ(ParseLanguageChoice(" EN "), LanguageChoice::English);
    for (const char* word : {"", "gr", "greek", "e", "en_GB"})
        EXPECT_EQ(ParseLanguageChoice(word), std::nullopt) << word;
    for (auto choice : {LanguageChoice::Desktop, LanguageChoice::Greek, LanguageChoice::English})
        EXPECT_EQ(ParseLanguageChoice(LanguageChoiceKey(choice)), choice);
}

class LanguageChoiceTest : public ::testing::Test {
  protected:
    LanguageChoiceTest() : previous_(qgetenv("ORVAN_LANGUAGE")) { qunsetenv("ORVAN_LANGUAGE"); }
    ~LanguageChoiceTest() override { qputenv("ORVAN_LANGUAGE", previous_); }

    QTemporaryDir folder_;
    const QString settings_ = folder_.filePath("config/Orvan/interface.ini");

  private:
    QByteArray previous_;
};

TEST_F(LanguageChoiceTest, CommandLineThenEnvironmentThenStoredChoice) {
    EXPECT_EQ(StoredLanguageChoice(settings_), LanguageChoice::Desktop);  // no file yet
    ASSERT_TRUE(StoreLanguageChoice(settings_, LanguageChoice::Greek));   // makes its folder
    EXPECT_EQ(StoredLanguageChoice(settings_), LanguageChoice::Greek);
    EXPECT_EQ(ChosenLanguage({"orvan"}, settings_), LanguageChoice::Greek);

    qputenv("ORVAN_LANGUAGE", "en");
    EXPECT_EQ(ChosenLanguage({"orvan"}, settings_), LanguageChoice::English);
    EXPECT_EQ(ChosenLanguage({"orvan", "--language=desktop"}, settings_), LanguageChoice::Desktop);
    // A word that is no choice is passed over, to the next source.
    EXPECT_EQ(ChosenLanguage({"orvan", "--language=fr"}, settings_), LanguageChoice::English);
    qputenv("ORVAN_LANGUAGE", "klingon");
    EXPECT_EQ(ChosenLanguage({"orvan"}, settings_), LanguageChoice::Greek);
}

TEST_F(LanguageChoiceTest, ADamagedOrUnwritableSettingsFileLeavesTheDesktopsLanguage) {
    ASSERT_TRUE(StoreLanguageChoice(settings_, LanguageChoice::English));
    QFile file(settings_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[interface]\nlanguage=\xff\xfe\x00zz\n", 25);
    file.close();
    EXPECT_EQ(StoredLanguageChoice(settings_), LanguageChoice::Desktop);

    // Its folder cannot be made: a file stands where it would be.
    QFile blocker(folder_.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = folder_.filePath("blocked/Orvan/interface.ini");
    EXPECT_FALSE(StoreLanguageChoice(unwritable, LanguageChoice::Greek));
    EXPECT_EQ(StoredLanguageChoice(unwritable), LanguageChoice::Desktop);
}

TEST_F(LanguageChoiceTest, TheMenuStoresTheChoiceAndSaysWhenItTakesEffect) {
    QPushButton help("?");
    OfferLanguageChoice(&help, settings_);
    EXPECT_EQ(help.contextMenuPolicy(), Qt::CustomContextMenu);
    auto* menu = help.findChild<QMenu*>("languageMenu");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);

    QStringList told;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told << box->text();
            box->accept();
        }
    });
    answer.start(10);
    menu->actions()[1]->trigger();  // English
    EXPECT_EQ(StoredLanguageChoice(settings_), LanguageChoice::English);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QString::fromUtf8("Το Orvan θα εμφανιστεί")));

    menu->actions()[1]->trigger();  // the same again: nothing to say
    EXPECT_EQ(told.size(), 1);

    emit help.customContextMenuRequested({1, 1});  // the stored choice checked
    EXPECT_TRUE(menu->actions()[1]->isChecked());
    menu->hide();
    menu->actions()[2]->trigger();  // as the desktop
    EXPECT_EQ(StoredLanguageChoice(settings_), LanguageChoice::Desktop);
    EXPECT_EQ(told.size(), 2);
}

}  // namespace
}  // namespace orvan::platform
