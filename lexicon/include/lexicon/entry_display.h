// What the lookup window shows for a chosen entry: the headword label, the rendering in the other
// language with its hint, the science field, which edit commands apply, and the description
// document for the rich-text pane.
#pragma once

#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/saved_entries.h"
#include "lexicon/tables.h"

namespace orvan {

/// Hints of the rendering field (code page 1253): "Αγγλική Απόδοση", "Ελληνική Απόδοση".
inline constexpr char kEnglishRenderingHint[] =
    "\xC1\xE3\xE3\xEB\xE9\xEA\xDE \xC1\xF0\xFC\xE4\xEF\xF3\xE7";
inline constexpr char kGreekRenderingHint[] =
    "\xC5\xEB\xEB\xE7\xED\xE9\xEA\xDE \xC1\xF0\xFC\xE4\xEF\xF3\xE7";

/// The start of every description body: font 60 of the prologue, 11 points, colour 1, a blank.
inline constexpr char kDescriptionBodyStart[] = " \\f60\\fs22\\cf1  ";

/// \brief The headings the program writes into the documents it builds, code page 1253: the
/// heading over the user's supplement in the entry pane, and the labels of the printed page. The
/// defaults are the Greek ones ("Συμπλήρωση δική σας:", "Λήμμα", "Απόδοση", "Επιστήμη",
/// "Περιγραφή"); the window passes those of its interface language.
struct DocumentHeadings {
    std::string supplement =
        "\xD3\xF5\xEC\xF0\xEB\xDE\xF1\xF9\xF3\xE7 \xE4\xE9\xEA\xDE \xF3\xE1\xF2:";
    std::string headword = "\xCB\xDE\xEC\xEC\xE1";
    std::string rendering = "\xC1\xF0\xFC\xE4\xEF\xF3\xE7";
    std::string field = "\xC5\xF0\xE9\xF3\xF4\xDE\xEC\xE7";
    std::string description = "\xD0\xE5\xF1\xE9\xE3\xF1\xE1\xF6\xDE";
    bool operator==(const DocumentHeadings&) const = default;
};

struct EntryDisplay {
    std::string headwordLabel;  // the caption over the pane
    std::string rendering;      // the headword in the other language
    std::string renderingHint;
    std::string fieldText;
    bool modifyEnabled = true;
    bool deleteEnabled = false;  // the user's own entries, and the user's supplements
    /// The description body (the document's second line); nothing when the description cannot
    /// be read, and the pane is then emptied.
    std::optional<std::string> body;
    bool operator==(const EntryDisplay&) const = default;
};

/// \brief The name of the science field `code` (the first of slots 1 to 59 whose code equals it),
/// the code itself when no slot has it, empty for an empty code.
std::string FieldText(const FieldTable& fields, const std::string& code);

/// \brief The description body of a text read from its store, with the supplement (when there
/// is one) under its heading (a paragraph in bold italic, every byte escaped, then a group with
/// bold off for the supplement), closed with "}}}".
std::string DescriptionBody(const std::string& description,
                            const std::optional<std::string>& supplement,
                            const DocumentHeadings& headings = {});

/// \brief The whole document of a body: the prologue and the body, each ended by CR LF.
std::string DescriptionDocument(const std::string& rtfHeader, const std::string& body);

/// \brief What choosing the entry in `slot` shows, the supplement under `headings`'s heading. A
/// supplement that cannot be read is left out.
EntryDisplay DescribeEntry(int slot, const EntryTables& tables, const FieldTable& fields,
                           const NoteList& notes, bool greekMode, const LexiconFiles& files,
                           const PersonalFiles& personal, const DocumentHeadings& headings = {});

/// \brief The same for the entry `shown`, as the tables or the saved entry records give it.
EntryDisplay DescribeEntry(const EntryToShow& shown, const FieldTable& fields, bool greekMode,
                           const LexiconFiles& files, const PersonalFiles& personal,
                           const DocumentHeadings& headings = {});

}  // namespace orvan
