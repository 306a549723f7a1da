// Exchanged entries brought into the store as one change, and taken out of it: where they land,
// which entries they change, what is refused and that a refusal writes nothing.
#include <algorithm>
#include <filesystem>
#include <random>

#include "lexicon/codecs.h"
#include "lexicon/description.h"
#include "lexicon/file_paths.h"
#include "lexicon/search_keys.h"
#include "lexicon/text_file.h"
#include "personal/csv_entries.h"
#include "personal/entry_export.h"
#include "personal/entry_import.h"
#include "personal/merged_tables.h"
#include "richtext/greek_code_page.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::ExchangeEntry;
using personal::ExchangeKind;
using personal::ImportAction;

ExchangeEntry Own(std::string english, std::string greek, std::string description,
                  std::string field = "") {
    ExchangeEntry entry;
    entry.english = std::move(english);
    entry.greek = std::move(greek);
    entry.description = std::move(description);
    entry.fieldCode = std::move(field);
    entry.origin = "line " + entry.english;
    return entry;
}

ExchangeEntry Note(std::string lexiconHeadword, std::string note) {
    ExchangeEntry entry = Own(lexiconHeadword, "", std::move(note));
    entry.kind = ExchangeKind::Note;
    entry.lexiconHeadword = std::move(lexiconHeadword);
    return entry;
}

#define ADD_FAILURE_IF_REFUSED(step)           \
    if ((step).action == ImportAction::Refuse) \
    ADD_FAILURE() << (step).origin << ": " << (step).remark

class ImportTest : public StoreTest {
  protected:
    personal::ImportResult import(const std::vector<ExchangeEntry>& entries) {
        personal::ImportResult result = personal::ImportEntries(context(), entries);
        reload();
        return result;
    }

    std::vector<ExchangeEntry> exported(bool withNotes = true) {
        const LoadedLexicon loaded = personal::LoadLexicon(files, personal);
        auto entries = personal::ExportEntries(loaded, withNotes);
        EXPECT_TRUE(entries) << (entries ? "" : entries.error().message);
        return entries ? *entries : std::vector<ExchangeEntry>{};
    }

    // The user's own entries in the order of the English table: headword, Greek, text.
    std::vector<std::string> ownInTableOrder() const {
        std::vector<std::string> shown;
        for (int slot = 1; slot <= tables.entries.count(); ++slot) {
            const EntryRecord& record = tables.entries[slot];
            if (record.kind != EntryKind::Personal) continue;
            shown.push_back(record.headword + "|" + GreekHeadwordOf(tables, slot) + "|" +
                            ReadEntryDescription(record, files, personal));
        }
        return shown;
    }

    std::vector<std::string> greekInTableOrder() const {
        std::vector<std::string> shown;
        for (int slot = 1; slot <= tables.greek.count(); ++slot)
            shown.push_back(tables.greek[slot].headword);
        return shown;
    }
};

// Many entries placed at once land where inserting them one at a time, in alphabetical order,
// puts them: among the lexicon's entries and among each other. Among the user's earlier entries
// each lands where it would alone, which differs where earlier entries stand out of order: the
// same entries are there, and the files stay whole.
TEST_F(ImportTest, ManyEntriesLandWhereInsertingThemOneByOneInOrderWould) {
    std::mt19937 random(29);
    const auto word = [&](const std::string& letters) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(1, 5)(random);
        for (int i = 0; i < length; ++i)
            text += letters[random() % letters.size()];
        return text;
    };
    const std::string latin = "abdkoz";
    const std::string greek = Cp("αβδκοω");
    TempFolder second;
    const PersonalFiles batchFolder = personal;
    const PersonalFiles oneByOne{second.path()};
    for (int round = 0; round < 40; ++round) {
        // Earlier own entries, the same in both folders.
        std::vector<std::pair<std::string, std::string>> earlier;
        for (int i = round % 2 ? random() % 4 : 0; i > 0; --i)
            earlier.emplace_back(word(latin), word(greek));
        std::vector<ExchangeEntry> entries;
        for (int i = 1 + random() % 12; i > 0; --i) {
            std::string english = word(latin);
            std::string greekWord = random() % 3 ? GreekToUtf8(word(greek)) : "";
            entries.push_back(Own(english, greekWord, "text " + std::to_string(i)));
        }
        for (const PersonalFiles& folderFiles : {batchFolder, oneByOne}) {
            for (const char* name : {"ci.tbo", "cigr.tbo", "clex.tbo", "cnum.tbo"})
                std::filesystem::remove(FolderOf(folderFiles.englishIndex) + "/" + name);
            personal = folderFiles;
            reload();
            for (const auto& [english, greekWord] : earlier)
                ASSERT_TRUE(insert(english, greekWord, "earlier").done());
        }
        personal = batchFolder;
        reload();
        // Entries of the same headwords as earlier ones change them: only new ones are compared.
        std::erase_if(entries, [&](const ExchangeEntry& entry) {
            return std::any_of(earlier.begin(), earlier.end(), [&](const auto& pair) {
                return pair.first == entry.english && GreekToUtf8(pair.second) == entry.greek;
            });
        });
        const personal::ImportResult result = import(entries);
        for (const auto& step : result.plan.steps)
            ADD_FAILURE_IF_REFUSED(step);
        ASSERT_TRUE(result.result.done()) << result.result.reason;
        EXPECT_EQ(result.plan.count(ImportAction::Add), static_cast<int>(entries.size()));
        expectInvariants();
        const auto batchOwn = ownInTableOrder();
        const auto batchGreek = greekInTableOrder();

        personal = oneByOne;
        reload();
        std::vector<ExchangeEntry> sorted = entries;
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return LatinSearchKey(a.english, true) < LatinSearchKey(b.english, true);
        });
        for (const ExchangeEntry& entry : sorted)
            ASSERT_TRUE(insert(entry.english, Cp(entry.greek), entry.description).done());
        if (earlier.empty()) {
            EXPECT_EQ(batchOwn, ownInTableOrder()) << "round " << round;
            EXPECT_EQ(batchGreek, greekInTableOrder()) << "round " << round;
        }
        const auto sortedOf = [](std::vector<std::string> lines) {
            std::sort(lines.begin(), lines.end());
            return lines;
        };
        EXPECT_EQ(sortedOf(batchOwn), sortedOf(ownInTableOrder())) << "round " << round;
        EXPECT_EQ(sortedOf(batchGreek), sortedOf(greekInTableOrder())) << "round " << round;
        if (HasFailure()) return;
    }
}

