// What the reader tells its outputs about fonts, colours and formats.
#include <gtest/gtest.h>

#include "richtext/rtf_reader.h"
#include "tests/richtext/recording_output.h"

namespace orvan::richtext {
namespace {

using testing::RecordingOutput;
using Kind = RecordingOutput::Event::Kind;

RecordingOutput Read(std::string_view rtf) {
    RecordingOutput output;
    ReadRtf(rtf, output);
    return output;
}

TEST(RtfReaderFormat, FontTableWithFamiliesCharsetsAndCodePages) {
    const auto output = Read(
        "{\\rtf1\\ansi\\ansicpg1253\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times;}"
        "{\\f1\\fswiss\\fcharset161{\\*\\panose 020b}Arial Greek;}{\\f2 Plain}"
        "\\f3\\fmodern\\cpg1251 Courier;}x}");
    const RtfTables& tables = output.tables();
    ASSERT_EQ(tables.fonts.size(), 4u);
    EXPECT_EQ(tables.fonts[0].name, "Times");
    EXPECT_EQ(tables.fonts[0].family, RtfFont::Family::Roman);
    EXPECT_EQ(tables.fonts[0].codePage, 1252);
    EXPECT_EQ(tables.fonts[1].name, "Arial Greek");
    EXPECT_EQ(tables.fonts[1].charset, 161);
    EXPECT_EQ(tables.fonts[1].codePage, 1253);
    EXPECT_EQ(tables.fonts[2].name, "Plain");   // closed by its brace, not by a semicolon
    EXPECT_EQ(tables.fonts[2].codePage, 1253);  // no character set: the document's code page
    EXPECT_EQ(tables.fonts[3].family, RtfFont::Family::Modern);
    EXPECT_EQ(tables.fonts[3].codePage, 1251);
    EXPECT_EQ(tables.defaultFont, 1);
    EXPECT_EQ(tables.font(-1)->name, "Arial Greek");
}

TEST(RtfReaderFormat, ColourTableStartsWithTheAutomaticColour) {
    const auto output = Read("{\\rtf1{\\colortbl;\\red0\\green0\\blue128;\\red300\\blue7;}x}");
    const RtfTables& tables = output.tables();
    ASSERT_EQ(tables.colours.size(), 3u);
    EXPECT_TRUE(tables.colours[0].isAuto);
    EXPECT_EQ(tables.colour(1), (RtfColour{false, 0, 0, 128}));
    EXPECT_EQ(tables.colour(2), (RtfColour{false, 255, 0, 7}));
    EXPECT_TRUE(tables.colour(9).isAuto);
}

TEST(RtfReaderFormat, CharacterFormatsAndTheirOffForms) {
    const auto output = Read(
        "{\\rtf1 {\\b\\i\\ul\\fs36\\cf2\\highlight3\\f5 on}"
        "{\\b\\b0\\i\\i0\\ul\\ul0 off}{\\ul\\ulnone none}{\\uldb\\strike\\super up}"
        "{\\b\\fs30\\plain plain}{\\cb4\\sub down}}");
    const RtfCharFormat on = output.run(u"on")->chars;
    EXPECT_TRUE(on.bold);
    EXPECT_TRUE(on.italic);
    EXPECT_EQ(on.underline, RtfUnderline::Single);
    EXPECT_EQ(on.halfPoints, 36);
    EXPECT_EQ(on.foreground, 2);
    EXPECT_EQ(on.background, 3);
    EXPECT_EQ(on.font, 5);
    EXPECT_EQ(output.run(u"off")->chars, RtfCharFormat{});
    EXPECT_EQ(output.run(u"none")->chars.underline, RtfUnderline::None);
    const RtfCharFormat up = output.run(u"up")->chars;
    EXPECT_EQ(up.underline, RtfUnderline::Double);
    EXPECT_TRUE(up.strike);
    EXPECT_EQ(up.vertical, RtfVertical::Super);
    EXPECT_EQ(output.run(u"plain")->chars, RtfCharFormat{});
    EXPECT_EQ(output.run(u"down")->chars.background, 4);
    EXPECT_EQ(output.run(u"down")->chars.vertical, RtfVertical::Sub);
}

TEST(RtfReaderFormat, ParagraphFormatInForceAtItsEnd) {
    const auto output = Read(
        "{\\rtf1 \\qc\\li720\\ri360\\fi-180\\sb120\\sa240\\sl-300\\slmult0\\tqr\\tx2880\\tx4320 "
        "first\\par\\pard second\\qj\\par\\pard\\qr third}");
    std::vector<RtfParagraphFormat> ends;
    for (const auto& event : output.events)
        if (event.kind == Kind::Paragraph || event.kind == Kind::Finish)
            ends.push_back(event.paragraph);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[0].alignment, RtfAlignment::Centre);
    EXPECT_EQ(ends[0].leftIndent, 720);
    EXPECT_EQ(ends[0].rightIndent, 360);
    EXPECT_EQ(ends[0].firstIndent, -180);
    EXPECT_EQ(ends[0].spaceBefore, 120);
    EXPECT_EQ(ends[0].spaceAfter, 240);
    EXPECT_EQ(ends[0].lineSpacing, -300);
    ASSERT_EQ(ends[0].tabCount, 2);
    EXPECT_EQ(ends[0].tabs[0], (RtfTabStop{2880, RtfTabStop::Kind::Right}));
    EXPECT_EQ(ends[0].tabs[1], (RtfTabStop{4320, RtfTabStop::Kind::Left}));
    EXPECT_EQ(ends[1].alignment, RtfAlignment::Justify);  // set after the text, before \par
    EXPECT_EQ(ends[1].leftIndent, 0);
    EXPECT_EQ(ends[2].alignment, RtfAlignment::Right);  // the last paragraph has no \par
}

TEST(RtfReaderFormat, LengthsAreCutToAPagesSize) {
    const auto output = Read("{\\rtf1 \\li2147483647\\fi-2147483648\\tx99999999 x}");
    const RtfParagraphFormat& last = output.events.back().paragraph;
    EXPECT_EQ(last.leftIndent, kMaxTwips);
    EXPECT_EQ(last.firstIndent, -kMaxTwips);
    EXPECT_EQ(last.tabs[0].position, kMaxTwips);
}

TEST(RtfReaderFormat, HyperlinkFieldsMarkTheirResult) {
    const auto output = Read(
        "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"https://example.org/a\"}{\\fldrslt link}}"
        " {\\field{\\*\\fldinst HYPERLINK \\\\l \"mark\"}{\\fldrslt local}}}");
    ASSERT_EQ(output.tables().links.size(), 1u);
    EXPECT_EQ(output.tables().links[0], u"https://example.org/a");
    EXPECT_EQ(output.run(u"link")->chars.link, 0);
    EXPECT_EQ(output.run(u"local")->chars.link, -1);
    EXPECT_EQ(output.run(u" ")->chars.link, -1);
}

TEST(RtfReaderFormat, TablesArriveWholeWithTheirCellFormats) {
    const auto output = Read(
        "{\\rtf1 a\\trowd\\cellx10\\pard\\intbl\\qc {\\b A}\\cell\\pard\\intbl B\\cell\\row"
        "\\pard\\intbl C\\cell\\row\\pard b}");
    ASSERT_EQ(output.events.size(), 4u);
    EXPECT_EQ(output.events[0].text, u"a");
    ASSERT_EQ(output.events[1].kind, Kind::Table);
    const RtfTable& table = output.events[1].table;
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.columnCount(), 2u);
    EXPECT_EQ(table.rows[0][0][0].format.alignment, RtfAlignment::Centre);
    EXPECT_TRUE(table.rows[0][0][0].runs[0].format.bold);
    EXPECT_EQ(table.rows[1][0][0].runs[0].text, u"C");
    EXPECT_EQ(output.events[2].text, u"b");
}

TEST(RtfReaderFormat, NestedTableCellsBecomeParagraphsOfTheOuterCell) {
    const auto output = Read(
        "{\\rtf1\\trowd\\pard\\intbl\\itap2 A\\nestcell B\\nestcell"
        "{\\*\\nesttableprops\\trowd\\nestrow}{\\nonesttables fallback\\par}"
        "\\pard\\intbl\\itap1 outer\\cell\\row}");
    ASSERT_EQ(output.events[0].kind, Kind::Table);
    const RtfTable::Cell& cell = output.events[0].table.rows.at(0).at(0);
    ASSERT_EQ(cell.size(), 3u);
    EXPECT_EQ(cell[0].runs[0].text, u"A");
    EXPECT_EQ(cell[1].runs[0].text, u"B");
    EXPECT_EQ(cell[2].runs[0].text, u"outer");
}

}  // namespace
}  // namespace orvan::richtext
