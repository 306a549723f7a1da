#include "richtext/print_document.h"

#include "lexicon/entry_display.h"
#include "lexicon/rtf_escape.h"

namespace orvan::richtext {

namespace {

constexpr char kProductTitle[] = "Orvan";

constexpr std::string_view kGreekCharset = "\\fcharset161";
constexpr std::string_view kSizeWord = "\\fs";
constexpr char kJobNamePrefix[] = "Lexicon: ";

char At(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

// A size word is "\fs" followed by a size: one starting with 1 or 2, or two digits and then a
// delimiter. "\fswiss", "\fscript" and the like are font families.
bool IsSizeWord(std::string_view rtf, std::size_t at) {
    const char first = At(rtf, at + 3);
    if (first == '1' || first == '2') return true;
    const char after = At(rtf, at + 5);
    return after == '\\' || after == ' ' || after == '}' || after == '{';
}

// "{" + group opener + escaped text + closing, in the Greek font at `halfPoints`.
void AppendRun(std::string& out, const char* emphasis, char font, const char* halfPoints,
               std::string_view text, const char* closing) {
    out += '{';
    out += emphasis;
    out += "\\f";
    out += font;
    out += "\\fs";
    out += halfPoints;
    out += "\\cf0 ";
    out += EscapeAllBytes(text);
    out += closing;
}

}  // namespace

char GreekFontNumber(std::string_view rtf) {
    const std::size_t charset = rtf.find(kGreekCharset);
    if (charset == std::string_view::npos) return '0';
    // The nearest one-digit font number before it: "\f", a digit, then the next word's "\".
    for (std::size_t p = charset; p-- > 0;) {
        if (rtf[p] == '\\' && At(rtf, p + 1) == 'f' && At(rtf, p + 3) == '\\') return rtf[p + 2];
    }
    return '0';
}

std::optional<std::size_t> PrologueEnd(std::string_view rtf) {
    std::size_t size = rtf.find(kSizeWord);
    while (size != std::string_view::npos && !IsSizeWord(rtf, size))
        size = rtf.find(kSizeWord, size + kSizeWord.size());
    if (size == std::string_view::npos) return std::nullopt;
    for (std::size_t q = size + 1; q-- > 0;) {
        if (rtf[q] == ' ' || rtf[q] == '}') return q;
    }
    return std::nullopt;
}

PrintValues PrintValuesOf(int slot, const EntryTables& tables, const FieldTable* fields,
                          bool greekMode, const DocumentHeadings& labels) {
    static const FieldTable kNoFields;
    const EntryRecord& entry = tables.entries[slot];
    const std::string& greek = tables.greek[entry.greekSlot].headword;
    PrintValues values;
    values.headword = greekMode ? greek : entry.headword;
    values.rendering = greekMode ? entry.headword : greek;
    values.fieldName = FieldText(fields ? *fields : kNoFields, entry.fieldCode);
    values.labels = labels;
    return values;
}

std::string PrintDocument(std::string_view paneRtf, const PrintValues& values) {
    const char font = GreekFontNumber(paneRtf);
    const std::optional<std::size_t> end = PrologueEnd(paneRtf);
    // The character at the prologue's end goes into both parts: a "}" there opens the body by
    // closing the group in which the head leaves the description's font open.
    std::string document(end ? paneRtf.substr(0, *end + 1) : std::string_view{});
    const std::string_view body = paneRtf.substr(end.value_or(0), kPrintedBodyLength);

    document += " \\qc ";
    AppendRun(document, "\\b\\ul", font, "24", kProductTitle, "} \\par \\par \\par \\ql ");
    AppendRun(document, "\\i", font, "24", values.labels.headword, ": \\'09}");
    AppendRun(document, "\\b", font, "22", values.headword, "} \\par \\par");
    AppendRun(document, "\\i", font, "22", values.labels.rendering, ": \\'09}");
    AppendRun(document, "\\b", font, "22", values.rendering, "} \\par \\par");
    AppendRun(document, "\\i", font, "22", values.labels.field, ": \\'09}");
    AppendRun(document, "\\b", font, "22", values.fieldName, "} \\par \\par");
    AppendRun(document, "\\i", font, "22", values.labels.description, ": \\'09}");
    // Left open: the body, or the closing braces after it, close it.
    document += "{\\f";
    document += font;
    document += "\\fs22\\cf0 ";

    document += "\r\n";
    document += body;
    document += "\r\n}}}";
    return document;
}

std::string PrintJobName(std::string_view englishHeadword) {
    std::string name = kJobNamePrefix;
    name += englishHeadword;
    if (name.size() > kPrintJobNameLength) name.resize(kPrintJobNameLength);
    return name;
}

PrintJob PrintJobOf(int slot, const EntryTables& tables, const FieldTable* fields, bool greekMode,
                    std::string_view paneRtf, const DocumentHeadings& labels) {
    return {PrintDocument(paneRtf, PrintValuesOf(slot, tables, fields, greekMode, labels)),
            PrintJobName(tables.entries[slot].headword)};
}

}  // namespace orvan::richtext
