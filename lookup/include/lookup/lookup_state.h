// What the lookup window shows and remembers: the entry list, the search mode and criteria, the
// input language, the text of the search field, the entry shown and the history of entries
// viewed. Plain C++: the window draws this state and turns clicks and keys into its calls.
//
// Every entry is held by its entry number, never by a table slot: the tables are read again
// after every change of the personal files, and that moves slots. After such a reload the list
// and the history find their entries again by number; an entry that is gone leaves them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/entry_display.h"
#include "lexicon/list_search.h"
#include "lexicon/loaded_lexicon.h"
#include "lexicon/tables.h"
#include "lookup/navigation_history.h"

namespace orvan::lookup {

/// One item of the entry list: the text shown (code page 1253) and the entry behind it.
struct ListedEntry {
    std::string text;
    long long number = 0;
    bool operator==(const ListedEntry&) const = default;
};

/// What the last search found, for the status line under the list.
struct ListStatus {
    enum class Kind { None, Found, Unsearchable };
    Kind kind = Kind::None;
    std::size_t count = 0;     // Found: how many entries
    std::string unsearchable;  // Unsearchable: the typed characters no headword can hold (UTF-8)
    /// Found nothing: the headwords spelled closest to what was typed, to offer instead.
    std::vector<ListedEntry> suggestions;
    bool operator==(const ListStatus&) const = default;
};

/// \brief Gives the stems of a word (code page 1253) in English, or in Greek when `greek`, in
/// the code page: the base forms an inflected word comes from ("computers": "computer").
using StemFinder = std::function<std::vector<std::string>(std::string_view word, bool greek)>;

/// An entry of the user's that a saved change gave a new number.
struct Renumbering {
    long long before = 0;
    long long after = 0;
};

class LookupState {
  public:
    /// How many times each part of the state has changed, so that the window draws again only
    /// what did. `language` counts every choice of the input language, even of the same one.
    struct Revisions {
        std::uint64_t list = 0, shown = 0, language = 0, entryText = 0, tables = 0, status = 0;
    };

    LookupState();

    // The loaded lexicon: one whole load, replaced whole.
    const LoadedLexicon& lexicon() const { return *lexicon_; }
    const EntryTables& tables() const { return lexicon_->tables; }
    /// \brief The load as it is now, for work that goes on while it may be replaced (a full-text
    /// search, a print): what it reads never changes under it.
    LexiconSnapshot snapshot() const { return lexicon_; }
    /// \brief Takes a new load. The list, the entry shown and the history follow their entries
    /// by number; with `renumbered`, the user's changed entry keeps its items under its new
    /// number and caption. The load's generation is set to follow the one it replaces.
    void replaceLexicon(LoadedLexicon lexicon,
                        std::optional<Renumbering> renumbered = std::nullopt);
    /// \brief Takes tables read again, everything else of the load kept as it was.
    void replaceTables(EntryTables tables, std::optional<Renumbering> renumbered = std::nullopt);
    /// The slot of entry `number` in the current tables; 0 when there is none.
    int slotOf(long long number) const;

    // The search.
    SearchMode searchMode() const { return searchMode_; }
    void setSearchMode(SearchMode mode) { searchMode_ = mode; }
    const SearchCriteria& criteria() const { return criteria_; }
    /// The text last searched for, or put in the search field by the program (code page 1253).
    const std::string& entryText() const { return entryText_; }
    /// \brief The search field's text: after a search of the user's, what they typed (without
    /// its leading blanks), not the key it was searched by; else what the program put there.
    const std::u16string& fieldText() const { return fieldText_; }

    /// The list as the search button (`personalOnly` false) or the personal-entries button fill
    /// it from the typed text: the forward history is emptied first.
    void search(std::string_view typed, bool personalOnly, const std::string& fieldCode);
    /// \brief The same from the text the user typed, as it stands: it is searched by its key in
    /// the code page (é as e, capitals, accents and a final ς make no difference), and it stays
    /// in the search field as typed.
    void search(std::u16string_view typed, bool personalOnly, const std::string& fieldCode);
    void fill(std::u16string_view typed, SearchMode mode, bool personalOnly,
              const std::string& fieldCode);
    /// \brief The list follows the search field as the user types: it is filled as the search
    /// button fills it (the window's mode and science filter, the language chosen by the first
    /// letter), but the entry pane is emptied rather than shown, the history takes no step and
    /// its forward list stays. The field keeps `typed` exactly as it stands.
    void followTyping(std::u16string_view typed, const std::string& fieldCode);
    /// \brief Offers the headwords nearest to the typed text when the list typing left is
    /// empty. Typing does not look for them itself, so that each keystroke stays quick: the
    /// window asks once the user pauses. Nothing when the list holds entries or offers already.
    void suggestForTyped(const std::string& fieldCode);
    /// \brief What the status line under the list says of the last search: how many entries
    /// it found (none, one or more), or which typed characters no headword can hold; nothing
    /// while the list holds no search's result. The window words it.
    ListStatus listStatus() const;
    /// \brief The user chose the suggestion `index` of the status line: its headword goes in the
    /// search field and is searched as the search button does.
    void searchSuggestion(std::size_t index, const std::string& fieldCode);
    /// \brief What reduces a word that found nothing to its stems: the entries of the stems of
    /// its last word are then offered first among the suggestions. None (the default): only the
    /// spellings closest to it are offered.
    void setStemFinder(StemFinder finder) { stemFinder_ = std::move(finder); }
    /// The criteria dialog confirmed with `criteria`: one criterion searches as if typed, two or
    /// three together; none leaves the list as it is. `typed` is the one criterion as the user
    /// typed it, which the search field then shows (empty: the criterion as searched).
    void searchByCriteria(const SearchCriteria& criteria, const std::string& fieldCode,
                          std::u16string_view typed = {});
    /// \brief Fills the list by `mode` from `typed`; `number` names the entry of a Specific fill.
    /// With `wildcards`, "*" and "?" in `typed` make it a pattern.
    void fill(std::string_view typed, SearchMode mode, bool personalOnly,
              const std::string& fieldCode, long long number = 0, bool wildcards = false);
    /// Every English headword, unmarked; the search field and the entry shown are emptied.
    void listWholeLexicon();
    /// \brief The full-text search's finds fill the list as they are (English headwords in
    /// table order, each with the number it had in the tables searched); an entry that has left
    /// the tables since is left out. The list keeps `term`, so that an entry shown from it can
    /// mark where the term occurs. The forward history stays.
    void listFullTextResults(std::vector<ListedEntry> results, std::u16string term);
    /// The text the list's entries were found by in their descriptions; empty when the list
    /// comes from any other search.
    const std::u16string& fullTextTerm() const { return fullTextTerm_; }

