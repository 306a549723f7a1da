// The settings file, reading descriptions, and preparing a lexicon release.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <utility>

#include "lexicon/codecs.h"
#include "lexicon/conversions.h"
#include "lexicon/description.h"
#include "lexicon/settings.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

TEST(WriteSettings, KeepsTheLinesTheCallerLeavesEmpty) {
    test::TempFolder folder;
    const std::string path = folder.file("Orvan.ini");
    folder.write("Orvan.ini", "NO\r\n");
    ASSERT_TRUE(WriteSettings(path, "", "/home/u/mine"));
    EXPECT_EQ(folder.read("Orvan.ini"), "NO\r\n/home/u/mine\r\n");

    folder.write("Orvan.ini", "NO");
    ASSERT_TRUE(WriteSettings(path, "YES", ""));
    EXPECT_EQ(folder.read("Orvan.ini"), "YES\r\n");

    std::remove(path.c_str());
    ASSERT_TRUE(WriteSettings(path, "", ""));
    EXPECT_EQ(folder.read("Orvan.ini"), "YES\r\n");
    ASSERT_TRUE(WriteSettings(path, "", "/x"));
    EXPECT_EQ(folder.read("Orvan.ini"), "YES\r\n/x\r\n");

    EXPECT_FALSE(WriteSettings("", "YES", ""));
    EXPECT_FALSE(WriteSettings(folder.file("gone/Orvan.ini"), "YES", ""));

    // Kept with a CR LF, a line 1 that just fits would make a file too long to read back.
    const std::string longLine(kSettingsFileLimit - 1, 'Y');
    folder.write("Orvan.ini", longLine + "\n");
    EXPECT_FALSE(WriteSettings(path, "", "/x"));
    EXPECT_EQ(folder.read("Orvan.ini"), longLine + "\n");
}

TEST(ReadSettings, OnlyExactlyNoSuppressesTheStartScreen) {
    test::TempFolder folder;
    EXPECT_FALSE(ReadSettings(folder.file("Orvan.ini")));
    for (const auto& [text, shows] : std::vector<std::pair<std::string, bool>>{
             {"NO\r\n", false}, {"no\r\n", true}, {"NO \r\n", true}, {"", true}}) {
        folder.write("Orvan.ini", text);
        EXPECT_EQ(ShowsStartScreen(*ReadSettings(folder.file("Orvan.ini"))), shows) << text;
    }
    folder.write("Orvan.ini", "YES\n/data/personal");
    EXPECT_EQ(ReadSettings(folder.file("Orvan.ini"))->secondLine, "/data/personal");
}

TEST(ReadSettings, AFileLongerThanTheLimitIsNotReadAndTheStartUpGoesOnWithout) {
    test::TempFolder folder;
    const std::string path = folder.file("Orvan.ini");
    const std::string lines = "NO\r\n" + folder.path() + "\r\n";
    std::string problem = "stale";
    folder.write("Orvan.ini", lines + std::string(kSettingsFileLimit - lines.size(), ' '));
    EXPECT_EQ(ReadSettings(path, &problem)->secondLine, folder.path());
    EXPECT_EQ(problem, "");

    folder.write("Orvan.ini", lines + std::string(kSettingsFileLimit + 1 - lines.size(), ' '));
    EXPECT_FALSE(ReadSettings(path, &problem));
    EXPECT_EQ(problem, path + " is longer than 65536 bytes");
    // As a file that cannot be read: the defaults, and the file left as it is.
    const StartUpSettings settings = PrepareSettings({folder.path(), "", ""}, SettingsProbe());
    EXPECT_EQ(settings.path, path);
    EXPECT_TRUE(settings.showStartScreen);
    EXPECT_EQ(settings.personalFolder, "");
    EXPECT_EQ(settings.problem, path + " is longer than 65536 bytes");  // for the window to tell
    EXPECT_EQ(CheckPersonalFolderSetting(path, SettingsProbe()).state, PersonalFolderState::Unset);
    EXPECT_EQ(folder.read("Orvan.ini").size(), static_cast<size_t>(kSettingsFileLimit + 1));

    std::remove(path.c_str());
    EXPECT_FALSE(ReadSettings(path, &problem));
    EXPECT_EQ(problem, "");  // no file is no problem
}

