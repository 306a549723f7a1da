// The tables as the lookup window holds them after its first showing, loaded for one command,
// and the reading of text arguments.
#pragma once

#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/list_search.h"
#include "lexicon/tables.h"
#include "tools/cli/arguments.h"

namespace orvan::cli {

struct LoadedLexicon {
    LexiconFiles files;
    PersonalFiles personal;
    std::optional<FieldTable> fields;
    NoteList notes;
    EntryTables tables;
    std::string rtfHeader;
};

/// \brief The personal folder: --personal, else line 2 of the settings file found where the
/// window finds it; empty for none.
std::string PersonalFolderOf(const CommandLine& line);

/// \brief Loads the program folder's lexicon with the personal entries merged in, as the window
/// does (merged_tables.h); says on the error stream when the personal files could not be read
/// whole. Throws DataError when the folder holds no lexicon.
LoadedLexicon Load(const CommandLine& line);

/// \brief The command's one positional argument as a slot of the loaded table: a usage error
/// when it is missing or not a number, a data error when no entry is in that slot.
int SlotArgument(const CommandLine& line, const LoadedLexicon& lexicon);

/// \brief Writes a list as the window fills it: a line per item, its slot and its text (UTF-8).
void PrintItems(const std::vector<ListItem>& items, std::ostream& out);

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
