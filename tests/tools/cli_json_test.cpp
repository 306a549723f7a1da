// orvan-cli --json: every command's lines read by a JSON parser and held against the schema of
// its objects (tests/tools/cli_json_schema.json), and the values they carry.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "richtext/greek_code_page.h"
#include "tests/tools/cli_fixture.h"
#include "tools/cli/json_lines.h"

namespace orvan {
namespace {

using test::CliRun;
using test::Cp;

struct SchemaCheck {
    int status = -1;
    std::string counts;  // "entry=2" for each shape: the lines that fitted it
};

// `lines` read by python3's json module and checked against the schema's `shapes` (named as in
// the schema file, separated by commas).
SchemaCheck CheckJsonLines(const std::string& lines, const std::string& shapes) {
    const test::TempFolder folder;
    folder.write("lines.json", lines);
    const std::string command = "python3 " + test::Quoted(ORVAN_JSON_CHECK) + " " +
                                test::Quoted(ORVAN_JSON_SCHEMA) + " " + shapes + " < " +
                                test::Quoted(folder.file("lines.json"));
    SchemaCheck check;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return check;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        check.counts.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    check.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!check.counts.empty() && check.counts.back() == '\n') check.counts.pop_back();
    return check;
}

// The writer itself: what each character becomes.
TEST(JsonLines, StringsEscapeQuotesBackslashesAndEveryControlCharacter) {
    using cli::JsonString;
    EXPECT_EQ(JsonString(""), R"("")");
    EXPECT_EQ(JsonString("a\"b\\c/d"), R"("a\"b\\c/d")");
    EXPECT_EQ(JsonString(std::string("\b\f\n\r\t\x01\x1F\x7F\0", 9)),
              R"("\b\f\n\r\t\u0001\u001f\u007f\u0000")");
    // C1 controls and the two JavaScript line ends are escaped; other characters stay UTF-8.
    EXPECT_EQ(JsonString("\u0085\u009F\u00A0\u2028\u2029\u2027αé€😀"),
              "\"\\u0085\\u009f\u00A0\\u2028\\u2029\u2027αé€😀\"");
    // Malformed UTF-8 never passes through: each bad byte is U+FFFD.
    EXPECT_EQ(JsonString("a\xFF\xC2"
                         "b\xED\xA0\x80"),
              "\"a\uFFFD\uFFFDb\uFFFD\uFFFD\uFFFD\"");
}

TEST(JsonLines, EveryCodePageByteBecomesValidJsonInUtf8) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    const std::string line = cli::JsonObject().codePage("text", bytes).line() +
                             cli::JsonObject().text("text", bytes).line();
    EXPECT_TRUE(IsUtf8(line));
    EXPECT_EQ(CheckJsonLines(line, "probe").counts, "probe=2") << line;
    EXPECT_EQ(cli::JsonObject().number("a", 12).text("b", "x").line(), R"({"a":12,"b":"x"})"
                                                                       "\n");
    EXPECT_EQ(cli::JsonObject().line(), "{}\n");
}

using CliJsonTest = test::CliFixture;

// The headword on the first line of show's plain output.
std::string PlainHeadword(const std::string& shown) {
    return shown.substr(0, shown.find('\n'));
}

TEST_F(CliJsonTest, ListCommandsWriteAnEntryObjectPerItemInTheListsOrder) {
    const std::string gas =
        R"({"slot":1,"entry":1,"kind":"lexicon","english":"gas","greek":"αέριο",)"
        R"("field_code":"CHEM","field_name":"Χημεία"})"
        "\n";
    const std::string gasket =
        R"({"slot":2,"entry":3,"kind":"personal","english":"gasket","greek":"",)"
        R"("field_code":"MECH","field_name":"Μηχανολογία"})"
        "\n";
    const std::string engine =
        R"({"slot":3,"entry":2,"kind":"annotated","english":"the engine","greek":"μηχανή",)"
        R"("field_code":"MECH","field_name":"Μηχανολογία"})"
        "\n";
    const CliRun search = cli({"search", "--json", "gas"});
    EXPECT_EQ(search.status, 0);
    EXPECT_EQ(search.out, gas + gasket);
    // Found by its Greek headword, the item is still the English entry behind it.
    EXPECT_EQ(cli({"search", "--json", "--greek-mode", "--mode", "contain", "ΜΗΧ"}).out, engine);
    EXPECT_EQ(cli({"search", "--json", "--field", "2", "--numbers"}).out, gasket + engine);
    EXPECT_EQ(cli({"multi", "--json", "--start", "ga", "--end", "et"}).out, gasket);
    const CliRun fulltext = cli({"fulltext", "--json", "x"});
    EXPECT_EQ(fulltext.status, 0) << fulltext.err;
    EXPECT_EQ(fulltext.out, gas + engine);
    EXPECT_EQ(cli({"search", "--json", "zzz"}).out, "");

    EXPECT_EQ(CheckJsonLines(gas + gasket + engine, "entry").counts, "entry=3");
}

