// orvan-cli print: the entry's print document written to a PDF file without a display, read
// back with poppler's pdftotext, pdfinfo and pdfimages.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "lexicon/text_file.h"
#include "tests/tools/cli_fixture.h"

namespace orvan {
namespace {

using test::CliRun;

// What `command` writes on its standard output.
std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string text;
    for (int c; pipe && (c = std::fgetc(pipe.get())) != EOF;)
        text += static_cast<char>(c);
    return text;
}

// What a poppler tool writes for `pdf`, spaces and line ends collapsed to single blanks.
std::string Poppler(const std::string& tool, const std::string& pdf) {
    const std::string command = tool + " -enc UTF-8 " + test::Quoted(pdf) +
                                (tool == "pdftotext" ? " -" : "") + " 2>/dev/null";
    std::string text;
    for (const char c : Output(command)) {
        const bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\f';
        if (!blank) {
            text += c;
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    return text;
}

using PictureSize = std::pair<int, int>;

// The pixel sizes of the pictures in `pdf`, as pdfimages lists them.
[[maybe_unused]] std::vector<PictureSize> PdfPictures(const std::string& pdf) {
    std::istringstream lines(Output("pdfimages -list " + test::Quoted(pdf) + " 2>/dev/null"));
    std::vector<PictureSize> sizes;
    std::string line;
    // Past the column names and the rule under them: page, num, type, width, height, ...
    for (int row = 0; std::getline(lines, line); ++row) {
        std::istringstream columns(line);
        std::string page, number, type;
        PictureSize size;
        if (row >= 2 && columns >> page >> number >> type >> size.first >> size.second)
            sizes.push_back(size);
    }
    return sizes;
}

class CliPrintTest : public test::CliFixture {
  protected:
    void SetUp() override {
        CliFixture::SetUp();
        if (std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") != 0)
            GTEST_SKIP() << "poppler-utils are not installed";
        // No display: the command finds its own platform.
        for (const char* name : kDisplayVariables) {
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_)
            ::setenv(name.c_str(), value.c_str(), 1);
    }
    std::string pdf(const char* name) const { return home.file(name); }

  private:
    static constexpr const char* kDisplayVariables[] = {"QT_QPA_PLATFORM", "DISPLAY",
                                                        "WAYLAND_DISPLAY"};
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(CliPrintTest, WritesTheEntrysPrintDocumentAsPdf) {
    const CliRun run = cli({"print", "1", "--pdf", pdf("gas.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string text = Poppler("pdftotext", pdf("gas.pdf"));
    EXPECT_NE(text.find("Orvan Λήμμα: gas Απόδοση: αέριο Επιστήμη: Χημεία Περιγραφή: x"),
              std::string::npos)
        << text;
    EXPECT_NE(Poppler("pdfinfo", pdf("gas.pdf")).find("Title: Lexicon: gas "), std::string::npos);
    // Greek mode, on the entry with the user's supplement under its heading.
    ASSERT_EQ(cli({"print", "--greek-mode", "3", "--pdf", pdf("engine.pdf")}).status, 0);
    EXPECT_NE(Poppler("pdftotext", pdf("engine.pdf"))
                  .find("Λήμμα: μηχανή Απόδοση: the engine Επιστήμη: Μηχανολογία Περιγραφή: x "
                        "Συμπλήρωση δική σας: s"),
              std::string::npos);
}

TEST_F(CliPrintTest, ArgumentAndFileErrorsHaveTheirExitStatus) {
    EXPECT_EQ(cli({"print", "1"}).status, 2);  // no --pdf
    EXPECT_EQ(cli({"print", "--pdf", pdf("a.pdf")}).status, 2);
    EXPECT_EQ(cli({"print", "one", "--pdf", pdf("a.pdf")}).status, 2);
    EXPECT_EQ(cli({"print", "4", "--pdf", pdf("a.pdf")}).status, 1);
    const CliRun unwritable = cli({"print", "1", "--pdf", pdf("missing/folder/a.pdf")});
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
    EXPECT_FALSE(std::filesystem::exists(pdf("a.pdf")));
}

#ifdef ORVAN_MEDIUM_DIR
// The sample medium's "triangle" and "circle" link to their drawn figures: the page printed for
// each carries the link and the figure's picture, whole.
TEST_F(CliPrintTest, TheSampleMediumsEntriesPrintTheFiguresTheyLinkTo) {
    if (std::system("command -v pdfimages >/dev/null") != 0) GTEST_SKIP() << "no pdfimages";
    // "E", slot, number, ..., headword: the medium without personal entries.
    const CliRun dump = cli({"-C", ORVAN_MEDIUM_DIR, "dump"}, false);
    ASSERT_EQ(dump.status, 0) << dump.err;
    for (const std::string word : {"triangle", "circle"}) {
        const std::size_t end = dump.out.find("\t" + word + "\n");
        ASSERT_NE(end, std::string::npos) << word;
        std::istringstream line(dump.out.substr(dump.out.rfind("\nE\t", end) + 3));
        std::string slot, number;
        ASSERT_TRUE(line >> slot >> number);
        // The picture's size, from its BMP header.
        const std::string bmp =
            ReadWholeFile(std::string(ORVAN_MEDIUM_DIR) + "/content/fig" + number + "1.bmp")
                .value_or("");
        ASSERT_GE(bmp.size(), 26u) << word;
        // Little-endian; a negative height is a picture stored top row first.
        const auto header = [&](std::size_t at) {
            std::uint32_t value = 0;
            for (std::size_t i = 4; i-- > 0;)
                value = value << 8 | static_cast<unsigned char>(bmp[at + i]);
            return std::abs(static_cast<std::int32_t>(value));
        };

        const std::string file = pdf((word + ".pdf").c_str());
        const CliRun run = cli({"-C", ORVAN_MEDIUM_DIR, "print", slot, "--pdf", file}, false);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(Poppler("pdftotext", file).find("[Σχήμα 1]"), std::string::npos) << word;
        const std::vector<PictureSize> figure{{header(18), header(22)}};
        EXPECT_EQ(PdfPictures(file), figure) << word;
    }
}
#endif

}  // namespace
}  // namespace orvan