TEST_F(ImportTest, EntriesOfTheSameHeadwordsChangeTheOwnEntriesAndNotesGoOnLexiconEntries) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "old beta").done());
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "second beta").done());
    ASSERT_TRUE(insert("beta", "", "beta without Greek").done());
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "old note"}).done());
    const long long firstBeta = tables.entries[slot("beta")].number;

    const personal::ImportResult result = import({
        Own("beta", "βήτα", "new beta", "MATH"),
        Own("gamma", "γάμμα", "γ\r\nline two ≤"),
        Note("delta", "a note on delta"),
        Note("kappa", "a new note"),
    });
    ASSERT_TRUE(result.result.done()) << result.result.reason;
    const auto& steps = result.plan.steps;
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].action, ImportAction::Update);
    EXPECT_NE(steps[0].entryNumber, firstBeta);  // a changed own entry gets a new number
    EXPECT_EQ(steps[1].action, ImportAction::Add);
    EXPECT_EQ(steps[2].action, ImportAction::AddNote);
    EXPECT_EQ(steps[3].action, ImportAction::UpdateNote);
    expectInvariants();

    const std::vector<ExchangeEntry> out = exported();
    std::vector<std::string> shown;
    for (const ExchangeEntry& entry : out) {
        shown.push_back((entry.kind == ExchangeKind::Note ? "note " : "") + entry.english + "|" +
                        entry.greek + "|" + entry.fieldCode + "|" + entry.description);
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "beta|||beta without Greek",  // kept: another Greek headword
                         "beta|βήτα|MATH|new beta",
                         "beta|βήτα||second beta",  // the second of the same headwords stays
                         "gamma|γάμμα||γ\r\nline two ≤",
                         "note delta|δέλτα|PHYS|a note on delta",
                         "note kappa|κάππα|PHYS|a new note",
                     }));
}

// Every entry the store cannot take is named with its reason, and nothing at all is written.
TEST_F(ImportTest, RefusedEntriesAreNamedAndNothingIsWritten) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "old beta").done());
    const StoreSnapshot before = snapshot();
    ExchangeEntry broken = Own("x", "", "y");
    broken.problem = "5 columns where the first line names 7";
    const std::vector<ExchangeEntry> entries = {
        Own("fine", "", "text"),
        Own("∑ sum", "", "text"),
        Own(std::string(81, 'w'), "", "text"),
        Own("  ", "", "text"),
        Own("lonely", "", ""),
        Own("long", "", std::string(30000, 'x')),
        Note("nowhere", "text"),
        Note("delta", "first"),
        Note("delta", "second"),
        Note("omega", ""),
        broken,
    };
    const personal::ImportResult result = import(entries);
    EXPECT_EQ(result.result.status, personal::StoreStatus::EntriesRefused);
    EXPECT_EQ(snapshot(), before);
    std::vector<std::string> remarks;
    for (const auto& step : result.plan.steps)
        remarks.push_back(step.remark);
    EXPECT_EQ(result.plan.steps[0].action, ImportAction::Add);
    EXPECT_EQ(result.plan.count(ImportAction::Refuse), 9);
    EXPECT_EQ(result.plan.steps[7].action, ImportAction::AddNote);
    EXPECT_EQ(remarks[1],
              "the English headword \"∑ sum\" holds characters the code page cannot: ∑");
    EXPECT_EQ(remarks[2],
              "the English headword \"" + std::string(81, 'w') + "\" is longer than 80 characters");
    EXPECT_EQ(remarks[3], "it has no English headword");
    EXPECT_EQ(remarks[4], "it has no description");
    EXPECT_EQ(remarks[5], "the description is too long by 5004 characters");
    EXPECT_EQ(remarks[6], "no lexicon entry \"nowhere\" to write the note on");
    EXPECT_EQ(remarks[8],
              "a second note on the lexicon entry \"delta\" (the first is at line delta)");
    EXPECT_EQ(remarks[9], "the note is empty");
    EXPECT_EQ(remarks[10], "5 columns where the first line names 7");
}