// A file system of names, for the settings search.
class FakeProbe : public SettingsProbe {
  public:
    std::set<std::string> files, folders;
    bool writable = true;
    mutable std::set<std::string> created;

    bool fileExists(const std::string& path) const override { return files.contains(path); }
    bool folderExists(const std::string& path) const override { return folders.contains(path); }
    bool createEmptyFile(const std::string& path) const override {
        if (writable) created.insert(path);
        return writable;
    }
};

TEST(LocateSettingsFile, SearchesConfigDocumentsHomeThenChoosesWhereToCreate) {
    const SettingsFolders folders{"/c", "/d", "/h"};
    FakeProbe probe;
    probe.files = {"/d/Orvan.ini", "/h/Orvan.ini"};
    SettingsLocation found = LocateSettingsFile(folders, probe);
    EXPECT_EQ(found.path, "/d/Orvan.ini");
    EXPECT_TRUE(found.exists);
    EXPECT_TRUE(probe.created.empty());

    probe.files.clear();
    found = LocateSettingsFile(folders, probe);
    EXPECT_EQ(found.path, "/c/Orvan.ini");
    EXPECT_FALSE(found.exists);
    EXPECT_EQ(probe.created, std::set<std::string>{"/c/Orvan.txt"});

    probe.writable = false;
    probe.folders = {"/d"};
    EXPECT_EQ(LocateSettingsFile(folders, probe).path, "/d/Orvan.ini");
    probe.folders.clear();
    EXPECT_EQ(LocateSettingsFile(folders, probe).path, "/h/Orvan.ini");
    EXPECT_EQ(FindSettingsFile(folders, probe), "");
}

TEST(PrepareSettings, ReadsTheFileFoundOrCreatesItWithYes) {
    test::TempFolder config, documents, home;
    const SettingsFolders folders{config.path(), documents.path(), home.path()};
    const SettingsProbe disk;
    StartUpSettings settings = PrepareSettings(folders, disk);
    EXPECT_EQ(settings.path, config.file("Orvan.ini"));
    EXPECT_TRUE(settings.showStartScreen);
    EXPECT_EQ(settings.personalFolder, "");
    EXPECT_EQ(config.read("Orvan.ini"), "YES\r\n");

    documents.write("Orvan.ini", "NO\r\n/data/mine\r\n");  // found before the one in config
    std::remove(config.file("Orvan.ini").c_str());
    settings = PrepareSettings(folders, disk);
    EXPECT_EQ(settings.path, documents.file("Orvan.ini"));
    EXPECT_FALSE(settings.showStartScreen);
    EXPECT_EQ(settings.personalFolder, "/data/mine");  // not tested here
}

TEST(CheckPersonalFolderSetting, TellsAValidFolderFromNoneAndFromAMissingOne) {
    test::TempFolder folder;
    const SettingsProbe disk;
    const std::string path = folder.file("Orvan.ini");
    EXPECT_EQ(CheckPersonalFolderSetting(path, disk).state, PersonalFolderState::Unset);
    folder.write("Orvan.ini", "YES\r\n");
    EXPECT_EQ(CheckPersonalFolderSetting(path, disk).state, PersonalFolderState::Unset);
    folder.write("Orvan.ini", "YES\r\n" + folder.file("gone") + "\r\n");
    EXPECT_EQ(CheckPersonalFolderSetting(path, disk).state, PersonalFolderState::Invalid);
    folder.write("Orvan.ini", "NO\r\n" + folder.path() + "\r\n");
    const PersonalFolderCheck valid = CheckPersonalFolderSetting(path, disk);
    EXPECT_EQ(valid.state, PersonalFolderState::Valid);
    EXPECT_EQ(valid.folder, folder.path());
    // A folder named from wherever the program starts, or a line damaged by a NUL byte, is not
    // used even when it names a folder that is there: the folder dialog asks again.
    for (const std::string& line : {std::string("."), folder.path() + std::string("\0x", 2)}) {
        folder.write("Orvan.ini", "NO\r\n" + line + "\r\n");
        EXPECT_EQ(CheckPersonalFolderSetting(path, disk).state, PersonalFolderState::Invalid);
        EXPECT_NE(PersonalFolderLineProblem(line), "");
    }
    EXPECT_EQ(PersonalFolderLineProblem(folder.path()), "");
}

