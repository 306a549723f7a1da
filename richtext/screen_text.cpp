#include "richtext/screen_text.h"

#include "richtext/greek_code_page.h"
#include "richtext/plain_text.h"

namespace orvan::richtext {

QString FromGreekCodePage(std::string_view bytes) {
    return ToQString(GreekToUtf16(bytes));
}

std::string ToGreekCodePage(const QString& text) {
    return Utf16ToGreek(Utf16Of(text)).bytes;
}

std::string ToGreekSearchText(const QString& text) {
    return Utf16ToGreekSearchText(Utf16Of(text)).bytes;
}

QString ExtractPlainText(std::string_view text) {
    return ToQString(PlainTextOf(text));
}

QString ExtractPlainText(const RtfPrologue& prologue, std::string_view body) {
    return ToQString(PlainTextOf(prologue, body));
}

QString PlainTextAsShown(std::string_view text) {
    return ToQString(ShownPlainText(text));
}

}  // namespace orvan::richtext
