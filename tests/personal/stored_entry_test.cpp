// What the entry editor starts from and what it is told: the entry as the store holds it, the
// room a description has left, and the store's answers in the user's language.
#include <gtest/gtest.h>

#include "lexicon/text_file.h"
#include "personal/store_messages.h"
#include "personal/stored_entry.h"
#include "personal/user_text.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::PendingEntry;
using personal::StoreStatus;

class StoredEntryTest : public StoreTest {
  protected:
    std::optional<personal::StoredEntry> stored(const std::string& headword) {
        return personal::StoredEntryOf(tables, notes, &fields, personal,
                                       tables.entries[slot(headword)].number);
    }
};

TEST_F(StoredEntryTest, TheEditorStartsFromTheEntryAsStored) {
    const std::string description = "line one\r\nline two ≤ é \\{x}\r\n😀";
    ASSERT_TRUE(insert("beta", Cp("βήτα"), description, 2).done());
    const auto own = stored("beta");
    ASSERT_TRUE(own);
    EXPECT_EQ(own->ref.kind, EntryKind::Personal);
    EXPECT_EQ(own->entry.english, "beta");
    EXPECT_EQ(own->entry.greek, Cp("βήτα"));
    EXPECT_EQ(own->entry.fieldIndex, 2);
    EXPECT_EQ(own->entry.description, description);
    EXPECT_FALSE(own->otherRtf);

    // A lexicon entry: its headwords and science, and the user's note or nothing.
    const auto plain = stored("alpha");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->ref.kind, EntryKind::Lexicon);
    EXPECT_EQ(plain->entry.greek, Cp("άλφα"));
    EXPECT_EQ(plain->entry.fieldIndex, 2);
    EXPECT_EQ(plain->entry.description, "");
    ASSERT_TRUE(update("alpha", {"alpha", "", -1, "my note\r\nsecond line"}).done());
    const auto noted = stored("alpha");
    EXPECT_EQ(noted->ref.kind, EntryKind::Annotated);
    EXPECT_EQ(noted->entry.description, "my note\r\nsecond line");

    // Unchanged means unchanged: no field and the blank row are the same.
    PendingEntry same = own->entry;
    same.fieldIndex = 2;
    EXPECT_TRUE(personal::SameEntry(same, own->entry));
    PendingEntry blank = same, none = same;
    blank.fieldIndex = 0;
    none.fieldIndex = -1;
    EXPECT_TRUE(personal::SameEntry(blank, none));
    same.greek += ' ';
    EXPECT_FALSE(personal::SameEntry(same, own->entry));

    EXPECT_FALSE(personal::StoredEntryOf(tables, notes, &fields, personal, 31999));
}

TEST(UserText, StoredTextsComeBackExactlyAsTyped) {
    for (const std::string& typed :
         std::vector<std::string>{"", "ab", "a\r\nb", "a\rb\nc", "\\'41 {} \\par", "άλφα ≤ 😀 é",
                                  std::string("a\0b", 3), " \r\n \r\n"}) {
        EXPECT_EQ(personal::UnescapeUserText(personal::EscapeUserText(typed)), typed) << typed;
    }
    // Plain characters, as texts written by hand keep them.
    EXPECT_EQ(personal::UnescapeUserText("{\\f60\\fs22 my note}"), "my note");
    EXPECT_EQ(personal::UnescapeUserText("{\\f60\\fs22 \xE1}"), "α");
    // Anything else is RTF of another shape.
    for (const char* other : {"{\\b bold}", "{\\f60\\fs22 {\\i x}}", "{\\f60\\fs22 \\'4}",
                              "{\\f60\\fs22 \\u12}", "{\\f60\\fs22 \\tab}", "{\\f60\\fs22 x"}) {
        EXPECT_FALSE(personal::UnescapeUserText(other)) << other;
    }
}

TEST_F(StoredEntryTest, TheRoomLeftAgreesWithTheStoresLimit) {
    using personal::DescriptionRoomLeft;
    const auto refused = [&](const std::string& description) {
        return personal::CheckEntry(tables, std::nullopt, {"x", "", -1, description}).status ==
               StoreStatus::DescriptionTooLong;
    };
    const long long most = personal::kMaxDescriptionCharacters;
    EXPECT_EQ(DescriptionRoomLeft(""), most);
    // One below the limit, at it, one above.
    for (const auto& [description, room] : std::vector<std::pair<std::string, long long>>{
             {std::string(most - 1, 'x'), 1},
             {std::string(most, 'x'), 0},
             {std::string(most + 1, 'x'), -1},
             // é takes 7 bytes stored, a line break 6 for its two characters.
             {"é" + std::string(most - 1, 'x'), 0},
             {"éé" + std::string(most - 2, 'x'), -1},
             {"a\r\nb" + std::string(most - 3, 'x'), 0},
         }) {
        EXPECT_EQ(DescriptionRoomLeft(description), room) << description.size();
        EXPECT_EQ(refused(description), room < 0) << description.size();
    }
    EXPECT_EQ(personal::DescriptionRoomText(2), "Χωρούν ακόμη 2 χαρακτήρες.");
    EXPECT_EQ(personal::DescriptionRoomText(1), "Χωρά ακόμη 1 χαρακτήρας.");
    EXPECT_EQ(personal::DescriptionRoomText(0), "Χωρούν ακόμη 0 χαρακτήρες.");
    EXPECT_EQ(personal::DescriptionRoomText(-3), "Η περιγραφή ξεπερνά το όριο κατά 3 χαρακτήρες.");
    EXPECT_NE(personal::StoreMessage(StoreStatus::DescriptionTooLong).find(std::to_string(most)),
              std::string::npos);
}

TEST_F(StoredEntryTest, TheStoresAnswersAreToldInGreek) {
    ASSERT_TRUE(insert("beta").done());
    const personal::EntryRef beta{tables.entries[slot("beta")].number, EntryKind::Personal};
    const EntryTables before = tables;
    ASSERT_TRUE(remove("beta").done());
    // Worked out from the tables read before the delete.
    const personal::StoreResult changed = personal::UpdatePersonalEntry(
        {files, before, &fields, personal, *fileSystem}, beta, {"beta", "", -1, "new"});
    ASSERT_EQ(changed.status, StoreStatus::EntryChanged);
    EXPECT_EQ(personal::StoreDetails(changed), "Αριθμός λήμματος: " + std::to_string(beta.number));
    EXPECT_EQ(personal::StoreMessage(changed.status),
              "Το λήμμα άλλαξε ή διαγράφηκε από άλλο πρόγραμμα.");
    EXPECT_NE(changed.reason.find("another program"), std::string::npos);  // orvan-cli's words

    ASSERT_TRUE(insert("zeta").done());
    WriteFileAtomically(personal.texts, "ab");  // shorter than ci.tbo says
    ASSERT_TRUE(insert("gamma").status == StoreStatus::FileError);
    const personal::StoreResult damaged =
        personal::InsertPersonalEntry(context(), {"delta2", "", -1, "x"});
    EXPECT_EQ(personal::StoreDetails(damaged),
              "Φάκελος των λημμάτων σας: " + personal::StoreFolder(personal));
}

}  // namespace
}  // namespace orvan::test
