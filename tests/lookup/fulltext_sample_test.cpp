// The full-text search over the whole sample medium, with entries and a note of the user's,
// against the slow way it stands for: each description loaded as a whole document into the
// rich-text view and its text taken from there. Both must list the same entries.
#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <map>
#include <vector>

#include "lexicon/description.h"
#include "lexicon/entry_display.h"
#include "lexicon/tables.h"
#include "lookup/full_text_search.h"
#include "personal/merged_tables.h"
#include "richtext/rich_text_view.h"
#include "richtext/screen_text.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

// Words only the user's own texts hold.
constexpr char kPersonalWord[] = "quokkafrond";
constexpr char kNoteWord[] = "zebrawort";

const char* const kWords[] = {
    "engine",                // English
    "μηχανή",                // Greek with its accent
    "μηχανη",                // and without it
    "Engine",                // a capital initial
    "Μηχανή",                //
    "of the",                // two words
    "ελληνοαγγλικό λεξικό",  // a phrase in nearly every entry
    "fs22",                  // only in control words
    "par",                   //
    "—",                     // written as an escaped byte
    "/ˈ",                    // written as a \u word
    kPersonalWord,           // in an entry of the user's
    kNoteWord,               // in a note on a lexicon entry
    "zebrawort ",            // the blank after a note is searched too
};

int RunCli(const std::string& arguments) {
    return std::system(
        (std::string(ORVAN_CLI_PATH) + " -C " ORVAN_MEDIUM_DIR " " + arguments + " >/dev/null")
            .c_str());
}

TEST(FullTextSample, ListsExactlyWhatLoadingEachDocumentIntoTheViewFinds) {
    TempFolder personal;
    const std::string folder = " --personal " + personal.path();
    ASSERT_EQ(RunCli(folder + " insert --english 'aardvark own' --description '{my " +
                     kPersonalWord + " text}'"),
              0);
    // A note on the lexicon's entry in slot 200.
    ASSERT_EQ(RunCli(folder + " update 200 --description '" + kNoteWord + "'"), 0);

    const LexiconFiles files(ORVAN_MEDIUM_DIR "/");
    const PersonalFiles personalFiles(personal.path() + "/");
    NoteList notes;
    const EntryTables tables = personal::LoadMergedTables(files, personalFiles, notes);
    const std::string header = LoadRtfHeader(files);
    ASSERT_GT(tables.entries.count(), 30000);

    // The slow way: every entry's document built as the text files give it and loaded whole.
    std::map<std::string, std::vector<int>> expected;
    richtext::RichTextView view;
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const EntryRecord& entry = tables.entries[slot];
        std::string body = kDescriptionBodyStart;
        if (entry.kind != EntryKind::Personal)
            body += ReadDescription(DescriptionStore::Lexicon, files.descriptions, entry.descPos,
                                    entry.descLen);
        if (entry.kind == EntryKind::Annotated)
            body +=
                ReadSupplement(notes.at(static_cast<size_t>(entry.noteIndex)), personalFiles) + " ";
        if (entry.kind == EntryKind::Personal)
            body += ReadDescription(DescriptionStore::Personal, personalFiles.texts, entry.descPos,
                                    entry.descLen);
        body += "}}}";
        view.clear();
        view.loadRtf(header + "\r\n" + body + "\r\n");
        const QString shown = view.plainText();
        for (const char* word : kWords) {
            if (shown.contains(QString::fromUtf8(word))) expected[word].push_back(slot);
        }
    }

    const lookup::FullTextSources sources{tables, notes, files, personalFiles, header};
    for (const char* word : kWords) {
        std::vector<int> found;
        for (const ListItem& item :
             lookup::SearchDescriptions(sources, richtext::Utf16Of(QString::fromUtf8(word))))
            found.push_back(item.slot);
        EXPECT_EQ(found, expected[word]) << word;
    }
    // The descriptions' text as saved for later searches finds the same.
    const auto texts = lookup::ShownDescriptionTexts(sources);
    ASSERT_TRUE(texts);
    const std::string saved = BuildDescriptionTexts(*texts, "stamp");
    for (const char* word : kWords) {
        const auto finds = SearchDescriptionTexts(
            saved, "stamp", FullTextTerm(richtext::Utf16Of(QString::fromUtf8(word))),
            kFullTextResultLimit);
        ASSERT_TRUE(finds) << word;
        std::vector<int> found;
        for (const FullTextFind& find : *finds) {
            found.push_back(find.item.slot);
            EXPECT_EQ(find.number, tables.entries[find.item.slot].number);
        }
        EXPECT_EQ(found, expected[word]) << word;
    }
    // The cases that find something do.
    for (const char* word :
         {"engine", "μηχανή", "of the", "—", "/ˈ", kPersonalWord, kNoteWord, "zebrawort "})
        EXPECT_FALSE(expected[word].empty()) << word;
    EXPECT_TRUE(expected["fs22"].empty());
    EXPECT_TRUE(expected["Engine"].empty());
}

}  // namespace
}  // namespace orvan::test