    // The input language: true for Greek.
    bool greekMode() const { return greekMode_; }
    void setInputLanguage(bool greek);
    /// Chooses the language by the first letter of `typed`; nothing for an empty text.
    void detectInputLanguage(std::string_view typed);
    /// The language button: the other language, and an empty search field.
    void switchInputLanguage();

    // The list and the entry shown.
    const std::vector<ListedEntry>& list() const { return list_; }
    int selectedRow() const { return selectedRow_; }
    /// The slot of the entry behind `row`; 0 for no such row.
    int slotOfRow(int row) const;
    /// The user chose `row`: it is selected, its entry shown and recorded in the history.
    void choose(int row);
    /// The Down key in the search field: the first item, when there is one.
    bool chooseFirst();
    /// Entry shown, by number; 0 for none.
    long long shownNumber() const { return shownNumber_; }
    int shownSlot() const { return slotOf(shownNumber_); }
    /// Whether the entry was shown with Greek headwords.
    bool shownGreek() const { return shownGreek_; }
    /// What the entry pane shows of the entry shown, read from the current load.
    EntryDisplay describeShown() const;
    /// The headings written into the entry's documents (the supplement's in the pane, the
    /// printed page's labels): those of the interface language, Greek unless set.
    const DocumentHeadings& documentHeadings() const { return documentHeadings_; }
    void setDocumentHeadings(DocumentHeadings headings) { documentHeadings_ = std::move(headings); }
    /// The entry pane is emptied; the list stays.
    void clearShown();
    /// The list, its selection and the entry pane are emptied.
    void clearList();
    /// \brief A saved entry is shown and selected, alone in the list as a Specific fill has it.
    /// When it is the entry shown last (a change of it), no history step is recorded.
    void showSaved(long long number);

    // The history.
    const NavigationHistory& history() const { return history_; }
    void back();
    void forward();
    void chooseBack(std::size_t index);
    void chooseForward(std::size_t index);

    const Revisions& revisions() const { return revisions_; }

  private:
    /// What a fill of the list asks for: `mode`, the filters, the criteria the state keeps.
    FillRequest requestFor(SearchMode mode, bool personalOnly, const std::string& fieldCode,
                           long long number, bool wildcards) const;
    /// After a search of `bytes` (a typed text as the code page holds it) that found nothing,
    /// the headwords of its stems and then those spelled closest to it.
    void suggestIfNothingFound(std::string_view bytes, const std::string& fieldCode);
    /// The list keys of `text` with its last word replaced by each of its stems, in the input
    /// language; neither the key of `text` itself nor an empty one.
    std::vector<std::string> stemKeys(std::string_view text) const;
    void showHistoryItem(const HistoryItem& item);
    /// Takes a fill's list and search text; a Specific fill shows its entry, recorded in the
    /// history or (`recordShown` false) in place of the entry shown last.
    void showFilled(FillResult result, bool recordShown);
    void show(int row);
    void setList(std::vector<ListItem> items, bool greek);
    void setEntryText(std::string text);
    /// Keeps the typed text in the search field, and what a search by it cannot find.
    void keepTyped(std::u16string_view trimmed, SearchMode mode);
    /// The list text of entry `number` in one language, as the list writes it.
    std::string captionOf(long long number, bool greek) const;
    void indexNumbers();

    LexiconSnapshot lexicon_;
    std::vector<int> slotOfNumber_;
    SearchMode searchMode_ = SearchMode::Start;
    SearchCriteria criteria_;
    std::string entryText_;
    std::u16string fieldText_;
    std::string unsearchable_;   // typed characters no headword can hold (UTF-8)
    bool listSearched_ = false;  // the list holds a search's result, even an empty one
    bool greekMode_ = false;
    std::vector<ListedEntry> list_;
    bool listGreek_ = false;
    std::u16string fullTextTerm_;
    int selectedRow_ = -1;
    long long shownNumber_ = 0;
    bool shownGreek_ = false;
    std::vector<ListedEntry> suggestions_;  // offered when the last search found nothing
    StemFinder stemFinder_;
    DocumentHeadings documentHeadings_;
    NavigationHistory history_;
    Revisions revisions_;
};

}  // namespace orvan::lookup