TEST(ReadDescription, ReadsEachStoreWithItsOwnCodec) {
    test::TempFolder program, personal;
    test::LexiconBuilder lexicon;
    lexicon.addEntry("one", "{\\b one}");
    lexicon.addEntry("two", "{two}");
    lexicon.addPersonalEntry(1, 3, "mine", "{personal text}");
    lexicon.addSupplement(2, "{supplement}");
    lexicon.writeLexicon(program.path());
    lexicon.writePersonal(personal.path());
    NoteList notes;
    const LexiconFiles files(program.path());
    const PersonalFiles personalFiles(personal.path());
    const EntryTables tables = LoadEntryTable(files, ReadPersonalIndexes(personalFiles), notes);

    EXPECT_EQ(ReadEntryDescription(tables.entries[1], files, personalFiles), "{\\b one}");
    EXPECT_EQ(ReadEntryDescription(tables.entries[2], files, personalFiles), "{personal text}");
    EXPECT_EQ(ReadEntryDescription(tables.entries[3], files, personalFiles), "{two}");
    EXPECT_EQ(ReadSupplement(notes[tables.entries[3].noteIndex], personalFiles), "{supplement}");
}

TEST(ReadDescription, BadPositionsAndLengthsGiveEmptyOrCutTexts) {
    test::TempFolder folder;
    folder.write("lex.tbo", EncodeLexText(1, "0123456789"));
    const std::string path = folder.file("lex.tbo");
    EXPECT_EQ(ReadDescription(DescriptionStore::Lexicon, path, 8, 100), "89");
    EXPECT_EQ(ReadDescription(DescriptionStore::Lexicon, path, 11, 1), "");
    EXPECT_EQ(ReadDescription(DescriptionStore::Lexicon, path, -5, 3), "");
    EXPECT_EQ(ReadDescription(DescriptionStore::Lexicon, path, 0, -3), "");
    EXPECT_EQ(ReadDescription(DescriptionStore::Personal, path, 0, 3), "");
    EXPECT_EQ(ReadDescription(DescriptionStore::Lexicon, folder.file("none"), 0, 3), "");
    EXPECT_EQ(ReadSupplement("garbage", PersonalFiles(folder.path())), "");
    EXPECT_EQ(ReadSupplement("0000000100003", PersonalFiles()), "");
}

TEST(ReadDescription, OneOpenReaderReadsAsEachSingleReadDoes) {
    test::TempFolder folder;
    std::string plain;
    for (int i = 0; i < 400; ++i)
        plain += "text " + std::to_string(i) + ";";
    folder.write("lex.tbo", EncodeLexText(1, plain));
    const std::string path = folder.file("lex.tbo");
    // A small read-ahead, so that texts fall inside, across and outside its blocks, forwards,
    // backwards and past the end.
    DescriptionReader reader(DescriptionStore::Lexicon, path, 64);
    ASSERT_TRUE(reader.open());
    const long long size = static_cast<long long>(plain.size());
    for (const auto& [position, length] : {std::pair{0LL, 10LL},
                                           {5LL, 20LL},
                                           {60LL, 10LL},
                                           {3000LL, 200LL},
                                           {2LL, 3LL},
                                           {size - 4, 100LL},
                                           {size, 5LL},
                                           {size + 1, 5LL},
                                           {100LL, 0LL}}) {
        EXPECT_EQ(reader.read(position, length),
                  TryReadDescription(DescriptionStore::Lexicon, path, position, length))
            << position << " " << length;
    }
    std::string appended = "kept:";
    EXPECT_TRUE(reader.readInto(0, 4, appended));
    EXPECT_EQ(appended, "kept:text");
    EXPECT_FALSE(reader.readInto(size + 1, 4, appended));
    EXPECT_EQ(appended, "kept:text");
    EXPECT_FALSE(DescriptionReader(DescriptionStore::Lexicon, folder.file("none")).open());
}

