// Qt's own texts in Greek: in real message boxes, text-field menus, the file dialog and the print
// dialogs, and Qt's own Greek translation answering first where a system has one.
#include "platform/interface_language.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtEndian>

#include <memory>
#include <ostream>
#include <set>
#include <string>

// Failures show the texts themselves.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvan::platform {
namespace {

QString Tr(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

// The texts a person sees in `window`: labels, buttons, group and tab titles, actions.
QStringList ShownTexts(const QWidget& window) {
    QStringList texts;
    for (auto* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (auto* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    for (auto* group : window.findChildren<QGroupBox*>())
        texts << group->title();
    for (auto* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    for (auto* action : window.findChildren<QAction*>())
        texts << action->text();
    return texts;
}

// Texts with a Latin letter and no Greek one. "OK" stays "OK", as on Greek Windows.
QStringList LeftInEnglish(const QStringList& texts) {
    static const QRegularExpression latin("[A-Za-z]"), greek("[\u0370-\u03ff]");
    QStringList english;
    for (const QString& text : texts)
        if (text != "OK" && text.contains(latin) && !text.contains(greek)) english << text;
    return english;
}

// Buttons and field labels whose Alt letter an earlier one in `window` already has.
QStringList MnemonicClashes(const QWidget& window) {
    QStringList owners;
    for (auto* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window)) owners << button->text();
    for (auto* label : window.findChildren<QLabel*>())
        if (label->buddy() && label->isVisibleTo(&window)) owners << label->text();
    std::set<QString> seen;
    QStringList clashes;
    for (const QString& text : owners) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty() && !seen.insert(key).second) clashes << text;
    }
    return clashes;
}

// Each test installs the Greek texts and takes away, at its end, the translators it installed.
class GreekQtTexts : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The file dialog keeps its settings in the user's configuration folder.
        home_ = std::make_unique<QTemporaryDir>();
        qputenv("HOME", home_->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_->path() + "/.config").toUtf8());
    }
    void SetUp() override {
        before_ = qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
        InstallGreekQtTexts(*qApp, folder_.path());
    }
    void TearDown() override {
        for (auto* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
            if (!before_.contains(translator)) delete translator;
    }

    inline static std::unique_ptr<QTemporaryDir> home_;
    QTemporaryDir folder_;  // Qt's translations folder, empty unless a test writes into it
    QList<QTranslator*> before_;
};

TEST_F(GreekQtTexts, MessageBoxesAndTextMenusSpeakGreek) {
    QMessageBox box(QMessageBox::Question, "Orvan", "?", QMessageBox::Yes | QMessageBox::No);
    box.setDetailedText("details");
    box.show();
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ναι");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "Ό&χι");
    EXPECT_TRUE(ShownTexts(box).contains("Εμφάνιση λεπτομερειών..."));

    // Every standard button at once: Greek, and no two on the same Alt letter.
    QMessageBox all(QMessageBox::Warning, "Orvan", "!", QMessageBox::StandardButtons(0x07fffc00));
    EXPECT_EQ(LeftInEnglish(ShownTexts(all)), QStringList{});
    EXPECT_EQ(MnemonicClashes(all), QStringList{});

    QLineEdit field("lever arm");
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    EXPECT_EQ(ShownTexts(*menu).filter("Αντι&γραφή").size(), 1);  // with its shortcut
    EXPECT_EQ(LeftInEnglish(ShownTexts(*menu)), QStringList{});
}

TEST_F(GreekQtTexts, FilesAndFoldersSpeakGreek) {
    QFileSystemModel model;
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Όνομα");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Ημερομηνία τροποποίησης");
    EXPECT_EQ(model.myComputer().toString(), "Υπολογιστής");
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(folder_.path())), "Φάκελος");

    QFileDialog dialog(nullptr, QString(), folder_.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Αποθήκευση ως");
    EXPECT_EQ(LeftInEnglish(ShownTexts(dialog)), QStringList{});
    EXPECT_EQ(MnemonicClashes(dialog), QStringList{});
}

TEST_F(GreekQtTexts, PrintDialogsSpeakGreek) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);  // no printer of this machine's in the dialog
    QPrintDialog dialog(&printer);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Εκτύπωση");
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->text().startsWith("&Επιλογές")) button->click();  // the options, too
    EXPECT_EQ(LeftInEnglish(ShownTexts(dialog)), QStringList{});
    EXPECT_EQ(MnemonicClashes(dialog), QStringList{});

    // The printer's properties: the page setup and, where CUPS is, the job options.
    QStringList properties;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            properties = ShownTexts(*shown) << shown->windowTitle();
            shown->close();
        }
    });
    poll.start(10);
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->objectName() == "properties") button->click();
    poll.stop();
    EXPECT_TRUE(properties.contains("Ιδιότητες εκτυπωτή"));
    EXPECT_EQ(LeftInEnglish(properties), QStringList{});

    QPrintPreviewDialog preview(&printer);
    EXPECT_EQ(preview.windowTitle(), "Προεπισκόπηση εκτύπωσης");
    EXPECT_EQ(LeftInEnglish(ShownTexts(preview)), QStringList{});
}

TEST_F(GreekQtTexts, UnknownTextsAreLeftToQt) {
    QTranslator texts;
    ASSERT_TRUE(LoadProgramTranslation(texts, "qtbase_el"));
    EXPECT_TRUE(texts.translate("QPlatformTheme", "Frobnicate").isNull());
    EXPECT_TRUE(texts.translate("QNoSuchWidget", "Cancel").isNull());  // known text, other context
    EXPECT_TRUE(texts.translate("QPlatformTheme", "Cancel ").isNull());
    EXPECT_EQ(Tr("QPlatformTheme", "Frobnicate"), "Frobnicate");
    // A disambiguation Qt gives finds the text without one.
    EXPECT_EQ(texts.translate("QFileSystemModel", "Type", "All other platforms"), "Τύπος");
}

