#include "lookup/lookup_state.h"

#include <algorithm>
#include <limits>

#include "lexicon/search_keys.h"
#include "richtext/greek_code_page.h"

namespace orvan::lookup {

namespace {

constexpr std::size_t kNumberCount = std::numeric_limits<std::uint16_t>::max() + 1;

// The typed text without its leading characters of code 32 or less, as a search takes it.
std::u16string_view WithoutLeadingBlanks(std::u16string_view typed) {
    std::size_t start = 0;
    while (start < typed.size() && typed[start] <= u' ')
        ++start;
    return typed.substr(start);
}

}  // namespace

LookupState::LookupState() : lexicon_(std::make_shared<const LoadedLexicon>()) {}

void LookupState::replaceTables(EntryTables tables, std::optional<Renumbering> renumbered) {
    LoadedLexicon lexicon = *lexicon_;
    lexicon.tables = std::move(tables);
    replaceLexicon(std::move(lexicon), renumbered);
}

void LookupState::replaceLexicon(LoadedLexicon lexicon, std::optional<Renumbering> renumbered) {
    lexicon.generation = lexicon_->generation + 1;
    lexicon_ = std::make_shared<const LoadedLexicon>(std::move(lexicon));
    indexNumbers();
    ++revisions_.tables;

    // Where an entry is now: its number, or 0 when it is gone.
    const auto now = [&](long long number) -> long long {
        if (renumbered && number == renumbered->before) number = renumbered->after;
        return slotOf(number) != 0 ? number : 0;
    };

    std::vector<ListedEntry> kept;
    kept.reserve(list_.size());
    int selected = -1;
    bool listChanged = false;
    for (std::size_t row = 0; row < list_.size(); ++row) {
        const long long number = now(list_[row].number);
        if (number == 0) {
            listChanged = true;
            continue;
        }
        if (static_cast<int>(row) == selectedRow_) selected = static_cast<int>(kept.size());
        kept.push_back(list_[row]);
        if (number != list_[row].number) {
            kept.back() = {captionOf(number, listGreek_), number};
            listChanged = true;
        }
    }
    if (listChanged) {
        list_ = std::move(kept);
        selectedRow_ = selected;
        ++revisions_.list;
    }

    if (shownNumber_ != 0) {
        const long long number = now(shownNumber_);
        if (number == 0) {
            clearShown();
        } else if (number != shownNumber_) {
            shownNumber_ = number;
            ++revisions_.shown;
        }
    }

    history_.follow([&](const HistoryItem& item) -> std::optional<HistoryItem> {
        const long long number = now(item.number);
        if (number == 0) return std::nullopt;
        HistoryItem moved = item;
        if (number != item.number) {
            // Shown again in the language its caption was written in.
            moved.number = number;
            moved.caption = captionOf(number, StartsWithGreekLetter(item.caption));
        }
        return moved;
    });
}

int LookupState::slotOf(long long number) const {
    if (number < 1 || number >= static_cast<long long>(slotOfNumber_.size())) return 0;
    return slotOfNumber_[static_cast<std::size_t>(number)];
}

void LookupState::indexNumbers() {
    slotOfNumber_.assign(kNumberCount, 0);
    // Numbers are unique in a table; were one not, its first slot would count, as in a search.
    for (int slot = tables().entries.count(); slot >= 1; --slot)
        slotOfNumber_[tables().entries[slot].number] = slot;
}

EntryDisplay LookupState::describeShown() const {
    const LoadedLexicon& loaded = lexicon();
    return DescribeEntry(shownSlot(), loaded.tables, loaded.fieldList(), loaded.notes, shownGreek_,
                         loaded.files, loaded.reading, documentHeadings_);
}

std::string LookupState::captionOf(long long number, bool greek) const {
    const EntryRecord& english = tables().entries[slotOf(number)];
    const std::string& greekHeadword = tables().greek[english.greekSlot].headword;
    // An entry without a Greek headword is written in English in either language.
    return ListItemText(greek && !greekHeadword.empty() ? greekHeadword : english.headword,
                        english);
}

void LookupState::search(std::string_view typed, bool personalOnly, const std::string& fieldCode) {
    history_.clearForward();
    fill(typed, searchMode_, personalOnly, fieldCode);
}

void LookupState::search(std::u16string_view typed, bool personalOnly,
                         const std::string& fieldCode) {
    history_.clearForward();
    fill(typed, searchMode_, personalOnly, fieldCode);
}

void LookupState::fill(std::u16string_view typed, SearchMode mode, bool personalOnly,
                       const std::string& fieldCode) {
    const std::u16string_view trimmed = WithoutLeadingBlanks(typed);
    // "*" and "?" typed are wildcards; the "?" that stands for a character the code page lacks
    // is not, and such a text finds nothing as it always did.
    const GreekBytes bytes = Utf16ToGreekSearchText(trimmed);
    fill(bytes.bytes, mode, personalOnly, fieldCode, 0, bytes.complete);
    keepTyped(trimmed, mode);
    if (bytes.complete && !personalOnly) suggestIfNothingFound(bytes.bytes, fieldCode);
}

void LookupState::followTyping(std::u16string_view typed, const std::string& fieldCode) {
    const std::u16string_view trimmed = WithoutLeadingBlanks(typed);
    const GreekBytes bytes = Utf16ToGreekSearchText(trimmed);
    FillResult result = FillList(tables().entries, tables().greek, bytes.bytes, greekMode_,
                                 requestFor(searchMode_, false, fieldCode, 0, bytes.complete));
    entryText_ = std::move(result.entryText);
    if (result.language) setInputLanguage(*result.language);
    clearList();
    setList(std::move(result.items), greekMode_);
    keepTyped(trimmed, searchMode_);
    // The field is the user's while they type: it is never written back, blanks and all.
    fieldText_.assign(typed);
}

void LookupState::suggestForTyped(const std::string& fieldCode) {
    if (!listSearched_ || !list_.empty() || !suggestions_.empty()) return;
    const GreekBytes bytes = Utf16ToGreekSearchText(WithoutLeadingBlanks(fieldText_));
    if (!bytes.complete) return;
    suggestIfNothingFound(bytes.bytes, fieldCode);
    if (!suggestions_.empty()) ++revisions_.status;
}

void LookupState::searchSuggestion(std::size_t index, const std::string& fieldCode) {
    if (index >= suggestions_.size()) return;
    const std::string caption = captionOf(suggestions_[index].number, greekMode_);
    search(GreekToUtf16(caption), false, fieldCode);
}

void LookupState::suggestIfNothingFound(std::string_view bytes, const std::string& fieldCode) {
    if (!list_.empty() || HasWildcards(bytes) || !unsearchable_.empty()) return;
    constexpr std::size_t kOffered = 5;
    FillRequest request;
    request.fieldCode = fieldCode;
    // The entries of the word's stems first, then the closest spellings fill up, each text once.
    std::vector<ListItem> items = HeadwordsWithKeys(tables().entries, tables().greek, greekMode_,
                                                    stemKeys(bytes), request, kOffered);
    AppendDistinctTexts(
        items, SpellingSuggestions(tables().entries, tables().greek, bytes, request, kOffered),
        kOffered);
    for (ListItem& item : items)
        suggestions_.push_back({std::move(item.text), tables().entries[item.slot].number});
}

std::vector<std::string> LookupState::stemKeys(std::string_view text) const {
    if (!stemFinder_) return {};
    text = TrimBlanks(text);
    // Only the last word is reduced: "heat exchangers" is offered "heat exchanger".
    std::size_t wordStart = text.size();
    while (wordStart > 0 && static_cast<unsigned char>(text[wordStart - 1]) > ' ')
        --wordStart;
    const std::string_view before = text.substr(0, wordStart);
    const std::string_view word = text.substr(wordStart);
    if (word.empty()) return {};
    const std::string typedKey = ListKeyIn(greekMode_, text);
    std::vector<std::string> keys;
    for (const std::string& stem : stemFinder_(word, greekMode_)) {
        std::string key = ListKeyIn(greekMode_, std::string(before) + stem);
        if (key.empty() || key == typedKey) continue;
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(std::move(key));
    }
    return keys;
}

void LookupState::keepTyped(std::u16string_view trimmed, SearchMode mode) {
    // A Specific fill puts its entry's headword in the field; every other keeps what was typed.
    if (mode == SearchMode::Specific) return;
    fieldText_.assign(trimmed);
    unsearchable_ = CharactersWithoutByte(trimmed, true);
    ++revisions_.entryText;
}

ListStatus LookupState::listStatus() const {
    if (!unsearchable_.empty()) return {ListStatus::Kind::Unsearchable, 0, unsearchable_, {}};
    if (!listSearched_) return {};
    return {ListStatus::Kind::Found, list_.size(), {}, suggestions_};
}

void LookupState::searchByCriteria(const SearchCriteria& criteria, const std::string& fieldCode,
                                   std::u16string_view typed) {
    criteria_ = criteria;
    history_.clearForward();
    const CriteriaDispatch dispatch = DispatchSearchCriteria(criteria_);
    if (!dispatch.fill) return;
    setEntryText(dispatch.entryText);
    fill(dispatch.entryText, dispatch.mode, false, fieldCode);
    if (dispatch.mode != SearchMode::Multi && !typed.empty())
        keepTyped(WithoutLeadingBlanks(typed), dispatch.mode);
}

void LookupState::fill(std::string_view typed, SearchMode mode, bool personalOnly,
                       const std::string& fieldCode, long long number, bool wildcards) {
    showFilled(FillList(tables().entries, tables().greek, typed, greekMode_,
                        requestFor(mode, personalOnly, fieldCode, number, wildcards)),
               true);
}

FillRequest LookupState::requestFor(SearchMode mode, bool personalOnly,
                                    const std::string& fieldCode, long long number,
                                    bool wildcards) const {
    FillRequest request;
    request.mode = mode;
    request.wildcards = wildcards;
    request.slot = slotOf(number);
    request.personalOnly = personalOnly;
    request.fieldCode = fieldCode;
    request.criteria = criteria_;
    return request;
}

void LookupState::showFilled(FillResult result, bool recordShown) {
    setEntryText(std::move(result.entryText));
    if (result.language) setInputLanguage(*result.language);
    clearList();
    setList(std::move(result.items), greekMode_);
    if (!result.showFirst || list_.empty()) return;
    if (recordShown) {
        choose(0);
    } else {
        show(0);
        history_.renameCurrent(list_.front().text);
    }
}

void LookupState::listWholeLexicon() {
    setEntryText({});
    clearList();
    setList(WholeLexiconItems(tables().entries), false);
}

void LookupState::listFullTextResults(std::vector<ListedEntry> results, std::u16string term) {
    clearList();
    // Found in the load searched: each find is shown as the current load has it, and one that
    // has left it is not listed.
    std::erase_if(results, [this](const ListedEntry& item) { return slotOf(item.number) == 0; });
    for (ListedEntry& item : results)
        item.text = captionOf(item.number, false);
    list_ = std::move(results);
    listGreek_ = false;
    listSearched_ = true;
    fullTextTerm_ = std::move(term);
}

void LookupState::setList(std::vector<ListItem> items, bool greek) {
    fullTextTerm_.clear();
    list_.clear();
    list_.reserve(items.size());
    for (ListItem& item : items)
        list_.push_back({std::move(item.text), tables().entries[item.slot].number});
    listGreek_ = greek;
    listSearched_ = true;
    selectedRow_ = -1;
    ++revisions_.list;
}

void LookupState::setEntryText(std::string text) {
    entryText_ = std::move(text);
    fieldText_ = GreekToUtf16(entryText_);
    unsearchable_.clear();
    ++revisions_.entryText;
}

void LookupState::setInputLanguage(bool greek) {
    greekMode_ = greek;
    ++revisions_.language;
}

void LookupState::detectInputLanguage(std::string_view typed) {
    if (!typed.empty()) setInputLanguage(StartsWithGreekLetter(typed.substr(0, 1)));
}

void LookupState::switchInputLanguage() {
    setInputLanguage(!greekMode_);
    setEntryText({});
}

int LookupState::slotOfRow(int row) const {
    if (row < 0 || row >= static_cast<int>(list_.size())) return 0;
    return slotOf(list_[static_cast<std::size_t>(row)].number);
}

void LookupState::choose(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size())) return;
    show(row);
    const ListedEntry& item = list_[static_cast<std::size_t>(row)];
    history_.record(item.text, item.number);
}

