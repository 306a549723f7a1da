// The lookup window and its dialogs look as they were laid out: each is drawn at its size and
// compared with the picture kept in tests/data/screens. Run with ORVAN_RECORD_SCREENS=1 to write
// the pictures afresh (after a change of look the user is meant to see).
//
// Two drawings count as equal when at most kMostDiffering pixels differ by more than
// kChannelTolerance in a colour channel: enough for a text cursor that blinks, a focus frame
// or a glyph drawn a shade differently, too little for a control moved or resized.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "lookup/criteria_search_dialog.h"
#include "lookup/full_text_question_dialog.h"
#include "personal/entry_editor_dialog.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

constexpr int kChannelTolerance = 32;
constexpr int kMostDiffering = 300;

QString KeptPath(const char* name) {
    return QStringLiteral(ORVAN_SCREENS_DIR "/%1.png").arg(QString::fromLatin1(name));
}

/// How many pixels of `a` and `b` (of one size) differ by more than the tolerance.
int DifferingPixels(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (std::abs(qRed(l[x]) - qRed(r[x])) > kChannelTolerance ||
                std::abs(qGreen(l[x]) - qGreen(r[x])) > kChannelTolerance ||
                std::abs(qBlue(l[x]) - qBlue(r[x])) > kChannelTolerance) {
                ++differing;
            }
        }
    }
    return differing;
}

/// Compares `widget` as drawn now with its kept picture `name` (or keeps it, when recording).
/// A drawing that differs is written beside the test for a look.
void ExpectLooksAsKept(QWidget* widget, const char* name) {
    QApplication::processEvents();
    const QImage drawn = widget->grab().toImage();
    const QString kept = KeptPath(name);
    if (qEnvironmentVariableIsSet("ORVAN_RECORD_SCREENS")) {
        QDir().mkpath(QStringLiteral(ORVAN_SCREENS_DIR));
        ASSERT_TRUE(drawn.save(kept)) << kept.toStdString();
        return;
    }
    const QImage expected(kept);
    ASSERT_FALSE(expected.isNull()) << "no kept picture " << kept.toStdString();
    const QString seen = QDir::temp().filePath(QString::fromLatin1(name) + "-seen.png");
    if (drawn.size() != expected.size()) {
        drawn.save(seen);
        FAIL() << name << ": drawn at " << drawn.width() << "x" << drawn.height() << ", kept at "
               << expected.width() << "x" << expected.height() << " (see " << seen.toStdString()
               << ")";
    }
    const int differing = DifferingPixels(drawn, expected);
    ::testing::Test::RecordProperty(std::string(name) + "-differing", differing);
    if (differing > kMostDiffering) drawn.save(seen);
    EXPECT_LE(differing, kMostDiffering) << name << " (see " << seen.toStdString() << ")";
}

class ScreensTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{\\b engine} motor, a machine", 1, "MECH");
        lexicon.addGreek(engine, Cp("μηχανή"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        for (int i = 0; i < 30; ++i)
            lexicon.addEntry("word" + std::to_string(i));
        open();
        search("engine");
        clickRow(0);
    }

    /// Shows `dialog` beside the window, compares it with its picture, and closes it.
    void expectDialogLooksAsKept(QDialog* dialog, const char* name) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        ExpectLooksAsKept(dialog, name);
        dialog->close();
    }
};

TEST_F(ScreensTest, TheWindowLooksAsLaidOutAtItsFirstSizeAndGrowsByItsRules) {
    ASSERT_EQ(window->size(), QSize(lookup::kFirstWidth, lookup::kFirstHeight));
    ExpectLooksAsKept(window.get(), "lookup-window");
    window->resize(800, 500);
    ExpectLooksAsKept(window.get(), "lookup-window-800x500");
}

TEST_F(ScreensTest, AControlTwoPixelsOffItsPlaceIsSeen) {
    const QImage kept(KeptPath("lookup-window"));
    ASSERT_FALSE(kept.isNull());
    c().modifyEntryButton->move(c().modifyEntryButton->pos() + QPoint(2, 0));
    EXPECT_GT(DifferingPixels(window->grab().toImage(), kept), kMostDiffering);
    c().modifyEntryButton->move(c().modifyEntryButton->pos() - QPoint(2, 0));
    EXPECT_LE(DifferingPixels(window->grab().toImage(), kept), kMostDiffering);
}

TEST_F(ScreensTest, TheDialogsLookAsLaidOut) {
    lookup::CriteriaSearchDialog criteria(window.get());
    expectDialogLooksAsKept(&criteria, "criteria-search-dialog");
    lookup::FullTextQuestionDialog question(window.get());
    expectDialogLooksAsKept(&question, "full-text-question-dialog");
    personal::PendingEntry entry{"engine", "", 1, "my note\r\non two lines"};
    personal::EntryEditorDialog editor(personal::EntryEditMode::Update, EntryKind::Personal,
                                       {" ", Q("Μηχανολογία")}, entry, {}, window.get());
    expectDialogLooksAsKept(&editor, "entry-editor-dialog");
}

}  // namespace
}  // namespace orvan::test
