// The printed document of an entry: the Greek font and the prologue's end found in the pane's
// RTF, the head with the title and the labelled values, the body and its length, the values in
// either language, and the job's name.
#include "richtext/print_document.h"

#include <gtest/gtest.h>

#include "lexicon/rtf_escape.h"
#include "richtext/greek_code_page.h"

namespace orvan::richtext {
namespace {

std::string Cp(std::u16string_view text) {
    return Utf16ToGreek(text).bytes;
}

TEST(PrintDocumentTest, GreekFontIsTheOneDigitFontBeforeTheFirstGreekCharset) {
    EXPECT_EQ(GreekFontNumber("{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset0 Courier;}"
                              "{\\f1\\fswiss\\fcharset161 Arial;}}"),
              '1');
    // The first Greek font counts; a later one does not.
    EXPECT_EQ(GreekFontNumber("{\\f3\\fcharset161 A;}{\\f4\\fcharset161 B;}"), '3');
    EXPECT_EQ(GreekFontNumber("{\\rtf1{\\fonttbl{\\f1\\fswiss\\fcharset0 Arial;}}"), '0');
    // A font of two digits is no match: the walk goes on to the one-digit font before it.
    EXPECT_EQ(GreekFontNumber("{\\f5\\fnil Mono;}{\\f60\\fswiss\\fcharset161 Arial;}"), '5');
    EXPECT_EQ(GreekFontNumber("{\\f60\\fswiss\\fcharset161 Arial;}"), '0');
    EXPECT_EQ(GreekFontNumber("\\fcharset161"), '0');
}

TEST(PrintDocumentTest, PrologueEndsAtTheBlankOrBraceBeforeTheFirstSizeWord) {
    // \fswiss and \fscript in the font table are passed over; "\fs22 " is a size.
    const std::string_view rtf =
        "{\\rtf1{\\fonttbl{\\f1\\fswiss A;}{\\f2\\fscript B;}}\r\n"
        "\\viewkind4 \\pard\\f1\\fs22 text}";
    EXPECT_EQ(PrologueEnd(rtf), rtf.find(" \\pard"));
    // A size of two digits and a delimiter is one whatever its first digit.
    EXPECT_EQ(PrologueEnd("{\\rtf1 x\\fs36 y}"), 6u);
    EXPECT_EQ(PrologueEnd("{\\rtf1 x\\fs8 y}"), std::nullopt);
    EXPECT_EQ(PrologueEnd("{\\rtf1{\\f0\\fswiss;}}\\fs48}"), 19u);  // the "}" before it
    EXPECT_EQ(PrologueEnd("{\\rtf1 plain}"), std::nullopt);
    EXPECT_EQ(PrologueEnd("\\fs24 x"), std::nullopt);  // nothing before it to split at
}

TEST(PrintDocumentTest, DocumentIsHeadTitleLabelsValuesBodyAndClosingBraces) {
    const std::string pane =
        "{\\rtf1{\\fonttbl{\\f1\\fswiss\\fcharset161 A;}}\\uc1 "
        "\\pard\\plain\\f1\\fs24 {\\f1\\fs22 text}\\par}\r\n";
    const PrintValues values{"gas", Cp(u"αέριο"), "", {}};
    const std::size_t end = pane.find(" \\pard");
    EXPECT_EQ(PrintDocument(pane, values),
              pane.substr(0, end + 1) +
                  " \\qc {\\b\\ul\\f1\\fs24\\cf0 \\'4F\\'72\\'76\\'61\\'6E} \\par \\par \\par \\ql "
                  "{\\i\\f1\\fs24\\cf0 \\'CB\\'DE\\'EC\\'EC\\'E1: \\'09}"
                  "{\\b\\f1\\fs22\\cf0 \\'67\\'61\\'73} \\par \\par"
                  "{\\i\\f1\\fs22\\cf0 \\'C1\\'F0\\'FC\\'E4\\'EF\\'F3\\'E7: \\'09}"
                  "{\\b\\f1\\fs22\\cf0 \\'E1\\'DD\\'F1\\'E9\\'EF} \\par \\par"
                  "{\\i\\f1\\fs22\\cf0 \\'C5\\'F0\\'E9\\'F3\\'F4\\'DE\\'EC\\'E7: \\'09}"
                  // No field: the label stands with an empty value.
                  "{\\b\\f1\\fs22\\cf0 } \\par \\par"
                  "{\\i\\f1\\fs22\\cf0 \\'D0\\'E5\\'F1\\'E9\\'E3\\'F1\\'E1\\'F6\\'DE: \\'09}"
                  "{\\f1\\fs22\\cf0 \r\n" +
                  pane.substr(end) + "\r\n}}}");
}

TEST(PrintDocumentTest, LabelsOfAnotherLanguageStandWhereTheGreekOnesDo) {
    DocumentHeadings labels;
    labels.headword = "Entry";
    labels.rendering = "Translation";
    labels.field = "Field";
    labels.description = "Description";
    const std::string document =
        PrintDocument("{\\rtf1{\\f1\\fcharset161 A;}} \\fs22 x}", {"gas", "g", "f", labels});
    EXPECT_NE(document.find("{\\i\\f1\\fs24\\cf0 " + EscapeAllBytes("Entry") +
                            ": \\'09}"
                            "{\\b\\f1\\fs22\\cf0 \\'67\\'61\\'73}"),
              std::string::npos);
    for (const char* label : {"Translation", "Field", "Description"})
        EXPECT_NE(document.find("{\\i\\f1\\fs22\\cf0 " + EscapeAllBytes(label) + ": \\'09}"),
                  std::string::npos)
            << label;
    EXPECT_EQ(document.find("\\'CB\\'DE"), std::string::npos);  // no Greek label is left
}

TEST(PrintDocumentTest, BraceAtThePrologueEndOpensTheBodyToo) {
    const std::string document = PrintDocument("{\\rtf1{\\f0\\fswiss;}}\\fs22 x}", {});
    EXPECT_TRUE(document.starts_with("{\\rtf1{\\f0\\fswiss;}} \\qc "));
    EXPECT_TRUE(document.ends_with("{\\f0\\fs22\\cf0 \r\n}\\fs22 x}\r\n}}}"));
}

TEST(PrintDocumentTest, BodyIsCutAtTwentyThousandCharacters) {
    const std::string head = "{\\rtf1\\uc1";
    const std::string pane = head + " \\fs22 " + std::string(30000, 'x') + "}";
    const std::string document = PrintDocument(pane, {});
    const std::size_t body = document.find("\r\n") + 2;
    EXPECT_EQ(document.substr(body),
              " \\fs22 " + std::string(kPrintedBodyLength - 7, 'x') + "\r\n}}}");
}

TEST(PrintDocumentTest, PaneWithoutSizeWordGoesWholeAfterTheHead) {
    const std::string document = PrintDocument("{\\rtf1 plain}", {});
    EXPECT_TRUE(document.starts_with(" \\qc {\\b\\ul\\f0\\fs24"));
    EXPECT_TRUE(document.ends_with("\r\n{\\rtf1 plain}\r\n}}}"));
}

TEST(PrintDocumentTest, ValuesFollowTheLanguageModeAndTheFieldTableJobNameTheEnglish) {
    EntryTables tables;
    tables.entries.append({1, "gas", 0, 3, EntryKind::Lexicon, "CHEM", 1, 0, 1});
    tables.entries.append({2, "lever", 0, 3, EntryKind::Lexicon, "", 1, 0, 0});
    tables.entries.append({3, "plain", 0, 3, EntryKind::Lexicon, "ODD", 1, 0, 0});
    tables.greek.append({1, Cp(u"αέριο"), 1});
    FieldTable fields;
    fields.append({"CHEM", Cp(u"Χημεία")});

    const PrintValues english = PrintValuesOf(1, tables, &fields, false);
    EXPECT_EQ(english.headword, "gas");
    EXPECT_EQ(english.rendering, Cp(u"αέριο"));
    EXPECT_EQ(english.fieldName, Cp(u"Χημεία"));
    const PrintValues greek = PrintValuesOf(1, tables, &fields, true);
    EXPECT_EQ(greek.headword, Cp(u"αέριο"));
    EXPECT_EQ(greek.rendering, "gas");

    EXPECT_EQ(PrintValuesOf(2, tables, &fields, false).fieldName, "");
    EXPECT_EQ(PrintValuesOf(2, tables, &fields, false).rendering, "");
    EXPECT_EQ(PrintValuesOf(3, tables, &fields, false).fieldName, "ODD");  // no such field
    EXPECT_EQ(PrintValuesOf(1, tables, nullptr, false).fieldName, "CHEM");

    // The job carries the English headword in either mode, cut to 89 characters.
    EXPECT_EQ(PrintJobOf(1, tables, &fields, true, "").name, "Lexicon: gas");
    EXPECT_EQ(PrintJobName(std::string(80, 'a') + "bcdef"), "Lexicon: " + std::string(80, 'a'));
}

}  // namespace
}  // namespace orvan::richtext
