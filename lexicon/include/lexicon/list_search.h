// The rules by which the entry list is filled: which headwords match what the user typed, in
// which language, under which filters, and what each list item says.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/tables.h"

namespace orvan {

/// One fill lists at most this many items.
inline constexpr int kListLimit = 32736;

/// \brief One item of the entry list: the text shown and the English table slot behind it
/// (also for Greek items).
struct ListItem {
    std::string text;
    int slot = 0;
    bool operator==(const ListItem&) const = default;
};

/// How a fill matches headwords: from the start, anywhere, at the end, by the three criteria
/// together, or one given entry (the history's way of showing an entry again).
enum class SearchMode { Start, Contain, End, Multi, Specific };

/// \brief The name of a mode as orvan-cli takes it ("START", "CONTAIN", "END", "MULTI",
/// "SPECIFIC"), and the mode of a name, compared exactly (nothing for another name).
const char* SearchModeName(SearchMode mode);
std::optional<SearchMode> SearchModeOfName(std::string_view name);

/// \brief The three texts of the search-criteria dialog, as typed.
struct SearchCriteria {
    std::string start;
    std::string contain;
    std::string end;
};

struct FillRequest {
    SearchMode mode = SearchMode::Start;
    int slot = 0;  // Specific: the English table slot to list
    bool personalOnly = false;
    std::string fieldCode;    // the science filter (FieldFilterCode); empty for none
    SearchCriteria criteria;  // Multi
    /// Start, Contain and End: a text with "*" (any run of characters) or "?" (one character)
    /// is a pattern that the whole key of a headword must match, from its first letter or, for
    /// English, from its key start. Off, the two are characters like any other.
    bool wildcards = false;
};

struct FillResult {
    std::string entryText;         // the search field's text after the fill
    std::optional<bool> language;  // set when the fill chose the input language: true = Greek
    std::vector<ListItem> items;
    bool showFirst = false;  // Specific: the one item is selected and its entry shown
};

/// How one criterion compares a headword's key with a typed text's key: from its first letter
/// (or, for English, its key start), anywhere, at its end, or as a wildcard pattern.
enum class KeyTest { Start, Contain, End, Pattern };

struct KeyCriterion {
    KeyTest test = KeyTest::Start;
    std::string key;  // ListKeyIn of the typed text; WildcardKey for a pattern
    bool operator==(const KeyCriterion&) const = default;
};

/// \brief The headwords a fill lists by matching: those of one language's table (Greek when
/// `greek`) whose key meets every criterion (none: every headword) and whose English entry
/// passes the filters, in table order, up to the list limit.
struct HeadwordMatch {
    bool greek = false;
    std::vector<KeyCriterion> criteria;
    bool personalOnly = false;  // only the user's own and annotated entries
    std::string fieldCode;      // only entries of this science field; empty for any
};

/// \brief What FillList lists by matching for the same arguments; nothing when that fill lists
/// no headword by matching (one given entry, MULTI with a search text, or neither a text nor a
/// filter). FillList and the saved search index both list by it.
std::optional<HeadwordMatch> MatchOfFill(std::string_view entryText, bool greekMode,
                                         const FillRequest& request);

/// \brief Whether the key `headwordKey` (ListKeyIn) of a headword whose English entry has
/// `keyStart` meets every criterion of `match`.
bool MeetsCriteria(const HeadwordMatch& match, std::string_view headwordKey, int keyStart);

/// \brief Whether an English entry of `kind` and science field `fieldCode` passes the filters
/// of `match`.
bool PassesFilters(const HeadwordMatch& match, EntryKind kind, std::string_view fieldCode);

/// \brief The language a fill of `entryText` chooses (FillResult::language): that of the text's
/// first letter (after leading blanks, and wildcards of a pattern), or of the first criterion
/// filled in a MULTI search of every entry; nothing when it keeps the current one.
std::optional<bool> LanguageOfFill(std::string_view entryText, const FillRequest& request);

/// \brief Fills the entry list from the search field's text, in the current input language.
///
/// The text loses its leading blanks; a non-empty text chooses the language by its first letter
/// (Greek when it is one of the 67 Greek letters). Each matching record gives an item in table
/// order; personal entries carry " *".
///
///     FillList(entries, greek, "semi", false, {.mode = SearchMode::Start})  // English headwords
///     from "semi"
FillResult FillList(const EntryTable& entries, const GreekTable& greek, std::string_view entryText,
                    bool greekMode, const FillRequest& request);

/// \brief Up to `limit` headwords of the input language's table spelled closest to `text`, for a
/// search that found nothing: those whose list key is at most two edits from the text's
/// (a letter added, dropped, changed, or two neighbours swapped; an English headword also from
/// its key start), nearest first and then in table order, each text once; the request's
/// filters apply. Nothing for an empty text.
std::vector<ListItem> SpellingSuggestions(const EntryTable& entries, const GreekTable& greek,
                                          std::string_view text, const FillRequest& request,
                                          size_t limit = 5);

/// \brief Appends to `items` those of `more` whose text `items` does not hold yet, in their
/// order, until `items` holds `limit`.
void AppendDistinctTexts(std::vector<ListItem>& items, std::vector<ListItem> more, size_t limit);

/// \brief Up to `limit` headwords of the `greekMode` table whose list key is one of `keys`
/// (made by ListKeyIn; an English headword's also from its key start), in the order of `keys`
/// and then in table order, each text once; the request's filters apply.
std::vector<ListItem> HeadwordsWithKeys(const EntryTable& entries, const GreekTable& greek,
                                        bool greekMode, const std::vector<std::string>& keys,
                                        const FillRequest& request, size_t limit = 5);

/// \brief The edit distance of `a` and `b` (additions, removals, changes and swaps of two
/// neighbours, each one edit) when it is at most `most`; `most` + 1 for any larger one.
int BoundedEditDistance(std::string_view a, std::string_view b, int most);

/// \brief Whether `text` holds a wildcard, "*" or "?".
bool HasWildcards(std::string_view text);

/// \brief Whether the key `key` matches the pattern `pattern`, both made by ListKeyIn, in which
/// kAnyRun stands for any run of bytes and kAnyOne for one byte (WildcardKey makes them): two
/// bytes that code page 1253 leaves unassigned, so no typed text or headword holds them, and no
/// key function drops or changes them.
inline constexpr char kAnyRun = '\xD2';
inline constexpr char kAnyOne = '\xFF';
bool MatchesPattern(std::string_view pattern, std::string_view key);

/// \brief The key of a typed text with wildcards, as ListKeyIn makes it, its "*" and "?" kept as
/// kAnyRun and kAnyOne.
std::string WildcardKey(bool greek, std::string_view text);

/// \brief The science filter code for the science list's selected item (-1: none); empty for no
/// selection, the blank item 0, or no science list.
std::string FieldFilterCode(const FieldTable* fields, int selectedItem);

/// \brief The science list item `given` (code page 1253) names: the item's number as written
/// (0 is the blank item; a number past the list is returned as it is, for the caller to refuse),
/// else the first field whose code is `given`, capitals making no difference, else the first
/// whose name is, compared as ListKeyIn compares Greek. Nothing when it names none.
std::optional<int> FieldItemNamed(const FieldTable* fields, std::string_view given);

/// \brief What confirming the search-criteria dialog fills: a single criterion searches as if
/// typed, in its own mode; two or three search with Multi and an empty search field; none
/// fills nothing.
struct CriteriaDispatch {
    bool fill = false;
    SearchMode mode = SearchMode::Start;
    std::string entryText;
};
CriteriaDispatch DispatchSearchCriteria(const SearchCriteria& criteria);

/// \brief Every English headword from slot 1, unmarked and unfiltered, up to the list limit.
std::vector<ListItem> WholeLexiconItems(const EntryTable& entries);

/// \brief The key a headword, or a typed text, is compared under in one language (Greek when
/// `greek`): capitals, accents and a final sigma make no difference.
std::string ListKeyIn(bool greek, std::string_view text);

/// \brief Where, besides its first letter, the START search compares a headword's key of
/// `keyLength` bytes from: an English headword's key start (its record's keyStart, past a
/// leading article or mark) when it lies within the key; nothing for a Greek headword.
std::optional<size_t> SecondStartPlace(bool greek, size_t keyLength, int keyStart);

/// \brief The list text of an English record: its headword, and " *" for a personal entry.
std::string ListItemText(const std::string& headword, const EntryRecord& english);

}  // namespace orvan