// A translation file as Qt's own are made, holding one text.
QByteArray QmFileWith(const char* context, const char* source, const QString& translation) {
    auto append32 = [](QByteArray& to, quint32 value) {
        const quint32 big = qToBigEndian(value);
        to.append(reinterpret_cast<const char*>(&big), 4);
    };
    quint32 hash = 0;  // the ELF hash Qt files messages under
    for (const char* c = source; *c; ++c) {
        hash = (hash << 4) + static_cast<uchar>(*c);
        const quint32 high = hash & 0xf0000000;
        if (high) hash ^= high >> 24;
        hash &= ~high;
    }
    QByteArray message("\x03", 1);
    append32(message, translation.size() * 2);
    for (QChar c : translation)
        message.append(char(c.unicode() >> 8)).append(char(c.unicode()));
    message.append('\x06'), append32(message, qstrlen(source)), message.append(source);
    message.append('\x07'), append32(message, qstrlen(context)), message.append(context);
    message.append('\x01');
    QByteArray hashes;
    append32(hashes, hash ? hash : 1), append32(hashes, 0);
    QByteArray file("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd", 16);
    file.append('\x42'), append32(file, hashes.size()), file.append(hashes);
    file.append('\x69'), append32(file, message.size()), file.append(message);
    return file;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(GreekQtTexts, QtsOwnGreekAnswersFirstWhereItHasAText) {
    TearDown();  // start again, with Qt's translations folder filled in

    // Only qtbase.qm, which is no Greek: not taken.
    Write(folder_.filePath("qtbase.qm"), QmFileWith("QPlatformTheme", "&Yes", "&Sí"));
    InstallGreekQtTexts(*qApp, folder_.path());
    EXPECT_EQ(Tr("QPlatformTheme", "&Yes"), "&Ναι");
    TearDown();

    Write(folder_.filePath("qtbase_el.qm"), QmFileWith("QPlatformTheme", "&Yes", "Ν&αι, Qt"));
    InstallGreekQtTexts(*qApp, folder_.path());
    EXPECT_EQ(Tr("QPlatformTheme", "&Yes"), "Ν&αι, Qt");
    EXPECT_EQ(Tr("QPlatformTheme", "&No"), "Ό&χι");
}

// Greek letters with a tonos or dialytika: Alt with one of them cannot be typed in one stroke.
bool IsAccented(QChar c) {
    return !c.decomposition().isEmpty() || QStringLiteral("ΆΈΉΊΌΎΏΪΫάέήίόύώϊϋΐΰ").contains(c);
}

std::multiset<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder("%\\d");
    std::multiset<QString> found;
    for (const auto& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

struct StandardText {
    std::string context, source, greek;
    bool finished = true;
};

// Every message of translations/qtbase_el.ts.
std::vector<StandardText> GreekQtTextTable() {
    QFile file(ORVAN_SOURCE_DIR "/translations/qtbase_el.ts");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<StandardText> texts;
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText().toStdString();
        if (xml.name() == u"message") texts.push_back({context, {}, {}});
        if (xml.name() == u"source") texts.back().source = xml.readElementText().toStdString();
        if (xml.name() == u"translation") {
            texts.back().finished = xml.attributes().value("type").isEmpty();
            texts.back().greek = xml.readElementText().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

TEST(GreekQtTextTable, EveryTextIsQtsOwnAndKeepsMnemonicAndPlaceholders) {
    QByteArray qtLibraries;
    const QString folder = QLibraryInfo::path(QLibraryInfo::LibrariesPath);
    for (const char* name : {"Gui", "Widgets", "PrintSupport"}) {
        QFile library(QString("%1/libQt6%2.so.6").arg(folder, name));
        if (library.open(QIODevice::ReadOnly)) qtLibraries += library.readAll();
    }
    const std::vector<StandardText> table = GreekQtTextTable();
    QTranslator compiled;
    ASSERT_TRUE(LoadProgramTranslation(compiled, "qtbase_el"));
    EXPECT_GT(table.size(), 200u);
    std::set<std::pair<std::string, std::string>> keys;
    for (const StandardText& text : table) {
        SCOPED_TRACE(text.context + " / " + text.source);
        EXPECT_TRUE(text.finished);
        EXPECT_TRUE(keys.insert({text.context, text.source}).second) << "twice in the table";
        if (!qtLibraries.isEmpty()) {
            EXPECT_TRUE(qtLibraries.contains(QByteArray::fromStdString(text.context) + '\0'));
            EXPECT_TRUE(qtLibraries.contains(QByteArray::fromStdString(text.source) + '\0'));
        }
        const QString source = QString::fromStdString(text.source);
        const QString greek = QString::fromStdString(text.greek);
        EXPECT_NE(greek, source);
        EXPECT_EQ(greek.count('&'), source.count('&')) << text.greek;
        const qsizetype mark = greek.indexOf('&');
        if (mark >= 0) {
            ASSERT_LT(mark + 1, greek.size());
            EXPECT_FALSE(IsAccented(greek[mark + 1])) << text.greek;
        }
        EXPECT_EQ(Placeholders(greek), Placeholders(source)) << text.greek;
        // The compiled translation answers with the same Greek.
        EXPECT_EQ(compiled.translate(text.context.c_str(), text.source.c_str()), greek);
    }
}

}  // namespace
}  // namespace orvan::platform