void LookupState::show(int row) {
    selectedRow_ = row;
    shownNumber_ = list_[static_cast<std::size_t>(row)].number;
    shownGreek_ = greekMode_;
    ++revisions_.shown;
}

bool LookupState::chooseFirst() {
    if (list_.empty()) return false;
    choose(0);
    return true;
}

void LookupState::clearShown() {
    shownNumber_ = 0;
    ++revisions_.shown;
}

void LookupState::clearList() {
    fullTextTerm_.clear();
    suggestions_.clear();
    list_.clear();
    listSearched_ = false;
    selectedRow_ = -1;
    ++revisions_.list;
    clearShown();
}

void LookupState::showSaved(long long number) {
    if (slotOf(number) == 0) {
        clearList();
        return;
    }
    const std::string caption = captionOf(number, greekMode_);
    if (history_.currentNumber() != number) {
        showHistoryItem({caption, number, 0});
        return;
    }
    // The entry shown last was changed: it is shown again in its place in the history.
    FillRequest request;
    request.mode = SearchMode::Specific;
    request.slot = slotOf(number);
    showFilled(FillList(tables().entries, tables().greek, caption, greekMode_, request), false);
}

void LookupState::showHistoryItem(const HistoryItem& item) {
    setEntryText(item.caption);
    detectInputLanguage(item.caption);
    fill(item.caption, SearchMode::Specific, false, {}, item.number);
}

void LookupState::back() {
    history_.back([this](const HistoryItem& item) { showHistoryItem(item); });
}

void LookupState::forward() {
    history_.forward([this](const HistoryItem& item) { showHistoryItem(item); });
}

void LookupState::chooseBack(std::size_t index) {
    history_.chooseBack(index, [this](const HistoryItem& item) { showHistoryItem(item); });
}

void LookupState::chooseForward(std::size_t index) {
    history_.chooseForward(index, [this](const HistoryItem& item) { showHistoryItem(item); });
}

}  // namespace orvan::lookup