TEST_F(ImportTest, MoreNewEntriesThanTheTablesHoldAreRefusedSayingHowManyFit) {
    std::vector<ExchangeEntry> entries;
    for (int i = 0; i < kTableCapacity; ++i)
        entries.push_back(Own("w" + std::to_string(i), "", "t"));
    const StoreSnapshot before = snapshot();
    const personal::ImportResult result = import(entries);
    EXPECT_EQ(result.result.status, personal::StoreStatus::StoreFull);
    EXPECT_EQ(result.plan.refusal,
              "the file adds 40000 entries, but only 39996 more fit: the tables hold at most "
              "40000 records");
    EXPECT_EQ(snapshot(), before);
}

// A term base pairs terms without describing them; a field the list lacks is passed over.
TEST_F(ImportTest, ATermWithoutDescriptionOrWithAnUnknownFieldIsStillImported) {
    ExchangeEntry named = Own("sigma", "σίγμα", "s");
    named.fieldName = "φυσική";  // found by its name, capitals making no difference
    ExchangeEntry unknown = Own("tau", "", "t", "CHEM");
    const personal::ImportResult result =
        import({Own("rho", "ρο", ""), named, unknown, Own("phi", "φι", "", "CHEM")});
    ASSERT_TRUE(result.result.done()) << result.result.reason;
    EXPECT_EQ(result.plan.steps[0].remark, "no description: the Greek headword stands for it");
    EXPECT_EQ(result.plan.steps[1].remark, "");
    EXPECT_EQ(result.plan.steps[2].remark,
              "the science list has no field \"CHEM\": stored without one");
    EXPECT_EQ(result.plan.steps[3].remark,
              "no description: the Greek headword stands for it; the science list has no field "
              "\"CHEM\": stored without one");
    EXPECT_EQ(tables.entries[slot("rho")].fieldCode, "");
    EXPECT_EQ(ReadEntryDescription(tables.entries[slot("rho")], files, personal),
              "{\\f60\\fs22 \\'F1\\'EF}");
    EXPECT_EQ(tables.entries[slot("sigma")].fieldCode, "PHYS");
    EXPECT_EQ(tables.entries[slot("tau")].fieldCode, "");
}

// Brought into a new folder, an entry keeps the number it had, so that its figures stay its own;
// a number already handed out here is never handed out again.
TEST_F(ImportTest, AnEntryKeepsItsNumberWhereNoneUsesItOrHadIt) {
    ASSERT_TRUE(insert("beta", "", "b").done());
    const long long last = tables.entries[slot("beta")].number;
    ExchangeEntry kept = Own("gamma", "", "g");
    kept.number = last + 100;
    ExchangeEntry taken = Own("zeta", "", "z");
    taken.number = last;  // beta's
    ExchangeEntry old = Own("eta", "", "e");
    old.number = 1;
    const personal::ImportResult result = import({kept, taken, old});
    ASSERT_TRUE(result.result.done()) << result.result.reason;
    EXPECT_EQ(tables.entries[slot("gamma")].number, last + 100);
    EXPECT_EQ(tables.entries[slot("zeta")].number, last + 101);
    EXPECT_EQ(tables.entries[slot("eta")].number, last + 102);
}

// Another program's RTF leaves as the text it shows.
TEST_F(ImportTest, AnOwnEntryInAnotherProgramsRtfIsExportedAsTheTextItShows) {
    ASSERT_TRUE(insert("beta", "", "b").done());
    const std::string other = "{\\b bolded text}";
    ASSERT_EQ(ReadWholeFile(personal.texts)->size(), other.size());
    folder.write("clex.tbo", EncodePersonalText(other));
    const std::vector<ExchangeEntry> out = exported();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].description, "bolded text");
}

// What is exported reads back into an empty folder as the same entries, and exports the same.
TEST_F(ImportTest, AnExportImportedIntoAnEmptyFolderExportsTheSame) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "β, \"quoted\"\r\n[Σχήμα 1] ≤ 😀", 2).done());
    ASSERT_TRUE(insert("Gamma ray", "", "g").done());
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "note\r\ntwo lines"}).done());
    const std::string csv = personal::WriteEntriesCsv(exported());
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "english,greek,field_code,field_name,description,kind,lexicon_headword");

    TempFolder fresh;
    personal = PersonalFiles{fresh.path()};
    reload();
    auto read = personal::ReadEntriesCsv(csv, "entries.csv");
    ASSERT_TRUE(read) << read.error().message;
    const personal::ImportResult result = import(*read);
    ASSERT_TRUE(result.result.done()) << result.result.reason;
    EXPECT_EQ(personal::WriteEntriesCsv(exported()), csv);
}

}  // namespace
}  // namespace orvan::test
