// Thousands of seeded sequences of inserts, updates, deletes and removed supplements, each step
// checked against a model of what the user's entries should be after it, and against the store's
// invariants.
#include <algorithm>
#include <filesystem>
#include <random>

#include "lexicon/description.h"
#include "tests/personal/store_fixture.h"
#include "tests/support/sanitized.h"

namespace orvan::test {
namespace {

struct ModelEntry {
    std::string english, greek, fieldCode, text;
    bool operator==(const ModelEntry&) const = default;
    bool operator<(const ModelEntry& other) const {
        return std::tie(english, greek, fieldCode, text) <
               std::tie(other.english, other.greek, other.fieldCode, other.text);
    }
};

class RandomStoreTest : public StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        fileSystem = &unflushed;
    }

    std::string word(std::mt19937& random, bool greek) {
        static const std::string latin = "abcdefghijklmnopqrstuvwxyz";
        static const std::string greekLetters = Cp("αβγδεζηθικλμνξοπρστυφχψωάέή");
        const std::string& letters = greek ? greekLetters : latin;
        std::string word;
        const int length = std::uniform_int_distribution<int>(1, 7)(random);
        for (int i = 0; i < length; ++i) {
            word += letters[std::uniform_int_distribution<size_t>(0, letters.size() - 1)(random)];
        }
        if (!greek && random() % 5 == 0) word[0] = static_cast<char>(std::toupper(word[0]));
        if (!greek && random() % 7 == 0) word = "3-" + word;
        return word;
    }

    std::string description(std::mt19937& random) {
        static const std::string pieces[] = {"text", "\r\n", Cp("λέξη"), "\r", "{}\\", " "};
        std::string text;
        const int count = std::uniform_int_distribution<int>(1, 6)(random);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % std::size(pieces)];
        return text;
    }

    std::vector<ModelEntry> tableEntries() const {
        std::vector<ModelEntry> entries;
        for (int slot = 1; slot <= tables.entries.count(); ++slot) {
            const EntryRecord& record = tables.entries[slot];
            if (record.kind != EntryKind::Personal) continue;
            std::string greek;
            for (int g = 1; g <= tables.greek.count(); ++g) {
                if (tables.greek[g].englishSlot == slot) greek += tables.greek[g].headword;
            }
            entries.push_back({record.headword, greek, record.fieldCode,
                               ReadEntryDescription(record, files, personal)});
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    std::map<std::string, std::string> tableSupplements() const {
        std::map<std::string, std::string> supplements;
        for (int slot = 1; slot <= tables.entries.count(); ++slot) {
            const EntryRecord& record = tables.entries[slot];
            if (record.kind == EntryKind::Annotated) {
                supplements[record.headword] = ReadSupplement(notes.at(record.noteIndex), personal);
            }
        }
        return supplements;
    }

    int randomSlotOfKind(std::mt19937& random, const std::string& kinds) {
        std::vector<int> slots;
        for (int slot = 1; slot <= tables.entries.count(); ++slot)
            if (kinds.find(KindLetter(tables.entries[slot].kind)) != std::string::npos)
                slots.push_back(slot);
        return slots.empty() ? 0 : slots[random() % slots.size()];
    }

    ModelEntry modelOf(int slot) const {
        for (const ModelEntry& entry : tableEntries())
            if (entry.english == tables.entries[slot].headword &&
                entry.text == ReadEntryDescription(tables.entries[slot], files, personal))
                return entry;
        return {};
    }

    UnflushedFiles unflushed;
};

TEST_F(RandomStoreTest, SequencesLeaveExactlyTheEntriesTheyShould) {
    const std::string fieldCodes[] = {"", "", "MATH", "PHYS"};  // rows -1, 0, 1, 2
    const unsigned seeds = kSanitized ? 400 : 1500;
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        std::mt19937 random(seed);
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directories(folder.path());
        reload();
        std::vector<ModelEntry> model;
        std::map<std::string, std::string> supplements;
        for (int step = 0; step < 8; ++step) {
            const int choice = static_cast<int>(random() % 11);
            const int field = static_cast<int>(random() % 4) - 1;
            const std::string english = word(random, false);
            const std::string greek = random() % 2 ? word(random, true) : "";
            const std::string written = description(random);
            const std::string text = personal::EscapeUserText(written);
            if (choice < 4) {
                ASSERT_TRUE(insert(english, greek, written, field).done());
                model.push_back({english, greek, fieldCodes[field + 1], text});
            } else if (choice < 6) {
                const int slot = randomSlotOfKind(random, "C");
                if (slot == 0) continue;
                const ModelEntry old = modelOf(slot);
                ASSERT_TRUE(personal::UpdatePersonalEntry(
                                context(), {tables.entries[slot].number, EntryKind::Personal},
                                {english, greek, field, written})
                                .done());
                reload();
                model.erase(std::find(model.begin(), model.end(), old));
                model.push_back({english, greek, fieldCodes[field + 1], text});
            } else if (choice < 8) {
                const int slot = randomSlotOfKind(random, "LA");
                const std::string headword = tables.entries[slot].headword;
                const EntryRecord& record = tables.entries[slot];
                ASSERT_TRUE(personal::UpdatePersonalEntry(context(), {record.number, record.kind},
                                                          {headword, "", -1, written})
                                .done());
                reload();
                supplements[headword] = text;
            } else if (choice < 10) {
                const int slot = randomSlotOfKind(random, "C");
                if (slot == 0) continue;
                const ModelEntry old = modelOf(slot);
                ASSERT_TRUE(
                    personal::DeletePersonalEntry(context(), tables.entries[slot].number).done());
                reload();
                model.erase(std::find(model.begin(), model.end(), old));
            } else {
                // Any entry: only one with a supplement has it removed, the others are refused.
                const int slot = randomSlotOfKind(random, "LAC");
                const EntryRecord record = tables.entries[slot];
                const auto result = personal::DeleteSupplement(context(), record.number);
                reload();
                if (record.kind == EntryKind::Annotated) {
                    ASSERT_TRUE(result.done()) << result.reason;
                    supplements.erase(record.headword);
                } else {
                    ASSERT_EQ(result.status, personal::StoreStatus::EntryChanged);
                }
            }
            std::sort(model.begin(), model.end());
            ASSERT_EQ(tableEntries(), model) << "seed " << seed << ", step " << step;
            ASSERT_EQ(tableSupplements(), supplements) << "seed " << seed << ", step " << step;
            ASSERT_EQ(tables.entries.count(), 4 + static_cast<int>(model.size()));
            ASSERT_NO_FATAL_FAILURE(expectInvariants()) << "seed " << seed << ", step " << step;
            if (HasFailure()) return;
        }
    }
}

}  // namespace
}  // namespace orvan::test