TEST(Conversions, ScrambleIndexLinesByLineNumberAndTheStoreByPosition) {
    test::TempFolder folder;
    folder.write("i_.tbo", "first line\r\nsecond\nthird");
    ConvertIndexFile(folder.file("i_.tbo"), folder.file("i.tbo"));
    const auto lines = SplitLines(folder.read("i.tbo"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], EncodeIndexLine(1, "first line"));
    EXPECT_EQ(lines[1], EncodeIndexLine(2, "second"));
    EXPECT_EQ(lines[2], EncodeIndexLine(3, "third"));
    EXPECT_EQ(folder.read("i.tbo").substr(lines[0].size(), 2), "\r\n");

    folder.write("lex_.tbo", std::string("abc\r\n\0z", 7));
    ConvertLexiconFile(folder.file("lex_.tbo"), folder.file("lex.tbo"));
    const std::string stored = folder.read("lex.tbo");
    ASSERT_EQ(stored.size(), 7u);
    EXPECT_EQ(stored.substr(0, 3), "\x7E\x80\x82");
    EXPECT_EQ(DecodeLexText(4, stored.substr(3, 2)), "\r\n");

    folder.write("empty_.tbo", "");
    ConvertLexiconFile(folder.file("empty_.tbo"), folder.file("empty.tbo"));
    EXPECT_EQ(folder.read("empty.tbo"), "");
    EXPECT_THROW(ConvertIndexFile(folder.file("missing"), folder.file("x")), PreparationError);
    EXPECT_THROW(ConvertLexiconFile(folder.file("i_.tbo"), folder.file("no/x")), PreparationError);
}

TEST(Conversions, AnIndexOfMoreRecordsThanATableIsRefusedAndNothingWritten) {
    test::TempFolder folder;
    std::string lines;
    for (int n = 1; n <= kTableCapacity; ++n)
        lines += "line\r\n";
    folder.write("i_.tbo", lines);
    ConvertIndexFile(folder.file("i_.tbo"), folder.file("i.tbo"));
    EXPECT_EQ(SplitLines(folder.read("i.tbo")).size(), static_cast<size_t>(kTableCapacity));

    folder.write("i_.tbo", lines + "one more");
    folder.write("i.tbo", "as it was");
    try {
        ConvertIndexFile(folder.file("i_.tbo"), folder.file("i.tbo"));
        ADD_FAILURE() << "converted";
    } catch (const PreparationError& error) {
        EXPECT_EQ(
            std::string(error.what()),
            folder.file("i_.tbo") + " holds 40001 records, more than the 40000 a table holds");
    }
    EXPECT_EQ(folder.read("i.tbo"), "as it was");
}

TEST(Conversions, ByteRangeComparesEveryByteWithBothEnds) {
    test::TempFolder folder;
    folder.write("igr_.tbo", "A\r\n");
    EXPECT_EQ(FormatByteRange(ByteRangeCheck(folder.file("igr_.tbo"))), "65  -  65");
    folder.write("igr_.tbo", "\r\nBz\r\n" + test::Cp("ω") + std::string("\0\x01", 2));
    EXPECT_EQ(FormatByteRange(ByteRangeCheck(folder.file("igr_.tbo"))), "66  -  249");
    EXPECT_THROW(ByteRangeCheck(folder.file("missing")), PreparationError);
}

}  // namespace
}  // namespace orvan
