// The print button: the platform's print dialog, sent to its PDF file printer, and the document
// the hidden form's view then holds and prints.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "lexicon/entry_display.h"
#include "lookup/entries_list.h"
#include "lookup/print_surface.h"
#include "richtext/print_job.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

// What a poppler tool says of `pdf`: its text (pdftotext) or its information (pdfinfo).
QString PdfText(const QString& pdf, const QString& tool = "pdftotext") {
    QProcess process;
    QStringList arguments{"-enc", "UTF-8", pdf};
    if (tool == "pdftotext") arguments << "-";
    process.start(tool, arguments);
    if (!process.waitForFinished(20000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{\\b engine} motor", 1, "MECH");
        lexicon.addGreek(engine, Cp("μηχανή"));
        const int lever = lexicon.addEntry("lever", "{a bar}", 1, "");
        lexicon.addGreek(lever, Cp("μοχλός"));
        triangle_ = lexicon.addEntry("triangle", RtfEscaped(Cp("{a shape [Σχήμα 1]}")), 1, "");
        lexicon.addGreek(triangle_, Cp("τρίγωνο"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        open();
    }

    // Presses the print button. The print dialog, when one opens, prints to the PDF file `pdf`,
    // or is cancelled when `pdf` is empty. Returns whether a dialog opened.
    bool print(const QString& pdf) { return printToPdf(pdf); }

    QString printed() const { return window->printSurface().view->plainText(); }
    QString pdfPath(const char* name) const { return QString::fromStdString(home.path()) + name; }

    int triangle_ = 0;
};

TEST_F(PrintTest, WithNoEntryChosenNoDialogOpens) {
    search("e");
    ASSERT_EQ(c().entriesList->selectedRow(), -1);
    int dialogs = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    watch.start(10);
    c().printButton->click();
    QTest::qWait(200);
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(printed(), "");
}

TEST_F(PrintTest, CancellingTheDialogPrintsNothingAndLeavesTheWindow) {
    search("engine");
    clickRow(0);
    const QString shown = c().descriptionView->plainText();
    EXPECT_TRUE(print({}));
    EXPECT_EQ(printed(), "");
    EXPECT_EQ(c().descriptionView->plainText(), shown);
    EXPECT_EQ(c().entriesList->selectedRow(), 0);
}

TEST_F(PrintTest, TheEntryPrintsToThePdfFilePrinterWithTitleLabelsAndDescription) {
    search("engine");
    clickRow(0);
    const QString pdf = pdfPath("/engine.pdf");
    ASSERT_TRUE(print(pdf));
    EXPECT_EQ(printed(), Q(" Orvan \n\n\nΛήμμα: \tengine \n\nΑπόδοση: \tμηχανή \n\n"
                           "Επιστήμη: \tΜηχανολογία \n\nΠεριγραφή: \t   engine motor"));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "no pdftotext";
    const QString text = PdfText(pdf).simplified();
    EXPECT_TRUE(
        text.contains(Q("Λήμμα: engine Απόδοση: μηχανή Επιστήμη: Μηχανολογία "
                        "Περιγραφή: engine motor")))
        << text.toStdString();
    EXPECT_TRUE(PdfText(pdf, "pdfinfo").contains(Q("Title:           Lexicon: engine")));
}

TEST_F(PrintTest, InGreekModeTheGreekHeadwordComesFirstAndAnEmptyFieldStaysLabelled) {
    search(Q("ΜΟΧ"));
    ASSERT_TRUE(window->greekMode());
    clickRow(0);
    const QString pdf = pdfPath("/lever.pdf");
    ASSERT_TRUE(print(pdf));
    EXPECT_EQ(printed(), Q(" Orvan \n\n\nΛήμμα: \tμοχλός \n\nΑπόδοση: \tlever \n\n"
                           "Επιστήμη: \t \n\nΠεριγραφή: \t   a bar"));
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) GTEST_SKIP() << "no pdfinfo";
    // The job always carries the English headword.
    EXPECT_TRUE(PdfText(pdf, "pdfinfo").contains(Q("Title:           Lexicon: lever")));
}

TEST_F(PrintTest, TheFigureALinkOpensIsPrintedAfterTheLinksParagraph) {
    // The start folder is the current one.
    QDir().mkpath("content");
    QPixmap figure(50, 30);
    figure.fill(Qt::darkGreen);
    ASSERT_TRUE(figure.save(QString("content/fig%1%2.bmp").arg(triangle_).arg(1)));
    search("triangle");
    clickRow(0);
    ASSERT_TRUE(print(pdfPath("/triangle.pdf")));
    EXPECT_TRUE(printed().endsWith(Q("a shape [Σχήμα 1]\n") + QChar::ObjectReplacementCharacter))
        << printed().toStdString();
    const QTextBlock last = window->printSurface().view->document()->lastBlock();
    const QTextImageFormat image = last.begin().fragment().charFormat().toImageFormat();
    EXPECT_EQ(QSizeF(image.width(), image.height()), QSizeF(50, 30));
}

// orvan-cli's print command reads the description as the pane does, without a window: the RTF it
// prints from is the pane's.
TEST_F(PrintTest, TheDescriptionReadWithoutTheWindowSavesAsThePaneSaves) {
    search("engine");
    clickRow(0);
    const LexiconFiles files(program.path());
    const Result<FieldTable> fields = LoadFieldTable(files);
    const EntryDisplay display = DescribeEntry(window->state().slotOfRow(0), window->tables(),
                                               *fields, {}, false, files, {});
    ASSERT_TRUE(display.body);
    EXPECT_EQ(richtext::SavedPaneRtf(DescriptionDocument(LoadRtfHeader(files), *display.body),
                                     c().descriptionView->font()),
              c().descriptionView->saveRtf());
}

}  // namespace
}  // namespace orvan::test
