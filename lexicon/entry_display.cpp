#include "lexicon/entry_display.h"

#include "lexicon/description.h"

namespace orvan {

std::string FieldText(const FieldTable& fields, const std::string& code) {
    if (code.empty()) return {};
    for (int slot = 1; slot <= fields.Count(); ++slot)
        if (fields[slot].Code == code) return fields[slot].Name;
    return code;
}

std::string DescriptionBody(const std::string& description,
                            const std::optional<std::string>& supplement) {
    std::string body = kDescriptionBodyStart + description;
    if (supplement) body += kSupplementHeading + *supplement + " ";
    return body + "}}}";
}

std::string DescriptionDocument(const std::string& rtfHeader, const std::string& body) {
    return rtfHeader + "\r\n" + body + "\r\n";
}

EntryDisplay DescribeEntry(int slot, const EntryTables& tables, const FieldTable& fields,
                           const NoteList& notes, bool greekMode, const LexiconFiles& files,
                           const PersonalFiles& personal) {
    const EntryRecord& entry = tables.entries[slot];
    const std::string& greek = tables.greek[entry.GreekSlot].Headword;
    EntryDisplay display;
    display.headwordLabel = greekMode ? greek : entry.Headword;
    display.rendering = greekMode ? entry.Headword : greek;
    display.renderingHint = greekMode ? kEnglishRenderingHint : kGreekRenderingHint;
    display.fieldText = FieldText(fields, entry.FieldCode);
    // The user's own entry can be deleted, and so can the user's supplement of a lexicon entry.
    display.deleteEnabled = entry.Kind == EntryKind::Personal || entry.Kind == EntryKind::Annotated;

    const Result<std::string> description =
        entry.Kind == EntryKind::Personal
            ? TryReadDescription(DescriptionStore::Personal, personal.texts, entry.DescPos,
                                 entry.DescLen)
            : TryReadDescription(DescriptionStore::Lexicon, files.descriptions, entry.DescPos,
                                 entry.DescLen);
    if (description) {
        std::optional<std::string> supplement;
        if (entry.Kind == EntryKind::Annotated && entry.NoteIndex >= 0 &&
            static_cast<size_t>(entry.NoteIndex) < notes.size()) {
            if (auto read =
                    TryReadSupplement(notes[static_cast<size_t>(entry.NoteIndex)], personal))
                supplement = std::move(*read);
        }
        display.body = DescriptionBody(*description, supplement);
    }
    return display;
}

}  // namespace orvan
