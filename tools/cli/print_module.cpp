// orvan-cli-print.so: the printer and the views for orvan-cli's print command.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <memory>

#include "platform/desktop_look.h"
#include "richtext/print_document.h"
#include "richtext/print_job.h"
#include "richtext/rich_text_view.h"
#include "tools/cli/print_module.h"

namespace {

// The lookup window's description pane shows descriptions in the desktop's sans-serif at this
// pixel size; the RTF it saves, which is printed, declares that font first.
constexpr int kDescriptionPanePixels = 12;

// The printer and the views are widgets: they need an application object. Without a display
// named, the offscreen platform serves.
std::unique_ptr<QApplication> WidgetApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvan-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

int PrintPdf(const char* paneDocument, std::size_t paneDocumentSize, const char* headword,
             const char* rendering, const char* fieldName, const char* jobName,
             const char* figureFolder, long long entryNumber, const char* pdfPath) {
    const std::unique_ptr<QApplication> application = WidgetApplication();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 1;
    using namespace orvan::richtext;
    const std::string paneRtf = SavedPaneRtf(std::string_view(paneDocument, paneDocumentSize),
                                             orvan::platform::SansFont(kDescriptionPanePixels));
    const PrintJob job{PrintDocument(paneRtf, {headword, rendering, fieldName, {}}), jobName};
    const QString path = QFile::decodeName(pdfPath);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    RichTextView printText;
    return PrintOn(printText, printer, job, {figureFolder, entryNumber}) && QFileInfo(path).isFile()
               ? 0
               : 1;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int orvan_print_pdf(
    const char* paneDocument, std::size_t paneDocumentSize, const char* headword,
    const char* rendering, const char* fieldName, const char* jobName, const char* figureFolder,
    long long entryNumber, const char* pdfPath) {
    try {
        return PrintPdf(paneDocument, paneDocumentSize, headword, rendering, fieldName, jobName,
                        figureFolder, entryNumber, pdfPath);
    } catch (...) {
        return 1;
    }
}
