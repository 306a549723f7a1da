#include "lexicon/list_search.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "lexicon/search_keys.h"

namespace orvan {

std::string ListKeyIn(bool greek, std::string_view text) {
    return greek ? GreekListKey(text) : EnglishListKey(text);
}

std::optional<size_t> SecondStartPlace(bool greek, size_t keyLength, int keyStart) {
    // Greek headwords are compared from their first letter only; English ones also from their
    // key start (past a leading article or mark), so that both "ball" and "the ball" find "the
    // ball is in someone's court".
    if (greek) return std::nullopt;
    const size_t from = static_cast<size_t>(std::max(keyStart, 1) - 1);
    if (from > keyLength) return std::nullopt;
    return from;
}

namespace {

bool Holds(KeyTest test, bool greek, std::string_view t, int keyStart, std::string_view key) {
    switch (test) {
        case KeyTest::Pattern: {
            if (MatchesPattern(key, t)) return true;
            const auto from = SecondStartPlace(greek, t.size(), keyStart);
            return from && *from > 0 && MatchesPattern(key, t.substr(*from));
        }
        case KeyTest::Start: {
            if (t.starts_with(key)) return true;
            const auto from = SecondStartPlace(greek, t.size(), keyStart);
            return from && t.substr(*from).starts_with(key);
        }
        case KeyTest::Contain:
            return t.find(key) != std::string_view::npos;
        case KeyTest::End:
            return t.ends_with(key);
    }
    return false;
}

// Walks the table of one language in slot order, handing each headword with its English record
// and slot to `visit`, which says whether the item was listed; stops at the list limit.
template <typename Visit>
void Walk(const EntryTable& entries, const GreekTable& greek, bool greekMode, Visit visit) {
    int listed = 0;
    if (greekMode) {
        for (int slot = 1; slot <= greek.count() && listed < kListLimit; ++slot) {
            const GreekRecord& record = greek[slot];
            listed += visit(record.headword, entries[record.englishSlot], record.englishSlot);
        }
    } else {
        for (int slot = 1; slot <= entries.count() && listed < kListLimit; ++slot) {
            listed += visit(entries[slot].headword, entries[slot], slot);
        }
    }
}

bool PassesRequestFilters(const EntryRecord& english, const FillRequest& request) {
    if (request.personalOnly && english.kind != EntryKind::Personal &&
        english.kind != EntryKind::Annotated)
        return false;
    return request.fieldCode.empty() || english.fieldCode == request.fieldCode;
}

// The language a typed text chooses: that of its first letter, after any leading wildcards of
// a pattern.
bool LanguageOfText(std::string_view text, bool wildcards) {
    if (wildcards && text.find_first_not_of("*?") != std::string_view::npos)
        text.remove_prefix(text.find_first_not_of("*?"));
    return StartsWithGreekLetter(text);
}

// The language the search-criteria dialog's texts choose: that of the first one filled.
bool LanguageOfCriteria(const SearchCriteria& c) {
    const std::string& first = !c.start.empty() ? c.start : !c.contain.empty() ? c.contain : c.end;
    return StartsWithGreekLetter(TrimLeadingBlanks(first));
}

// The text condition of the single-condition modes.
std::optional<KeyTest> TestOf(SearchMode mode) {
    switch (mode) {
        case SearchMode::Start:
            return KeyTest::Start;
        case SearchMode::Contain:
            return KeyTest::Contain;
        case SearchMode::End:
            return KeyTest::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<HeadwordMatch> MatchOfFill(std::string_view entryText, bool greekMode,
                                         const FillRequest& request) {
    HeadwordMatch match;
    match.greek = greekMode;
    match.personalOnly = request.personalOnly;
    match.fieldCode = request.fieldCode;
    const std::string_view text = TrimLeadingBlanks(entryText);
    if (!text.empty()) {
        match.greek = LanguageOfText(text, request.wildcards);
        const auto test = TestOf(request.mode);
        if (!test) return std::nullopt;
        if (request.wildcards && HasWildcards(text)) {
            match.criteria.push_back({KeyTest::Pattern, WildcardKey(match.greek, text)});
        } else {
            match.criteria.push_back({*test, ListKeyIn(match.greek, text)});
        }
        return match;
    }
    // No text: a science filter lists its whole field, the personal filter every own entry
    // (then without the science filter), and the criteria of MULTI what they find.
    if (!request.fieldCode.empty() && request.mode != SearchMode::Multi) return match;
    if (request.personalOnly) {
        match.fieldCode.clear();
        return match;
    }
    if (request.mode != SearchMode::Multi) return std::nullopt;
    // Each criterion is reduced like the headwords of its language, as the single search does.
    const SearchCriteria& c = request.criteria;
    match.greek = LanguageOfCriteria(c);
    if (!c.start.empty())
        match.criteria.push_back({KeyTest::Start, ListKeyIn(match.greek, c.start)});
    if (!c.contain.empty())
        match.criteria.push_back({KeyTest::Contain, ListKeyIn(match.greek, c.contain)});
    if (!c.end.empty()) match.criteria.push_back({KeyTest::End, ListKeyIn(match.greek, c.end)});
    if (match.criteria.empty()) return std::nullopt;
    return match;
}

bool MeetsCriteria(const HeadwordMatch& match, std::string_view headwordKey, int keyStart) {
    for (const KeyCriterion& criterion : match.criteria) {
        if (!Holds(criterion.test, match.greek, headwordKey, keyStart, criterion.key)) return false;
    }
    return true;
}

bool PassesFilters(const HeadwordMatch& match, EntryKind kind, std::string_view fieldCode) {
    if (match.personalOnly && kind != EntryKind::Personal && kind != EntryKind::Annotated)
        return false;
    return match.fieldCode.empty() || fieldCode == match.fieldCode;
}

std::string ListItemText(const std::string& headword, const EntryRecord& english) {
    return english.kind == EntryKind::Personal ? headword + " *" : headword;
}

namespace {

constexpr std::pair<SearchMode, const char*> kModeNames[] = {
    {SearchMode::Start, "START"}, {SearchMode::Contain, "CONTAIN"},   {SearchMode::End, "END"},
    {SearchMode::Multi, "MULTI"}, {SearchMode::Specific, "SPECIFIC"},
};

}  // namespace

const char* SearchModeName(SearchMode mode) {
    for (const auto& [each, name] : kModeNames) {
        if (each == mode) return name;
    }
    return "";
}

std::optional<SearchMode> SearchModeOfName(std::string_view name) {
    for (const auto& [mode, each] : kModeNames) {
        if (each == name) return mode;
    }
    return std::nullopt;
}

std::optional<bool> LanguageOfFill(std::string_view entryText, const FillRequest& request) {
    const std::string_view text = TrimLeadingBlanks(entryText);
    if (!text.empty()) return LanguageOfText(text, request.wildcards);
    if (request.mode == SearchMode::Multi && !request.personalOnly)
        return LanguageOfCriteria(request.criteria);
    return std::nullopt;
}

FillResult FillList(const EntryTable& entries, const GreekTable& greek, std::string_view entryText,
                    bool greekMode, const FillRequest& request) {
    FillResult result;
    const std::string_view text = TrimLeadingBlanks(entryText);
    result.entryText = std::string(text);
    result.language = LanguageOfFill(entryText, request);
    if (!text.empty()) greekMode = *result.language;
    if (!text.empty() && request.mode == SearchMode::Specific) {
        if (request.slot < 1 || request.slot > entries.count()) return result;
        const EntryRecord& english = entries[request.slot];
        const std::string& headword =
            greekMode ? greek[english.greekSlot].headword : english.headword;
        result.items.push_back({ListItemText(headword, english), request.slot});
        result.entryText = headword;
        result.showFirst = true;
        return result;
    }
    const auto match = MatchOfFill(entryText, greekMode, request);
    if (!match) return result;
    Walk(entries, greek, match->greek,
         [&](const std::string& headword, const EntryRecord& english, int slot) {
             if (!PassesFilters(*match, english.kind, english.fieldCode)) return false;
             if (!match->criteria.empty() &&
                 !MeetsCriteria(*match, ListKeyIn(match->greek, headword), english.keyStart))
                 return false;
             result.items.push_back({ListItemText(headword, english), slot});
             return true;
         });
    return result;
}

int BoundedEditDistance(std::string_view a, std::string_view b, int most) {
    const int la = static_cast<int>(a.size()), lb = static_cast<int>(b.size());
    if (std::abs(la - lb) > most) return most + 1;
    // Three rows of the optimal-alignment table: two back for the swaps.
    std::vector<int> before(static_cast<size_t>(lb) + 1), previous(before.size()),
        current(before.size());
    for (int j = 0; j <= lb; ++j)
        previous[static_cast<size_t>(j)] = j;
    for (int i = 1; i <= la; ++i) {
        current[0] = i;
        int rowBest = current[0];
        for (int j = 1; j <= lb; ++j) {
            const size_t J = static_cast<size_t>(j);
            const int change = a[static_cast<size_t>(i) - 1] == b[J - 1] ? 0 : 1;
            int best = std::min({previous[J] + 1, current[J - 1] + 1, previous[J - 1] + change});
            if (i > 1 && j > 1 && a[static_cast<size_t>(i) - 1] == b[J - 2] &&
                a[static_cast<size_t>(i) - 2] == b[J - 1]) {
                best = std::min(best, before[J - 2] + 1);
            }
            current[J] = best;
            rowBest = std::min(rowBest, best);
        }
        if (rowBest > most) return most + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[static_cast<size_t>(lb)], most + 1);
}

namespace {

// An offered headword and how near it stands to what was asked (lower is nearer).
struct RankedItem {
    size_t rank;
    ListItem item;
};

// The nearest of `ranked` first, in table order within a rank, each text once, `limit` at most.
std::vector<ListItem> BestDistinct(std::vector<RankedItem> ranked, size_t limit) {
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedItem& a, const RankedItem& b) { return a.rank < b.rank; });
    std::vector<ListItem> items;
    std::vector<ListItem> each;
    each.reserve(ranked.size());
    for (RankedItem& item : ranked)
        each.push_back(std::move(item.item));
    AppendDistinctTexts(items, std::move(each), limit);
    return items;
}

}  // namespace

void AppendDistinctTexts(std::vector<ListItem>& items, std::vector<ListItem> more, size_t limit) {
    for (ListItem& item : more) {
        if (items.size() >= limit) break;
        const bool repeated = std::any_of(items.begin(), items.end(), [&](const ListItem& kept) {
            return kept.text == item.text;
        });
        if (!repeated) items.push_back(std::move(item));
    }
}

std::vector<ListItem> SpellingSuggestions(const EntryTable& entries, const GreekTable& greek,
                                          std::string_view text, const FillRequest& request,
                                          size_t limit) {
    text = TrimLeadingBlanks(text);
    if (text.empty() || limit == 0) return {};
    const bool greekMode = StartsWithGreekLetter(text);
    const std::string key = ListKeyIn(greekMode, text);
    constexpr int kMost = 2;
    std::vector<RankedItem> near;
    Walk(entries, greek, greekMode,
         [&](const std::string& headword, const EntryRecord& english, int slot) {
             if (!PassesRequestFilters(english, request)) return false;
             const std::string headwordKey = ListKeyIn(greekMode, headword);
             int distance = BoundedEditDistance(key, headwordKey, kMost);
             const auto from = SecondStartPlace(greekMode, headwordKey.size(), english.keyStart);
             if (from && *from > 0) {
                 const std::string_view rest = std::string_view(headwordKey).substr(*from);
                 distance = std::min(distance, BoundedEditDistance(key, rest, kMost));
             }
             if (distance <= kMost)
                 near.push_back(
                     {static_cast<size_t>(distance), {ListItemText(headword, english), slot}});
             return false;
         });
    return BestDistinct(std::move(near), limit);
}

std::vector<ListItem> HeadwordsWithKeys(const EntryTable& entries, const GreekTable& greek,
                                        bool greekMode, const std::vector<std::string>& keys,
                                        const FillRequest& request, size_t limit) {
    if (keys.empty() || limit == 0) return {};
    std::vector<RankedItem> found;
    const auto indexOf = [&](std::string_view key) {
        return static_cast<size_t>(std::find(keys.begin(), keys.end(), key) - keys.begin());
    };
    Walk(entries, greek, greekMode,
         [&](const std::string& headword, const EntryRecord& english, int slot) {
             if (!PassesRequestFilters(english, request)) return false;
             const std::string headwordKey = ListKeyIn(greekMode, headword);
             size_t index = indexOf(headwordKey);
             const auto from = SecondStartPlace(greekMode, headwordKey.size(), english.keyStart);
             if (from && *from > 0)
                 index = std::min(index, indexOf(std::string_view(headwordKey).substr(*from)));
             if (index < keys.size())
                 found.push_back({index, {ListItemText(headword, english), slot}});
             return false;
         });
    return BestDistinct(std::move(found), limit);
}

bool HasWildcards(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

bool MatchesPattern(std::string_view pattern, std::string_view key) {
    // Greedy with one step back to the last run: linear for patterns without nested backtracking.
    size_t p = 0, k = 0;
    size_t runAt = std::string_view::npos, runKey = 0;
    while (k < key.size()) {
        if (p < pattern.size() && (pattern[p] == kAnyOne || pattern[p] == key[k])) {
            ++p;
            ++k;
        } else if (p < pattern.size() && pattern[p] == kAnyRun) {
            runAt = p++;
            runKey = k;
        } else if (runAt != std::string_view::npos) {
            p = runAt + 1;
            k = ++runKey;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == kAnyRun)
        ++p;
    return p == pattern.size();
}

std::string WildcardKey(bool greek, std::string_view text) {
    // Marks the key functions keep as they are (neither blanks, letters, digits nor marks).
    std::string marked(text);
    for (char& c : marked) {
        if (c == '*') c = kAnyRun;
        if (c == '?') c = kAnyOne;
    }
    return ListKeyIn(greek, marked);
}

std::string FieldFilterCode(const FieldTable* fields, int selectedItem) {
    if (fields == nullptr || selectedItem < 1 || selectedItem > fields->count()) return {};
    return std::string(TrimBlanks((*fields)[selectedItem].code).substr(0, 20));
}

std::optional<int> FieldItemNamed(const FieldTable* fields, std::string_view given) {
    const std::string_view text = TrimBlanks(given);
    if (!text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::stoi(std::string(text));
    }
    if (fields == nullptr || text.empty()) return std::nullopt;
    const auto sameLetters = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    };
    for (int item = 1; item <= fields->count(); ++item) {
        if (sameLetters(TrimBlanks((*fields)[item].code), text)) return item;
    }
    const std::string key = ListKeyIn(true, text);
    for (int item = 1; item <= fields->count(); ++item) {
        if (ListKeyIn(true, TrimBlanks((*fields)[item].name)) == key) return item;
    }
    return std::nullopt;
}

CriteriaDispatch DispatchSearchCriteria(const SearchCriteria& criteria) {
    const int filled = !criteria.start.empty() + !criteria.contain.empty() + !criteria.end.empty();
    if (filled == 0) return {};
    if (filled > 1) return {true, SearchMode::Multi, ""};
    if (!criteria.start.empty()) return {true, SearchMode::Start, criteria.start};
    if (!criteria.contain.empty()) return {true, SearchMode::Contain, criteria.contain};
    return {true, SearchMode::End, criteria.end};
}

std::vector<ListItem> WholeLexiconItems(const EntryTable& entries) {
    std::vector<ListItem> items;
    for (int slot = 1; slot <= entries.count() && slot <= kListLimit; ++slot) {
        items.push_back({entries[slot].headword, slot});
    }
    return items;
}

}  // namespace orvan
