// The tables as the lookup window holds them after its first showing, loaded for one command,
// and the reading of text arguments.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/list_search.h"
#include "lexicon/loaded_lexicon.h"
#include "lexicon/tables.h"
#include "tools/cli/arguments.h"

namespace orvan::cli {

using orvan::LoadedLexicon;

/// \brief The personal folder: --personal, else line 2 of the settings file found where the
/// window finds it; empty for none. Says on the error stream when the settings file or the
/// user's folder list is there but was not read (too long, unreadable): there is then no
/// personal folder from it.
std::string PersonalFolderOf(const CommandLine& line);

/// \brief Loads the program folder's lexicon with the personal entries merged in, as the window
/// does (merged_tables.h); says on the error stream when the lexicon or the personal files could
/// not be read whole. Throws DataError when the folder holds no lexicon.
LoadedLexicon Load(const CommandLine& line);

/// \brief Load with the personal folder already found by PersonalFolderOf, for a command that
/// needs it before the load (and says what it says once).
LoadedLexicon Load(const CommandLine& line, const std::string& personalFolder);

/// The entries a command may name, as the loaded tables or the saved entry records hold them.
struct EntrySlots {
    int count = 0;  // the filled slots are 1..count
    /// The slot of the entry with a number; 0 when none has it.
    std::function<int(long long number)> slotOfNumber;
    std::function<std::string(int slot)> headword;  // the English headword in a filled slot
};

/// \brief The entries of the loaded tables.
EntrySlots SlotsOf(const LoadedLexicon& lexicon);

/// \brief The slot of the entry the command names: by its SLOT (the one positional argument),
/// which moves with every insert and delete, or by `--entry NUMBER`, its entry number, which
/// does not. Giving both, neither, or either not as a number is a usage error; no entry in that
/// slot or with that number is a data error. With `--expect HEADWORD`, a data error naming the
/// headword found unless the entry's English headword is exactly HEADWORD.
///
///     orvan-cli update --entry 57 --description "..."   // entry 57, wherever it stands
///     orvan-cli delete 12 --expect gasket                // slot 12, while it holds gasket
int SlotArgument(const CommandLine& line, const EntrySlots& entries);
/// The same in the loaded tables.
int SlotArgument(const CommandLine& line, const LoadedLexicon& lexicon);

/// \brief The entry of `slot` as the command line named it, for messages: "entry 57" when given
/// with --entry, else "the entry in slot 12".
std::string EntryNamed(const CommandLine& line, int slot);

/// \brief Writes a list as the window fills it: a line per item, its slot and its text (UTF-8);
/// with `numbers`, the table the items' slots are of, the entry's number between the two.
void PrintItems(const std::vector<ListItem>& items, std::ostream& out,
                const EntryTable* numbers = nullptr);

/// \brief The table to take the entry numbers of a list from: the loaded one when --numbers is
/// given, else none.
const EntryTable* NumbersOption(const CommandLine& line, const LoadedLexicon& lexicon);

/// \brief The science list item `--field` names (a number, a code or a name, as FieldItemNamed
/// reads them), or `fallback` when it is not given; a usage error when it names no item.
int FieldOption(const CommandArguments& arguments, const LoadedLexicon& lexicon, int fallback);
/// The same, with the science list `fields` alone (none: only 0 is an item).
int FieldOption(const CommandArguments& arguments, const FieldTable* fields, int fallback);

/// \brief A UTF-8 argument as code page 1253; a usage error naming `name` when it is not UTF-8
/// or holds a character the code page cannot.
std::string CodePageArgument(const std::string& name, const std::string& utf8);

/// \brief A UTF-8 text to search for as code page 1253, a Latin letter with diacritics the page
/// lacks taken as its base letter (as the window's search field does); a usage error as above.
std::string SearchArgument(const std::string& name, const std::string& utf8);

/// \brief A UTF-8 argument as it is (a description keeps every character); a usage error naming
/// `name` when it is not UTF-8.
std::string Utf8Argument(const std::string& name, std::string utf8);

}  // namespace orvan::cli