TEST_F(CliJsonTest, ShowWritesTheDescriptionAsThePaneShowsItAndAsItsRtf) {
    const CliRun plain = cli({"show", "3"});
    const CliRun run = cli({"show", "--json", "3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(CheckJsonLines(run.out, "shown").counts, "shown=1") << run.out;
    // The plain output's lines after the headword, rendering and field are the pane's text.
    size_t descriptionStart = 0;
    for (int line = 0; line < 3; ++line)
        descriptionStart = plain.out.find('\n', descriptionStart) + 1;
    std::string paneText = plain.out.substr(descriptionStart);
    paneText.pop_back();
    const std::string expectedText = cli::JsonString(paneText);
    EXPECT_NE(run.out.find(R"("text":)" + expectedText + R"(,"rtf":"{\\rtf1)"), std::string::npos)
        << run.out.substr(0, 400);
    // The document the pane loads: the prologue, then the body with the supplement's heading.
    EXPECT_NE(run.out.find(R"({\\b\\i\\f60 )"), std::string::npos);
    EXPECT_EQ(run.out.rfind("}}}\\r\\n\"}\n"), run.out.size() - 10);
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);  // one line

    // By entry number, and in Greek mode, the same object: it always names both headwords.
    EXPECT_EQ(cli({"show", "--json", "--entry", "2"}).out, run.out);
    EXPECT_EQ(cli({"show", "--json", "--greek-mode", "3"}).out, run.out);
    EXPECT_EQ(cli({"show", "--json", "9"}).status, 1);

    // look writes the same object for each entry it finds, and no article text around them.
    const CliRun looked = cli({"look", "--json", "--color=always", PlainHeadword(plain.out)});
    EXPECT_EQ(looked.status, 0) << looked.err;
    EXPECT_EQ(CheckJsonLines(looked.out, "shown").counts.rfind("shown=", 0), 0u) << looked.out;
    EXPECT_NE(looked.out.find(run.out), std::string::npos) << looked.out.substr(0, 400);
    EXPECT_EQ(looked.out.find('\x1b'), std::string::npos);
}

TEST_F(CliJsonTest, DumpWritesAnObjectForEveryLineOfThePlainDump) {
    const CliRun run = cli({"dump", "--json"});
    EXPECT_EQ(run.status, 0);
    const SchemaCheck check = CheckJsonLines(run.out, "dump-field,dump-entry,dump-greek,dump-note");
    EXPECT_EQ(check.status, 0) << run.out;
    EXPECT_EQ(check.counts, "dump-field=2 dump-entry=3 dump-greek=2 dump-note=1");
    EXPECT_EQ(run.out,
              R"({"record":"field","slot":1,"code":"CHEM","name":"Χημεία"})"
              "\n"
              R"({"record":"field","slot":2,"code":"MECH","name":"Μηχανολογία"})"
              "\n"
              R"({"record":"entry","slot":1,"entry":1,"kind":"lexicon","desc_pos":57601,)"
              R"("desc_len":3,"key_start":1,"note_index":0,"greek_slot":1,"field_code":"CHEM",)"
              R"("english":"gas"})"
              "\n"
              R"({"record":"entry","slot":2,"entry":3,"kind":"personal","desc_pos":1,)"
              R"("desc_len":3,"key_start":1,"note_index":0,"greek_slot":0,"field_code":"MECH",)"
              R"("english":"gasket"})"
              "\n"
              R"({"record":"entry","slot":3,"entry":2,"kind":"annotated","desc_pos":57604,)"
              R"("desc_len":3,"key_start":5,"note_index":0,"greek_slot":2,"field_code":"MECH",)"
              R"("english":"the engine"})"
              "\n"
              R"({"record":"greek","slot":1,"entry":1,"english_slot":1,"english_entry":1,)"
              R"("greek":"αέριο"})"
              "\n"
              R"({"record":"greek","slot":2,"entry":2,"english_slot":3,"english_entry":2,)"
              R"("greek":"μηχανή"})"
              "\n"
              R"({"record":"note","index":0,"location":"0000000400003"})"
              "\n");
    // --numbers changes nothing: a greek object always gives its English entry's number.
    EXPECT_EQ(cli({"dump", "--json", "--numbers"}).out, run.out);
}

TEST_F(CliJsonTest, HeadwordsWithQuotesBackslashesAndUnmappedBytesStayValidJson) {
    // A headword may hold any byte of the code page but the index's own separators: quotes,
    // backslashes, controls, and the two bytes the page leaves without a character (U+FFFD).
    test::LexiconBuilder odd;
    odd.addEntry("say \"a\\b\" \x01\x7F\x81\xAA\xD2\xFF end", "{x}", 1, "Q\"");
    odd.addField("Q\"", "\\");
    odd.writeLexicon(program.path());
    const CliRun run = cli({"search", "--json", "say"}, false);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(CheckJsonLines(run.out, "entry").counts, "entry=1") << run.out;
    EXPECT_EQ(run.out, R"({"slot":1,"entry":1,"kind":"lexicon","english":)"
                       R"("say \"a\\b\" \u0001\u007f\u0081ª�� end",)"
                       R"("greek":"","field_code":"Q\"","field_name":"\\"})"
                       "\n");
}

}  // namespace
}  // namespace orvan
