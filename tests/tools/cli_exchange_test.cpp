// orvan-cli's export and import as scripts use them: files that come back the same, refusals that
// name the line and write nothing, and the limits of what is read.
#include <filesystem>
#include <fstream>

#include "lexicon/text_file.h"
#include "tests/tools/cli_fixture.h"

namespace orvan::test {
namespace {

class CliExchangeTest : public CliFixture {
  protected:
    // The personal files as bytes, to tell that nothing was written.
    std::string personalBytes() const {
        std::string bytes;
        for (const char* name : {"ci.tbo", "cigr.tbo", "clex.tbo"})
            bytes += ReadWholeFile(folder + "/" + name).value_or("-") + "|";
        return bytes;
    }
};

TEST_F(CliExchangeTest, EachFormatComesBackTheSameThroughAnEmptyFolder) {
    ASSERT_EQ(cli({"insert", "--english", "pump", "--greek", "αντλία", "--field", "CHEM",
                   "--description", "lifts \"water\", oil\n≤ 1 bar [Σχήμα 1]"})
                  .status,
              0);
    for (const std::string format : {"tbx", "tbx2", "csv"}) {
        const std::string file = home.file("entries." + format);
        const CliRun exported = cli({"export", "--notes", "--format", format, file});
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.out, "exported 2 entries and 1 note to " + file + "\n");

        const std::string original = folder;
        TempFolder fresh;
        folder = fresh.path();
        const CliRun imported = cli({"import", file});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(imported.out,
                  "imported from " + file + ": 2 added, 0 updated, 1 note written, 0 refused\n");
        ASSERT_EQ(cli({"export", "--notes", "--format", format, home.file("again")}).status, 0);
        EXPECT_EQ(ReadWholeFile(home.file("again")).value_or("a"),
                  ReadWholeFile(file).value_or("b"))
            << format;
        // Imported again, the same entries change themselves and add nothing.
        const CliRun twice = cli({"import", "--format", format, file});
        EXPECT_EQ(twice.out,
                  "imported from " + file + ": 0 added, 2 updated, 1 note written, 0 refused\n");
        folder = original;
    }
    // To the standard output, as a pipe takes it.
    const CliRun piped = cli({"export", "--format", "csv", "-"});
    EXPECT_EQ(piped.status, 0);
    EXPECT_TRUE(
        piped.out.starts_with("english,greek,field_code,field_name,description,kind,"
                              "lexicon_headword\r\n"));
}

TEST_F(CliExchangeTest, ADryRunSaysWhatEachEntryWouldDoAndWritesNothing) {
    std::ofstream(home.file("in.csv")) << "english,greek,description,kind\r\n"
                                          "gasket,,updated,entry\r\n"
                                          "valve,βαλβίδα,new one,\r\n"
                                          "the engine,,a note,note\r\n"
                                          "sum ∑,,x,entry\r\n";
    const std::string before = personalBytes();
    const CliRun dry = cli({"import", "--dry-run", home.file("in.csv")});
    EXPECT_EQ(dry.status, 4);
    EXPECT_EQ(dry.out,
              "update line 2: gasket (entry 3)\n"
              "add line 3: valve \u2014 βαλβίδα\n"
              "update note line 4: on the engine (entry 2)\n"
              "refuse line 5: sum ∑: the English headword \"sum ∑\" holds characters the code "
              "page cannot: ∑\n"
              "dry run: 1 to add, 1 to update, 1 note to write, 1 refused; nothing was written\n");
    EXPECT_EQ(dry.err, "orvan-cli: the import would be refused: 1 entry is refused\n");

    // The real import refuses as a whole, naming the line, and writes nothing either.
    const CliRun refused = cli({"import", home.file("in.csv")});
    EXPECT_EQ(refused.status, 4);
    EXPECT_NE(refused.err.find("refuse line 5: sum ∑"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("nothing imported: 1 entry is refused"), std::string::npos);
    EXPECT_EQ(personalBytes(), before);
}

TEST_F(CliExchangeTest, FilesThatAreNotWhatTheySayAreRefusedNamingWhere) {
    const std::string before = personalBytes();
    const auto import = [&](const std::string& name, const std::string& text) {
        std::ofstream(home.file(name)) << text;
        return cli({"import", home.file(name)});
    };
    const CliRun columns = import("columns.csv", "english,greek\r\na,b\r\nc\r\n");
    EXPECT_EQ(columns.status, 4);
    EXPECT_NE(columns.err.find("refuse line 3: 1 column where the first line names 2"),
              std::string::npos)
        << columns.err;
    const CliRun xml = import("broken.tbx", "<tbx>\n<text><body>\n</tbx>\n");
    EXPECT_EQ(xml.status, 3);
    EXPECT_NE(xml.err.find("broken.tbx, line 3"), std::string::npos) << xml.err;
    const CliRun bomb = import("bomb.tbx",
                               "<?xml version=\"1.0\"?>\n<!DOCTYPE tbx [<!ENTITY a \"aaaa\">"
                               "<!ENTITY b \"&a;&a;&a;&a;\">]>\n<tbx>&b;</tbx>\n");
    EXPECT_EQ(bomb.status, 3);
    EXPECT_NE(bomb.err.find("declares entities"), std::string::npos) << bomb.err;
    EXPECT_EQ(import("header.csv", "a,b\r\n").status, 3);
    // Past 64 MiB nothing is read.
    std::filesystem::resize_file(home.file("header.csv"), 64LL * 1024 * 1024 + 1);
    const CliRun large = cli({"import", home.file("header.csv")});
    EXPECT_EQ(large.status, 3);
    EXPECT_NE(large.err.find("larger than the 64 MiB"), std::string::npos) << large.err;
    EXPECT_EQ(personalBytes(), before);

    // An export never replaces the store's own files.
    EXPECT_EQ(cli({"export", folder + "/ci.tbo"}).status, 4);
    EXPECT_EQ(cli({"export", folder + "/../" + std::filesystem::path(folder).filename().string() +
                                 "/clex.tbo.old"})
                  .status,
              4);
    EXPECT_EQ(personalBytes(), before);
    EXPECT_EQ(cli({"import"}).status, 2);
    EXPECT_EQ(cli({"export", "--format", "xlsx", home.file("x")}).status, 2);
}

}  // namespace
}  // namespace orvan::test
