// Random sequences of searches, choices, history moves, saved changes and other programs'
// changes, run on the lookup state and on a model that knows entries by a name that never
// changes. After every step the list, the entry shown and both history lists must name the same
// entries in the same order under the same captions.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <random>

#include "lookup/lookup_state.h"
#include "tests/lookup/lookup_state_fixture.h"

namespace orvan::lookup {
namespace {

using test::WordTables;

// The history as the window keeps it, over lasting entry names.
class HistoryModel {
  public:
    struct Item {
        int entry = 0;
        std::string caption;
        int token = 0;
    };

    void record(int entry, const std::string& caption) {
        if (current) {
            const auto same = std::find_if(
                back.begin(), back.end(), [&](const Item& i) { return i.entry == current->entry; });
            if (same != back.end()) back.erase(same);
            back.push_front(*current);
            if (back.size() > kBackListLimit) back.pop_back();
        }
        current = Item{entry, caption, ++tokens};
    }

    std::optional<Item> current;
    std::deque<Item> back, forward;
    int tokens = 0;
};

class LookupStateRandomTest : public ::testing::Test {
  protected:
    LookupStateRandomTest() : words({}) {}

    void start(std::mt19937& random) {
        std::vector<test::Word> start;
        for (int number = 1; number <= 12; ++number)
            start.push_back({number, randomWord(random), EntryKind::Lexicon, ""});
        words = WordTables(start);
        for (const test::Word& word : words.words())
            nameOf[word.number] = ++names;
        state = LookupState();
        state.replaceTables(words.tables());
        model = HistoryModel();
        list.clear();
        shown = 0;
    }

    static std::string randomWord(std::mt19937& random) {
        std::string word;
        const int length = std::uniform_int_distribution(1, 4)(random);
        for (int i = 0; i < length; ++i)
            word += static_cast<char>('a' + std::uniform_int_distribution(0, 2)(random));
        return word;
    }

    long long numberOf(int name) const {
        for (const auto& [number, each] : nameOf) {
            if (each == name) return number;
        }
        return 0;
    }

    std::string captionOf(int name) const {
        const test::Word* word = words.find(numberOf(name));
        return word->english + (word->kind == EntryKind::Personal ? " *" : "");
    }

    // Showing an entry as a history jump or a saved entry does: alone in the list.
    void modelShow(int name, bool record = true) {
        list = {name};
        shown = name;
        if (record) {
            model.record(name, captionOf(name));
        } else {
            model.current->caption = captionOf(name);
        }
    }

    void modelForget(int name) {
        std::erase(list, name);
        if (shown == name) shown = 0;
        for (auto* items : {&model.back, &model.forward})
            std::erase_if(*items, [name](const HistoryModel::Item& i) { return i.entry == name; });
        if (model.current && model.current->entry == name) model.current.reset();
    }

    void modelRename(int name) {
        for (auto* items : {&model.back, &model.forward}) {
            for (HistoryModel::Item& item : *items) {
                if (item.entry == name) item.caption = captionOf(name);
            }
        }
        if (model.current && model.current->entry == name) model.current->caption = captionOf(name);
    }

