// orvan-cli print: the entry's print document written to a PDF file without a display, read
// back with poppler's pdftotext and pdfinfo.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "tests/tools/cli_fixture.h"

namespace orvan {
namespace {

using test::CliRun;

// What a poppler tool writes for `pdf`, spaces and line ends collapsed to single blanks.
std::string Poppler(const std::string& tool, const std::string& pdf) {
    const std::string command = tool + " -enc UTF-8 " + test::Quoted(pdf) +
                                (tool == "pdftotext" ? " -" : "") + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string text;
    for (int c; pipe && (c = std::fgetc(pipe.get())) != EOF;) {
        const bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\f';
        if (!blank) {
            text += static_cast<char>(c);
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    return text;
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
    std::string Pdf(const char* name) const { return home.File(name); }

  private:
    static constexpr const char* kDisplayVariables[] = {"QT_QPA_PLATFORM", "DISPLAY",
                                                        "WAYLAND_DISPLAY"};
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(CliPrintTest, WritesTheEntrysPrintDocumentAsPdf) {
    const CliRun run = Cli({"print", "1", "--pdf", Pdf("gas.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string text = Poppler("pdftotext", Pdf("gas.pdf"));
    EXPECT_NE(text.find("Orvan Λήμμα: gas Απόδοση: αέριο Επιστήμη: Χημεία Περιγραφή: x"),
              std::string::npos)
        << text;
    EXPECT_NE(Poppler("pdfinfo", Pdf("gas.pdf")).find("Title: Lexicon: gas "), std::string::npos);
    // Greek mode, on the entry with the user's supplement under its heading.
    ASSERT_EQ(Cli({"print", "--greek-mode", "3", "--pdf", Pdf("engine.pdf")}).status, 0);
    EXPECT_NE(Poppler("pdftotext", Pdf("engine.pdf"))
                  .find("Λήμμα: μηχανή Απόδοση: the engine Επιστήμη: Μηχανολογία Περιγραφή: x "
                        "Συμπλήρωση δική σας: s"),
              std::string::npos);
}

TEST_F(CliPrintTest, ArgumentAndFileErrorsHaveTheirExitStatus) {
    EXPECT_EQ(Cli({"print", "1"}).status, 2);  // no --pdf
    EXPECT_EQ(Cli({"print", "--pdf", Pdf("a.pdf")}).status, 2);
    EXPECT_EQ(Cli({"print", "one", "--pdf", Pdf("a.pdf")}).status, 2);
    EXPECT_EQ(Cli({"print", "4", "--pdf", Pdf("a.pdf")}).status, 1);
    const CliRun unwritable = Cli({"print", "1", "--pdf", Pdf("missing/folder/a.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
    EXPECT_FALSE(std::filesystem::exists(Pdf("a.pdf")));
}

}  // namespace
}  // namespace orvan
