// orvan-cli's --json output: JSON Lines, one object a line, its keys always in the same order,
// its strings UTF-8 escaped so that any JSON reader takes them. The core's code page 1253 text
// becomes UTF-8 here, through the program's one converter.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/list_search.h"
#include "lexicon/saved_entries.h"
#include "lexicon/tables.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

/// \brief `utf8` as a JSON string, quotes included: the quote, the backslash and every control
/// character (C0, DEL and C1) escaped, U+2028 and U+2029 too (JavaScript takes them as line
/// ends); a byte that is not part of well-formed UTF-8 becomes U+FFFD, so the result is always
/// valid UTF-8.
///
///     JsonString("a\"b\n") == R"("a\"b\n")"
std::string JsonString(std::string_view utf8);

/// \brief One JSON object, built key by key in the order of the calls.
class JsonObject {
  public:
    JsonObject& text(std::string_view key, std::string_view utf8);
    /// Code page 1253 bytes, written as UTF-8: the bytes the page leaves without a character
    /// become U+FFFD.
    JsonObject& codePage(std::string_view key, std::string_view bytes);
    JsonObject& number(std::string_view key, long long value);
    /// The object and a line end.
    std::string line() const;

  private:
    JsonObject& key(std::string_view key);
    std::string body_;
};

/// \brief The word --json writes for a kind: "lexicon", "personal" or "annotated".
const char* KindWord(EntryKind kind);

/// \brief The entry of `slot` as a line of a list: slot, entry, kind, english, greek,
/// field_code, field_name (empty when `fields` has no such code, or is nullptr).
void WriteEntryJson(std::ostream& out, const EntryTables& tables, const FieldTable* fields,
                    int slot);

/// \brief WriteEntryJson for each item of a list, in its order.
void WriteItemsJson(std::ostream& out, const std::vector<ListItem>& items,
                    const EntryTables& tables, const FieldTable* fields);

/// \brief The entry `entry` of `slot` as show prints it: the keys of WriteEntryJson, then
/// "text", the description as the pane shows it (UTF-8, a line per paragraph, empty when it
/// cannot be read), and "rtf", the whole RTF document the pane loads (code page 1253 bytes,
/// empty when the description cannot be read).
void WriteShownEntryJson(std::ostream& out, const EntryToShow& entry, const FieldTable* fields,
                         int slot, std::string_view plainText, std::string_view rtf);

/// \brief The tables as dump lists them, a line per record, each tagged by "record": "field",
/// "entry", "greek" or "note" (the F, E, G and N lines of the plain dump). A greek line always
/// gives its English entry's number ("english_entry", 0 for none).
void WriteDumpJson(std::ostream& out, const EntryTables& tables, const FieldTable* fields,
                   const NoteList& notes);

/// \brief A list command's answer: with --json a line of WriteEntryJson per item, else the
/// plain lines of PrintItems (with the entry numbers when --numbers is given).
void PrintList(const CommandLine& line, const LoadedLexicon& lexicon,
               const std::vector<ListItem>& items, std::ostream& out);

}  // namespace orvan::cli
