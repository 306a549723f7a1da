#include "tools/cli/json_lines.h"

#include <cstdio>

#include "richtext/greek_code_page.h"

namespace orvan::cli {

namespace {

void AppendUnicodeEscape(std::string& out, unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    out += escape;
}

// The name of the science field `code`, the first of the list's slots that has it; empty when
// none has it (unlike the window's field text, which then shows the code itself).
std::string FieldName(const FieldTable* fields, const std::string& code) {
    if (fields == nullptr || code.empty()) return {};
    for (int slot = 1; slot <= fields->count(); ++slot)
        if ((*fields)[slot].code == code) return (*fields)[slot].name;
    return {};
}

JsonObject EntryObject(const EntryRecord& entry, std::string_view greekHeadword,
                       const FieldTable* fields, int slot) {
    JsonObject object;
    object.number("slot", slot)
        .number("entry", entry.number)
        .text("kind", KindWord(entry.kind))
        .codePage("english", entry.headword)
        .codePage("greek", greekHeadword)
        .codePage("field_code", entry.fieldCode)
        .codePage("field_name", FieldName(fields, entry.fieldCode));
    return object;
}

JsonObject EntryObject(const EntryTables& tables, const FieldTable* fields, int slot) {
    return EntryObject(tables.entries[slot], GreekHeadwordOf(tables, slot), fields, slot);
}

}  // namespace

std::string JsonString(std::string_view utf8) {
    // Malformed bytes are replaced first, so that the escaping below walks well-formed text.
    std::string repaired;
    if (!IsUtf8(utf8)) {
        repaired = Utf16ToUtf8(Utf8ToUtf16(utf8));
        utf8 = repaired;
    }
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        switch (byte) {
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            case '\b':
                out += "\\b";
                continue;
            case '\f':
                out += "\\f";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (byte < 0x20 || byte == 0x7F) {
            AppendUnicodeEscape(out, byte);
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
            // U+0080 to U+009F, the C1 controls, which a terminal may act on: the second byte
            // of their UTF-8 form is their number.
            AppendUnicodeEscape(out, static_cast<unsigned char>(utf8[++i]));
        } else if (utf8.substr(i, 3) == "\xE2\x80\xA8" || utf8.substr(i, 3) == "\xE2\x80\xA9") {
            AppendUnicodeEscape(out, utf8[i + 2] == '\xA8' ? 0x2028 : 0x2029);
            i += 2;
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += '"';
    return out;
}

JsonObject& JsonObject::key(std::string_view key) {
    body_ += body_.empty() ? "{" : ",";
    body_ += JsonString(key);
    body_ += ':';
    return *this;
}

JsonObject& JsonObject::text(std::string_view name, std::string_view utf8) {
    key(name);
    body_ += JsonString(utf8);
    return *this;
}

JsonObject& JsonObject::codePage(std::string_view name, std::string_view bytes) {
    return text(name, GreekToUtf8(bytes));
}

JsonObject& JsonObject::number(std::string_view name, long long value) {
    key(name);
    body_ += std::to_string(value);
    return *this;
}

std::string JsonObject::line() const {
    return (body_.empty() ? "{" : body_) + "}\n";
}

const char* KindWord(EntryKind kind) {
    switch (kind) {
        case EntryKind::Personal:
            return "personal";
        case EntryKind::Annotated:
            return "annotated";
        case EntryKind::Lexicon:
            break;
    }
    return "lexicon";
}

void WriteEntryJson(std::ostream& out, const EntryTables& tables, const FieldTable* fields,
                    int slot) {
    out << EntryObject(tables, fields, slot).line();
}

void WriteItemsJson(std::ostream& out, const std::vector<ListItem>& items,
                    const EntryTables& tables, const FieldTable* fields) {
    for (const ListItem& item : items)
        WriteEntryJson(out, tables, fields, item.slot);
}

void WriteShownEntryJson(std::ostream& out, const EntryToShow& entry, const FieldTable* fields,
                         int slot, std::string_view plainText, std::string_view rtf) {
    out << EntryObject(entry.record, entry.greekHeadword, fields, slot)
               .text("text", plainText)
               .codePage("rtf", rtf)
               .line();
}

void WriteDumpJson(std::ostream& out, const EntryTables& tables, const FieldTable* fields,
                   const NoteList& notes) {
    for (int slot = 1; fields != nullptr && slot <= fields->count(); ++slot) {
        const FieldRecord& field = (*fields)[slot];
        out << JsonObject()
                   .text("record", "field")
                   .number("slot", slot)
                   .codePage("code", field.code)
                   .codePage("name", field.name)
                   .line();
    }
    const EntryTable& entries = tables.entries;
    for (int slot = 1; slot <= entries.count(); ++slot) {
        const EntryRecord& e = entries[slot];
        out << JsonObject()
                   .text("record", "entry")
                   .number("slot", slot)
                   .number("entry", e.number)
                   .text("kind", KindWord(e.kind))
                   .number("desc_pos", e.descPos)
                   .number("desc_len", e.descLen)
                   .number("key_start", e.keyStart)
                   .number("note_index", e.noteIndex)
                   .number("greek_slot", e.greekSlot)
                   .codePage("field_code", e.fieldCode)
                   .codePage("english", e.headword)
                   .line();
    }
    const GreekTable& greek = tables.greek;
    for (int slot = 1; slot <= greek.count(); ++slot) {
        const GreekRecord& g = greek[slot];
        out << JsonObject()
                   .text("record", "greek")
                   .number("slot", slot)
                   .number("entry", g.number)
                   .number("english_slot", g.englishSlot)
                   .number("english_entry", entries[g.englishSlot].number)
                   .codePage("greek", g.headword)
                   .line();
    }
    for (size_t index = 0; index < notes.size(); ++index) {
        out << JsonObject()
                   .text("record", "note")
                   .number("index", static_cast<long long>(index))
                   .codePage("location", notes[index])
                   .line();
    }
}

void PrintList(const CommandLine& line, const LoadedLexicon& lexicon,
               const std::vector<ListItem>& items, std::ostream& out) {
    if (line.arguments.has("--json")) {
        WriteItemsJson(out, items, lexicon.tables, lexicon.fieldTable());
    } else {
        PrintItems(items, out, NumbersOption(line, lexicon));
    }
}

}  // namespace orvan::cli
