#include "entry_display.h"

#include "description.h"
#include "line_formats.h"

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

namespace {

// The supplement an 'A' entry's NoteList item points at; nothing when it cannot be read.
std::optional<std::string> Supplement(const EntryRecord& entry, const NoteList& notes,
                                      const PersonalFiles& personal) {
    if (entry.NoteIndex < 0 || static_cast<size_t>(entry.NoteIndex) >= notes.size()) return {};
    const std::string& item = notes[static_cast<size_t>(entry.NoteIndex)];
    const auto position = ParseDecimal(Columns(item, 1, 8));
    const auto length = ParseDecimal(Columns(item, 9, 5));
    if (!position || !length) return {};
    return TryReadDescription(DescriptionStore::Personal, personal.texts, *position, *length);
}

}  // namespace

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
    display.deleteEnabled = entry.Kind == 'C';

    const std::optional<std::string> description =
        entry.Kind == 'C' ? TryReadDescription(DescriptionStore::Personal, personal.texts,
                                               entry.DescPos, entry.DescLen)
                          : TryReadDescription(DescriptionStore::Lexicon, files.descriptions,
                                               entry.DescPos, entry.DescLen);
    if (description) {
        const std::optional<std::string> supplement =
            entry.Kind == 'A' ? Supplement(entry, notes, personal) : std::nullopt;
        display.body = DescriptionBody(*description, supplement);
    }
    return display;
}

}  // namespace orvan
