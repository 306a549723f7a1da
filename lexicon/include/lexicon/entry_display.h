// What the lookup window shows for a chosen entry: the headword label, the rendering in the other
// language with its hint, the science field, which edit commands apply, and the description
// document for the rich-text pane.
#pragma once

#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/tables.h"

namespace orvan {

/// Hints of the rendering field (code page 1253): "Αγγλική Απόδοση", "Ελληνική Απόδοση".
inline constexpr char kEnglishRenderingHint[] =
    "\xC1\xE3\xE3\xEB\xE9\xEA\xDE \xC1\xF0\xFC\xE4\xEF\xF3\xE7";
inline constexpr char kGreekRenderingHint[] =
    "\xC5\xEB\xEB\xE7\xED\xE9\xEA\xDE \xC1\xF0\xFC\xE4\xEF\xF3\xE7";

/// The start of every description body: font 60 of the prologue, 11 points, colour 1, a blank.
inline constexpr char kDescriptionBodyStart[] = " \\f60\\fs22\\cf1  ";

/// Between a lexicon description and the user's supplement: a paragraph with the heading
/// "Συμπλήρωση δική σας:" in bold italic, then a group with bold off for the supplement.
inline constexpr char kSupplementHeading[] =
    " \\par {\\b\\i\\f60 "
    "\\'D3\\'F5\\'EC\\'F0\\'EB\\'DE\\'F1\\'F9\\'F3\\'E7\\'20\\'E4\\'E9\\'EA\\'DE"
    "\\'20\\'F3\\'E1\\'F2\\'3A} \\par {\\b0 ";

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

/// \brief The name of the science field `code` (the first of slots 1 to 59 whose Code equals it),
/// the code itself when no slot has it, empty for an empty code.
std::string FieldText(const FieldTable& fields, const std::string& code);

/// \brief The description body of a text read from its store, with the supplement (when there
/// is one) under its heading, closed with "}}}".
std::string DescriptionBody(const std::string& description,
                            const std::optional<std::string>& supplement);

/// \brief The whole document of a body: the prologue and the body, each ended by CR LF.
std::string DescriptionDocument(const std::string& rtfHeader, const std::string& body);

/// \brief What choosing the entry in `slot` shows. A supplement that cannot be read is left out.
EntryDisplay DescribeEntry(int slot, const EntryTables& tables, const FieldTable& fields,
                           const NoteList& notes, bool greekMode, const LexiconFiles& files,
                           const PersonalFiles& personal);

}  // namespace orvan
