// What choosing an entry shows: labels by language, the field, the edit commands by kind, and the
// description body with its supplement.
#include "lexicon/entry_display.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

using test::Cp;

class EntryDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const int gas = lexicon.addEntry("gas", "{\\b gas}", 1, "CHEM");
        lexicon.addGreek(gas, Cp("αέριο"));
        const int engine = lexicon.addEntry("engine", "{engine}", 1, "NOPE");
        lexicon.addGreek(engine, Cp("μηχανή"));
        lexicon.addPersonalEntry(gas, 3, "gasket", "{mine}");
        lexicon.addSupplement(engine, "{my note}");
        lexicon.addField("CHEM", Cp("Χημεία"));
        lexicon.writeLexicon(program.path());
        lexicon.writePersonal(personal.path());
        tables = LoadEntryTable(files, ReadPersonalIndexes(personalFiles), notes);
        fields = *LoadFieldTable(files);
    }

    int slot(const std::string& headword) const {
        for (int slot = 1; slot <= tables.entries.count(); ++slot)
            if (tables.entries[slot].headword == headword) return slot;
        return 0;
    }

    EntryDisplay describe(const std::string& headword, bool greekMode = false,
                          const DocumentHeadings& headings = {}) const {
        return DescribeEntry(slot(headword), tables, fields, notes, greekMode, files, personalFiles,
                             headings);
    }

    test::TempFolder program, personal;
    test::LexiconBuilder lexicon;
    LexiconFiles files{program.path()};
    PersonalFiles personalFiles{personal.path()};
    NoteList notes;
    EntryTables tables;
    FieldTable fields;
};

TEST_F(EntryDisplayTest, LabelsFollowTheLanguage) {
    const EntryDisplay english = describe("gas");
    EXPECT_EQ(english.headwordLabel, "gas");
    EXPECT_EQ(english.rendering, Cp("αέριο"));
    EXPECT_EQ(english.renderingHint, Cp("Ελληνική Απόδοση"));
    EXPECT_EQ(english.fieldText, Cp("Χημεία"));
    const EntryDisplay greek = describe("gas", true);
    EXPECT_EQ(greek.headwordLabel, Cp("αέριο"));
    EXPECT_EQ(greek.rendering, "gas");
    EXPECT_EQ(greek.renderingHint, Cp("Αγγλική Απόδοση"));
    // A field code missing from the field list is shown as it is; no code, no field.
    EXPECT_EQ(describe("engine").fieldText, "NOPE");
    EXPECT_EQ(describe("gasket").fieldText, "");
    EXPECT_EQ(describe("gasket").rendering, "");  // no Greek headword
}

TEST_F(EntryDisplayTest, EachKindReadsItsStoreAndEnablesItsCommands) {
    const EntryDisplay lexiconEntry = describe("gas");
    EXPECT_TRUE(lexiconEntry.modifyEnabled);
    EXPECT_FALSE(lexiconEntry.deleteEnabled);
    EXPECT_EQ(lexiconEntry.body, " \\f60\\fs22\\cf1  {\\b gas}}}}");

    const EntryDisplay own = describe("gasket");
    EXPECT_TRUE(own.modifyEnabled);
    EXPECT_TRUE(own.deleteEnabled);
    EXPECT_EQ(own.body, " \\f60\\fs22\\cf1  {mine}}}}");

    const EntryDisplay annotated = describe("engine");
    EXPECT_TRUE(annotated.deleteEnabled);  // the supplement can be removed
    // The heading "Συμπλήρωση δική σας:" in bold italic, every byte escaped.
    EXPECT_EQ(annotated.body,
              " \\f60\\fs22\\cf1  {engine} \\par {\\b\\i\\f60 "
              "\\'D3\\'F5\\'EC\\'F0\\'EB\\'DE\\'F1\\'F9\\'F3\\'E7\\'20\\'E4\\'E9\\'EA\\'DE"
              "\\'20\\'F3\\'E1\\'F2\\'3A} \\par {\\b0 {my note} }}}");

    // An English interface's heading, escaped the same way: an RTF word in it stays text.
    DocumentHeadings english;
    english.supplement = "Yours: \\b";
    EXPECT_EQ(describe("engine", false, english).body,
              " \\f60\\fs22\\cf1  {engine} \\par {\\b\\i\\f60 "
              "\\'59\\'6F\\'75\\'72\\'73\\'3A\\'20\\'5C\\'62} \\par {\\b0 {my note} }}}");
}

TEST_F(EntryDisplayTest, UnreadableTextsEmptyThePaneOrDropTheSupplement) {
    std::filesystem::remove(personalFiles.texts);
    EXPECT_FALSE(describe("gasket").body.has_value());
    EXPECT_EQ(describe("engine").body, " \\f60\\fs22\\cf1  {engine}}}}");
    std::filesystem::resize_file(files.descriptions, 100);
    EXPECT_FALSE(describe("gas").body.has_value());
}

TEST(DescriptionDocument, IsTheHeaderAndTheBodyEachEndedByCrLf) {
    EXPECT_EQ(DescriptionDocument("{\\rtf1 {{", " x}}}"), "{\\rtf1 {{\r\n x}}}\r\n");
    EXPECT_EQ(DescriptionBody("d", std::nullopt), " \\f60\\fs22\\cf1  d}}}");
}

}  // namespace
}  // namespace orvan