    void step(std::mt19937& random) {
        const int action = std::uniform_int_distribution(0, 10)(random);
        const auto pick = [&](std::size_t size) {
            return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
        };
        switch (action) {
            case 0:
            case 1: {  // a search from the search field
                state.search(randomWord(random).substr(0, 1), false, "");
                list.clear();
                for (const ListedEntry& item : state.list())
                    list.push_back(nameOf.at(item.number));
                shown = 0;
                model.forward.clear();
                break;
            }
            case 2:
            case 3:  // a click in the list
                if (list.empty()) break;
                {
                    const std::size_t row = pick(list.size());
                    state.choose(static_cast<int>(row));
                    shown = list[row];
                    model.record(shown, captionOf(shown));
                }
                break;
            case 4:  // back
                if (model.back.empty()) break;
                state.back();
                if (!model.current) {  // nothing left behind: the entry shown leaves the list
                    modelShow(model.back.front().entry);
                    model.back.pop_front();
                    break;
                }
                modelShow(model.back.front().entry);
                if (model.back.empty()) break;
                model.forward.push_front(model.back.front());
                for (int i = 0; i < 2 && !model.back.empty(); ++i)
                    model.back.pop_front();
                break;
            case 5:  // forward
                if (model.forward.empty()) break;
                state.forward();
                modelShow(model.forward.front().entry);
                if (!model.forward.empty()) model.forward.pop_front();
                break;
            case 6: {  // an item chosen from one of the pop-up lists
                const bool back = std::uniform_int_distribution(0, 1)(random) == 1;
                auto& items = back ? model.back : model.forward;
                if (items.empty()) break;
                const std::size_t index = pick(items.size());
                const HistoryModel::Item chosen = items[index];
                back ? state.chooseBack(index) : state.chooseForward(index);
                modelShow(chosen.entry);
                model.forward.clear();
                if (back) {
                    std::erase_if(model.back, [&](const HistoryModel::Item& i) {
                        return i.token == chosen.token;
                    });
                }
                break;
            }
            case 7: {  // the user adds an entry, which is then shown
                const long long number = words.insert(randomWord(random));
                nameOf[number] = ++names;
                state.replaceTables(words.tables());
                state.showSaved(number);
                modelShow(names, !model.current || model.current->entry != names);
                break;
            }
            case 8: {  // the user changes the entry shown
                if (shown == 0) break;
                const long long before = numberOf(shown);
                const int name = shown;
                long long after = before;
                if (words.find(before)->kind == EntryKind::Personal) {
                    after = words.change(before, randomWord(random));
                    nameOf.erase(before);
                    nameOf[after] = name;
                } else {
                    words.annotate(before);
                }
                state.replaceTables(words.tables(), Renumbering{before, after});
                modelRename(name);
                state.showSaved(after);
                modelShow(name, !model.current || model.current->entry != name);
                break;
            }
            case 9: {  // the user, or another program, deletes an entry of the user's
                std::vector<long long> own;
                for (const test::Word& word : words.words()) {
                    if (word.kind == EntryKind::Personal) own.push_back(word.number);
                }
                if (own.empty()) break;
                const long long number = own[pick(own.size())];
                words.remove(number);
                state.replaceTables(words.tables());
                modelForget(nameOf.at(number));
                nameOf.erase(number);
                break;
            }
            default: {  // another program adds an entry
                const long long number = words.insert(randomWord(random));
                nameOf[number] = ++names;
                state.replaceTables(words.tables());
                break;
            }
        }
    }

    void check(const std::string& where) {
        std::vector<int> listed;
        for (const ListedEntry& item : state.list())
            listed.push_back(nameOf.at(item.number));
        ASSERT_EQ(listed, list) << where;
        ASSERT_EQ(state.shownNumber() == 0 ? 0 : nameOf.at(state.shownNumber()), shown) << where;
        if (shown != 0) {
            ASSERT_NE(state.shownSlot(), 0) << where;
        }
        const NavigationHistory& history = state.history();
        ASSERT_EQ(history.currentCaption(), model.current ? model.current->caption : "") << where;
        if (model.current) {
            ASSERT_EQ(history.currentNumber(), numberOf(model.current->entry)) << where;
        }
        const auto same = [&](const std::deque<HistoryItem>& items,
                              const std::deque<HistoryModel::Item>& expected) {
            ASSERT_EQ(items.size(), expected.size()) << where;
            for (std::size_t i = 0; i < items.size(); ++i) {
                ASSERT_EQ(nameOf.at(items[i].number), expected[i].entry) << where << " item " << i;
                ASSERT_EQ(items[i].caption, expected[i].caption) << where << " item " << i;
            }
        };
        same(history.backItems(), model.back);
        same(history.forwardItems(), model.forward);
    }

    WordTables words;
    std::map<long long, int> nameOf;  // entry number -> lasting name
    int names = 0;
    LookupState state;
    HistoryModel model;
    std::vector<int> list;
    int shown = 0;
};

TEST_F(LookupStateRandomTest, HistoryAndListFollowTheirEntriesThroughEveryChange) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        start(random);
        for (int steps = 0; steps < 80; ++steps) {
            step(random);
            check("seed " + std::to_string(seed) + " step " + std::to_string(steps));
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace orvan::lookup
