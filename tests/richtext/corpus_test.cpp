// Reads the RTF files other programs wrote and compares the words shown with pandoc's reading
// of the same files (the Str items of the .native files).
//
// Known differences, left out of the comparison:
// - footnotes: the view does not show them (pandoc keeps them as notes);
// - pictures: the view shows the picture, not its alternative text;
// - letter case: text in capitals (\\caps) keeps its letters as written, pandoc upper-cases them;
// - list markers written as \listtext or \pntext: pandoc turns them into list structure, the view
//   shows them as text, so they are taken out of the RTF before comparing.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <set>
#include <string>

#include "richtext/screen_text.h"

namespace orvan::richtext {
namespace {

const std::filesystem::path kCorpus = ORVAN_RTF_CORPUS_DIR;

std::string ReadBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// The words of pandoc's reading: Str items joined, Space and the start of every block or inline
// container separating them; the content of notes and pictures left out.
QStringList NativeWords(const std::string& native) {
    QString text;
    int skipDepth = -1;    // bracket depth of the group being left out
    int groupsToSkip = 0;  // groups still to leave out: a Note has one, an Image three
    int depth = 0;
    // The document's blocks follow its metadata (author, title), which is not shown text.
    const std::size_t blocks = native.find("\n  [");
    for (std::size_t i = blocks == std::string::npos ? 0 : blocks; i < native.size();) {
        const char c = native[i];
        if (c == '[' || c == '(') {
            ++depth;
            if (skipDepth < 0 && groupsToSkip > 0) {
                skipDepth = depth;
                --groupsToSkip;
            }
            ++i;
            continue;
        }
        if (c == ']' || c == ')') {
            if (depth-- == skipDepth) skipDepth = -1;
            ++i;
            continue;
        }
        if (c == '"') {  // a Haskell string: \NNN, \&, \" and \\ escapes
            std::u32string value;
            for (++i; i < native.size() && native[i] != '"'; ++i) {
                if (native[i] != '\\') {
                    value += static_cast<unsigned char>(native[i]);
                    continue;
                }
                ++i;
                if (std::isdigit(static_cast<unsigned char>(native[i]))) {
                    char32_t code = 0;
                    while (std::isdigit(static_cast<unsigned char>(native[i])))
                        code = code * 10 + (native[i++] - '0');
                    --i;
                    value += code;
                } else if (native[i] == 'n') {
                    value += U'\n';
                } else if (native[i] != '&') {
                    value += static_cast<unsigned char>(native[i]);
                }
            }
            ++i;
            const bool isStr = text.endsWith(QStringLiteral("\x01"));
            if (isStr) {
                text.chop(1);
                if (skipDepth < 0) text += QString::fromUcs4(value.data(), qsizetype(value.size()));
            }
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) {
            std::size_t end = i;
            while (end < native.size() && std::isalnum(static_cast<unsigned char>(native[end])))
                ++end;
            const std::string word = native.substr(i, end - i);
            i = end;
            static const std::set<std::string> kInline = {
                "Emph",      "Strong",    "Underline", "Strikeout", "Superscript",
                "Subscript", "SmallCaps", "Span",      "Link",      "Quoted"};
            if (word == "Str") {
                text += QChar(1);  // the next string is shown text
            } else if (kInline.contains(word)) {
                // inline containers do not separate words
            } else if (word == "Note" && skipDepth < 0) {
                groupsToSkip = 1;
            } else if (word == "Image" && skipDepth < 0) {
                groupsToSkip = 3;
            } else {
                text += QLatin1Char(' ');
            }
            continue;
        }
        ++i;
    }
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Takes {\listtext ...} and {\pntext ...} groups out of an RTF text.
std::string WithoutListMarkers(std::string rtf) {
    for (const char* marker : {"{\\listtext", "{\\pntext"}) {
        for (std::size_t start = rtf.find(marker); start != std::string::npos;
             start = rtf.find(marker, start)) {
            int depth = 0;
            std::size_t end = start;
            for (; end < rtf.size(); ++end) {
                if (rtf[end] == '\\') {
                    ++end;
                    continue;
                }
                if (rtf[end] == '{') ++depth;
                if (rtf[end] == '}' && --depth == 0) break;
            }
            rtf.erase(start, end + 1 - start);
        }
    }
    return rtf;
}

QStringList ShownWords(const std::string& rtf) {
    return ExtractPlainText(WithoutListMarkers(rtf))
        .remove(QChar::ObjectReplacementCharacter)  // where a picture stands
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

class PandocCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(PandocCorpus, ShowsTheWordsPandocReads) {
    if (!std::filesystem::is_directory(kCorpus)) GTEST_SKIP() << "no RTF corpus at " << kCorpus;
    const std::string rtf = ReadBytes(kCorpus / (GetParam() + ".rtf"));
    const std::string native = ReadBytes(kCorpus / (GetParam() + ".native"));
    ASSERT_FALSE(rtf.empty());
    ASSERT_FALSE(native.empty());
    const QStringList expected = NativeWords(native);
    const QStringList shown = ShownWords(rtf);
    // Small capitals and capitals (\\scaps, \\caps) are a matter of display: pandoc writes the
    // letters in capitals, the text keeps them as written. Case is therefore not compared.
    EXPECT_EQ(shown.join(u' ').toLower().toStdString(),
              expected.join(u' ').toLower().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Files, PandocCorpus,
                         ::testing::Values("accent", "bookmark", "footnote", "formatting",
                                           "heading", "image", "link", "list_complex",
                                           "list_legacy", "list_multiparagraph", "list_simple",
                                           "table_error_codes", "table_nested",
                                           "table_nested_malformed_itap", "table_simple",
                                           "unicode"));

}  // namespace
}  // namespace orvan::richtext
