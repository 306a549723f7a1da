#include "lexicon/entry_display.h"

#include "lexicon/description.h"
#include "lexicon/rtf_escape.h"

namespace orvan {

std::string FieldText(const FieldTable& fields, const std::string& code) {
    if (code.empty()) return {};
    for (int slot = 1; slot <= fields.count(); ++slot)
        if (fields[slot].code == code) return fields[slot].name;
    return code;
}

std::string DescriptionBody(const std::string& description,
                            const std::optional<std::string>& supplement,
                            const DocumentHeadings& headings) {
    std::string body = kDescriptionBodyStart + description;
    if (supplement) {
        body += " \\par {\\b\\i\\f60 " + EscapeAllBytes(headings.supplement) + "} \\par {\\b0 ";
        body += *supplement + " ";
    }
    return body + "}}}";
}

std::string DescriptionDocument(const std::string& rtfHeader, const std::string& body) {
    return rtfHeader + "\r\n" + body + "\r\n";
}

EntryDisplay DescribeEntry(const EntryToShow& shown, const FieldTable& fields, bool greekMode,
                           const LexiconFiles& files, const PersonalFiles& personal,
                           const DocumentHeadings& headings) {
    const EntryRecord& entry = shown.record;
    EntryDisplay display;
    display.headwordLabel = greekMode ? shown.greekHeadword : entry.headword;
    display.rendering = greekMode ? entry.headword : shown.greekHeadword;
    display.renderingHint = greekMode ? kEnglishRenderingHint : kGreekRenderingHint;
    display.fieldText = FieldText(fields, entry.fieldCode);
    // The user's own entry can be deleted, and so can the user's supplement of a lexicon entry.
    display.deleteEnabled = entry.kind == EntryKind::Personal || entry.kind == EntryKind::Annotated;

    const Result<std::string> description =
        entry.kind == EntryKind::Personal
            ? TryReadDescription(DescriptionStore::Personal, personal.texts, entry.descPos,
                                 entry.descLen)
            : TryReadDescription(DescriptionStore::Lexicon, files.descriptions, entry.descPos,
                                 entry.descLen);
    if (description) {
        std::optional<std::string> supplement;
        if (shown.supplementPlace) {
            if (auto read = TryReadSupplement(*shown.supplementPlace, personal))
                supplement = std::move(*read);
        }
        display.body = DescriptionBody(*description, supplement, headings);
    }
    return display;
}

EntryDisplay DescribeEntry(int slot, const EntryTables& tables, const FieldTable& fields,
                           const NoteList& notes, bool greekMode, const LexiconFiles& files,
                           const PersonalFiles& personal, const DocumentHeadings& headings) {
    return DescribeEntry(EntryToShowOf(tables, notes, slot), fields, greekMode, files, personal,
                         headings);
}

}  // namespace orvan
