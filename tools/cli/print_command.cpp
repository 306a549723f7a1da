#include "tools/cli/print_command.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <memory>

#include "lexicon/entry_display.h"
#include "lexicon/line_formats.h"
#include "platform/desktop_look.h"
#include "richtext/print_job.h"
#include "richtext/rich_text_view.h"
#include "tools/cli/commands.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

namespace {

// The lookup window's description pane shows descriptions in the desktop's sans-serif at this
// pixel size; the RTF it saves, which is printed, declares that font first.
constexpr int kDescriptionPanePixels = 12;

// The printer and the views are widgets: they need an application object, which the other
// commands do without. Without a display named, the offscreen platform serves.
std::unique_ptr<QApplication> WidgetApplication() {
    if (QCoreApplication::instance() != nullptr) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            throw DataError("print needs a widget application");
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvan-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

void Print(const CommandLine& line, std::ostream&) {
    const auto pdf = line.arguments.Value("--pdf");
    if (!pdf || pdf->empty()) throw UsageError("print needs --pdf FILE");
    const LoadedLexicon lexicon = Load(line);
    const int slot = SlotArgument(line, lexicon);
    const bool greekMode = line.arguments.Has("--greek-mode");
    const FieldTable* fields = lexicon.fields ? &*lexicon.fields : nullptr;
    const FieldTable noFields;
    const EntryDisplay display =
        DescribeEntry(slot, lexicon.tables, fields ? *fields : noFields, lexicon.notes, greekMode,
                      lexicon.files, lexicon.personal);

    const std::unique_ptr<QApplication> application = WidgetApplication();
    // The pane as the window shows this entry: emptied when its description cannot be read.
    const std::string paneRtf = richtext::SavedPaneRtf(
        display.body ? DescriptionDocument(lexicon.rtfHeader, *display.body) : std::string{},
        platform::SansFont(kDescriptionPanePixels));
    const richtext::PrintJob job =
        richtext::PrintJobOf(slot, lexicon.tables, fields, greekMode, paneRtf);

    const QString path = QFile::decodeName(QByteArray::fromStdString(*pdf));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    richtext::RichTextView printText;
    if (!richtext::PrintOn(printText, printer, job) || !QFileInfo(path).isFile())
        throw DataError("cannot write " + *pdf);
}

}  // namespace orvan::cli
