// Feeds arbitrary bytes to the RTF reader and checks what must always hold: reading never
// crashes or hangs, the plain-text extractor gives exactly the text of the built document, a
// document read after a prologue read once gives what reading it whole gives, and the full-text
// search's quick look never rules out a letter the text shows.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "richtext/document_builder.h"
#include "richtext/screen_text.h"
#include "richtext/shown_characters.h"

namespace {

QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "rtf_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *application;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Application();
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Most inputs should be read as RTF, so give them the opening the reader looks for.
    const std::string rtf = input.starts_with("{\\rtf") ? input : "{\\rtf1 " + input;

    const QString plain = orvan::richtext::ExtractPlainText(rtf);
    if (size < 4096) {  // building documents is slow; keep the fuzzer's pace for long inputs
        QTextDocument document;
        orvan::richtext::LoadDocument(document, rtf);
        if (document.toPlainText() != plain) std::abort();
    }

    const std::size_t split = size == 0 ? 0 : data[0] * rtf.size() / 256;
    const orvan::richtext::RtfPrologue prologue(rtf.substr(0, split));
    const std::string body = rtf.substr(split);
    if (orvan::richtext::ExtractPlainText(prologue, body) != plain) std::abort();

    // Every letter or digit shown, alone and with the next ones, must pass the quick look.
    std::u16string letters;
    for (const QChar c : plain) {
        if (c.isLetterOrNumber() && !c.isSurrogate()) letters.push_back(c.unicode());
    }
    for (std::size_t start = 0; start < letters.size() && start < 64; start += 3) {
        const orvan::richtext::ShownCharacterProbe probe(letters.substr(start, 4), prologue);
        if (!probe.mayShowAll(body)) std::abort();
    }
    return 0;
}
