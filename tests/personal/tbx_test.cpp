// The user's entries as a term base: the exact documents written in both shapes, what they read
// back as, files written by other terminology tools, and the documents refused whole.
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "personal/tbx_reader.h"
#include "personal/tbx_writer.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::personal {
namespace {

// An entry as one line of text, every field the round trip keeps, so that a difference shows.
std::string Shown(const ExchangeEntry& e) {
    return std::string(e.kind == ExchangeKind::Note ? "note " : "entry ") +
           std::to_string(e.number) + " en=" + e.english + " el=" + e.greek +
           " code=" + e.fieldCode + " field=" + e.fieldName +
           " text=" + testing::PrintToString(e.description) + " on=" + e.lexiconHeadword;
}

std::vector<std::string> Shown(const std::vector<ExchangeEntry>& entries) {
    std::vector<std::string> lines;
    for (const ExchangeEntry& entry : entries)
        lines.push_back(Shown(entry));
    return lines;
}

ExchangeEntry Own(long long number, std::string english, std::string greek,
                  std::string description = "", std::string field = "") {
    ExchangeEntry entry;
    entry.number = number;
    entry.english = std::move(english);
    entry.greek = std::move(greek);
    entry.description = std::move(description);
    entry.fieldName = std::move(field);
    return entry;
}

ExchangeEntry Note(long long number, std::string headword, std::string text) {
    ExchangeEntry entry = Own(number, headword, "", std::move(text));
    entry.kind = ExchangeKind::Note;
    entry.lexiconHeadword = std::move(headword);
    return entry;
}

std::vector<ExchangeEntry> ReadTerms(std::string_view bytes) {
    auto entries = ReadTbx(bytes, "terms.tbx");
    EXPECT_TRUE(entries) << (entries ? "" : entries.error().message);
    return entries ? *entries : std::vector<ExchangeEntry>{};
}

std::string TbxRefusal(std::string_view bytes) {
    const auto entries = ReadTbx(bytes, "terms.tbx");
    if (entries) return "(read " + std::to_string(entries->size()) + " entries)";
    EXPECT_EQ(entries.error().code, ErrorCode::Damaged);
    EXPECT_EQ(entries.error().path, "terms.tbx");
    return entries.error().message;
}

const std::vector<ExchangeEntry> kEntryAndNote = {
    Own(35001, "gas", "αέριο", "A state of matter", "Chemistry"),
    Note(120, "valve", "check the seat"),
};

TEST(TbxWriter, WritesTheCurrentShapeExactly) {
    EXPECT_EQ(WriteTbx(kEntryAndNote, TbxShape::Current),
              R"(<?xml version="1.0" encoding="UTF-8"?>
<tbx type="TBX-Basic" style="dca" xml:lang="en" xmlns="urn:iso:std:iso:30042:ed-2">
  <tbxHeader>
    <fileDesc>
      <sourceDesc>
        <p>Orvan: the user's own entries and notes</p>
      </sourceDesc>
    </fileDesc>
  </tbxHeader>
  <text>
    <body>
      <conceptEntry id="entry-35001">
        <descrip type="subjectField">Chemistry</descrip>
        <langSec xml:lang="en">
          <descrip type="definition">A state of matter</descrip>
          <termSec>
            <term>gas</term>
          </termSec>
        </langSec>
        <langSec xml:lang="el">
          <termSec>
            <term>αέριο</term>
          </termSec>
        </langSec>
      </conceptEntry>
      <conceptEntry id="note-120">
        <langSec xml:lang="en">
          <note>check the seat</note>
          <termSec>
            <term>valve</term>
          </termSec>
        </langSec>
      </conceptEntry>
    </body>
  </text>
</tbx>
)");
}

TEST(TbxWriter, WritesTheOlderShapeExactly) {
    EXPECT_EQ(WriteTbx(kEntryAndNote, TbxShape::Martif),
              R"(<?xml version="1.0" encoding="UTF-8"?>
<martif type="TBX-Basic" xml:lang="en">
  <martifHeader>
    <fileDesc>
      <sourceDesc>
        <p>Orvan: the user's own entries and notes</p>
      </sourceDesc>
    </fileDesc>
    <encodingDesc>
      <p type="XCSURI">TBXBasicXCSV02.xcs</p>
    </encodingDesc>
  </martifHeader>
  <text>
    <body>
      <termEntry id="entry-35001">
        <descrip type="subjectField">Chemistry</descrip>
        <langSet xml:lang="en">
          <descrip type="definition">A state of matter</descrip>
          <tig>
            <term>gas</term>
          </tig>
        </langSet>
        <langSet xml:lang="el">
          <tig>
            <term>αέριο</term>
          </tig>
        </langSet>
      </termEntry>
      <termEntry id="note-120">
        <langSet xml:lang="en">
          <note>check the seat</note>
          <tig>
            <term>valve</term>
          </tig>
        </langSet>
      </termEntry>
    </body>
  </text>
</martif>
)");
}

TEST(TbxWriter, EscapesMarkupAndLineEndsAndReplacesWhatXmlCannotHold) {
    ExchangeEntry entry = Own(7, "a<b> & \"c\"", "", "one\r\ntwo\rthree\nfour");
    entry.fieldCode = "F&1";
    const std::string text =
        WriteTbx({entry, Own(8, "x\x01y\xEF\xBF\xBEz\xFFw\tv", "")}, TbxShape::Current);
    EXPECT_NE(text.find("<term>a&lt;b&gt; &amp; \"c\"</term>"), std::string::npos) << text;
    EXPECT_NE(text.find("<descrip type=\"subjectField\">F&amp;1</descrip>"), std::string::npos);
    EXPECT_NE(text.find(">one\ntwo&#13;three\nfour</descrip>"), std::string::npos) << text;
    EXPECT_NE(text.find("<term>x\uFFFDy\uFFFDz\uFFFDw\tv</term>"), std::string::npos) << text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

// An entry without a number takes its place in the list, or the next number from there that no
// other entry of its kind has, so that the ids stay unique.
TEST(TbxWriter, EntriesWithoutANumberGetUniqueIdsFromTheirPlace) {
    const std::string text = WriteTbx(
        {Own(0, "a", ""), Own(1, "b", ""), Note(0, "c", ""), Own(0, "d", ""), Note(1, "e", "")},
        TbxShape::Current);
    std::vector<std::string> ids;
    for (const ExchangeEntry& entry : ReadTerms(text)) {
        ids.push_back((entry.kind == ExchangeKind::Note ? "note-" : "entry-") +
                      std::to_string(entry.number));
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"entry-2", "entry-1", "note-3", "entry-4", "note-1"}));
}

TEST(TbxRoundTrip, WhatIsWrittenReadsBackTheSameInBothShapes) {
    ExchangeEntry coded = Own(12, "café au lait", "καφές με γάλα", "", "");
    coded.fieldCode = "FD";
    ExchangeEntry named = Own(13, "naïve", "", "x", "Φυσική");
    named.fieldCode = "PH";
    const std::vector<ExchangeEntry> entries = {
        Own(35001, "ångström", "άνγκστρεμ", "Line one\r\nΓραμμή δύο\r\n\r\n  indented",
            "Φυσική & Χημεία"),
        Own(35002, "emoji 😀 𝔸", "ψ 𐍈", "\r\r\nlone\rCR\r", ""),
        Note(4711, "valve <seat>", "σημείωση\r\nsecond line"),
        coded,
        named,
    };
    std::vector<ExchangeEntry> expected = entries;
    expected[3].fieldName = "FD";  // a field written by its code reads back as its name
    expected[3].fieldCode.clear();
    expected[4].fieldCode.clear();
    for (const TbxShape shape : {TbxShape::Current, TbxShape::Martif}) {
        SCOPED_TRACE(shape == TbxShape::Current ? "current" : "martif");
        const std::vector<ExchangeEntry> read = ReadTerms(WriteTbx(entries, shape));
        EXPECT_EQ(Shown(read), Shown(expected));
        ASSERT_EQ(read.size(), 5u);
        EXPECT_EQ(read[1].origin, shape == TbxShape::Current ? "conceptEntry 2 (line 29)"
                                                             : "termEntry 2 (line 32)");
    }
}

TEST(TbxReader, ReadsAnOlderFileWrittenByHand) {
    const auto entries = ReadTerms(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE martif SYSTEM "TBXcoreStructV02.dtd">
<martif type="TBX" xml:lang="en-US">
 <martifHeader><fileDesc><sourceDesc><p>a glossary</p></sourceDesc></fileDesc></martifHeader>
 <text><body>
  <termEntry id="c1">
   <descripGrp><descrip type="subjectField">Mechanics</descrip></descripGrp>
   <langSet xml:lang="de-DE">
    <note>passed over</note>
    <tig><term>Ventil</term></tig>
   </langSet>
   <langSet xml:lang="en-US">
    <descripGrp>
     <descrip type="definition">A device that <hi type="bold">regulates</hi>
flow</descrip>
     <admin type="source">handbook</admin>
    </descripGrp>
    <tig><term>valve</term></tig>
    <ntig><termGrp><term>check valve</term></termGrp></ntig>
   </langSet>
   <langSet xml:lang="EL-gr">
    <note>Greek note</note>
    <ntig><termGrp><term>βαλβίδα</term><termNote type="partOfSpeech">noun</termNote></termGrp></ntig>
    <tig><term>δικλείδα</term></tig>
   </langSet>
  </termEntry>
  <termEntry id="note-88"><langSet xml:lang="en"><ntig><termGrp><term>seat</term></termGrp></ntig></langSet></termEntry>
  <termEntry><langSet xml:lang="el"><tig><term>μόνο</term></tig></langSet></termEntry>
 </body></text>
</martif>
)");
    ASSERT_EQ(entries.size(), 3u);
    ExchangeEntry first =
        Own(0, "valve", "βαλβίδα", "A device that regulates\r\nflow\r\nGreek note", "Mechanics");
    EXPECT_EQ(Shown(entries[0]), Shown(first));
    EXPECT_EQ(entries[0].origin, "termEntry 1 (line 6)");
    EXPECT_EQ(Shown(entries[1]), Shown(Note(88, "seat", "")));
    // Without an English term it is still returned, for the import to refuse by its origin.
    EXPECT_EQ(Shown(entries[2]), Shown(Own(0, "", "μόνο")));
    EXPECT_EQ(entries[2].origin, "termEntry 3 (line 28)");
}

TEST(TbxReader, ReadsANamespacedFileOfAnotherToolTakingTheFirstTermOfEachLanguage) {
    const auto entries = ReadTerms(
        "<?xml version='1.0'?>\r\n"
        "<tbx xmlns=\"urn:iso:std:iso:30042:ed-2\" type=\"TBX-Basic\" style=\"dca\" "
        "xml:lang=\"en\"><tbxHeader/><text><body>"
        "<conceptEntry id=\"entry-5\"><descrip type=\"subjectField\">Optics</descrip>"
        "<note>concept note</note>"
        "<langSec xml:lang=\"en-GB\"><termSec><term>lens</term><note>&lt;first&gt;</note>"
        "</termSec><termSec><term>lense</term></termSec></langSec>"
        "<langSec xml:lang=\"el\"><termSec><term>φακός</term></termSec>"
        "<termSec><term>φακοί</term></termSec></langSec>"
        "<descrip type=\"subjectField\">Physics</descrip></conceptEntry>"
        // The style that writes each kind of information as an element of its own.
        "<conceptEntry id=\"entry-6\" xmlns:basic=\"http://www.tbxinfo.net/ns/basic\">"
        "<basic:subjectField>Optics</basic:subjectField><langSec xml:lang=\"en\">"
        "<basic:definition>bends light</basic:definition><termSec><term>prism</term></termSec>"
        "</langSec></conceptEntry></body></text></tbx>");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(Shown(entries[0]),
              Shown(Own(5, "lens", "φακός", "concept note\r\n<first>", "Optics")));
    EXPECT_EQ(Shown(entries[1]), Shown(Own(6, "prism", "", "bends light", "Optics")));
}

TEST(TbxReader, RefusesWhatIsNotAWellFormedTermBase) {
    EXPECT_EQ(TbxRefusal("<tbx>\n<text>\n<body></text></tbx>"),
              "terms.tbx, line 3, column 13: Opening and ending tag mismatch.");
    EXPECT_NE(TbxRefusal("").find("terms.tbx, line 1"), std::string::npos);
    EXPECT_NE(TbxRefusal("<tbx><text><body><conceptEntry><note>caf\xE9</note>"
                         "</conceptEntry></body></text></tbx>")
                  .find("terms.tbx, line 1, column"),
              std::string::npos);
    EXPECT_EQ(TbxRefusal("<?xml version=\"1.0\"?>\n<html><body/></html>"),
              "terms.tbx is not a TBX file: its root element is html");
    // An empty body is an empty term base, not an error.
    EXPECT_EQ(ReadTerms("<martif><text><body/></text></martif>").size(), 0u);
    EXPECT_EQ(ReadTerms(WriteTbx({}, TbxShape::Current)).size(), 0u);
}

TEST(TbxReader, RefusesEntityExpansionQuickly) {
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE tbx [\n <!ENTITY l0 \"ha\">\n";
    for (int i = 1; i <= 30; ++i) {
        bomb += " <!ENTITY l" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j)
            bomb += "&l" + std::to_string(i - 1) + ";";
        bomb += "\">\n";
    }
    bomb +=
        "]>\n<tbx><text><body><conceptEntry><note>&l30;</note></conceptEntry></body></text>"
        "</tbx>\n";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(TbxRefusal(bomb),
              "terms.tbx, line 2: the document declares entities, which are refused");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// An entity naming a file on this machine is refused, and the file is never opened: the system
// reports no access to it while the document is read.
TEST(TbxReader, NeverOpensAFileAnEntityOrDocumentTypeNames) {
    const test::TempFolder folder;
    folder.write("secret.txt", "SECRET-CONTENT");
    const std::string secret = folder.file("secret.txt");
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, secret.c_str(), IN_OPEN | IN_ACCESS), 0);

    const std::string body =
        "<tbx><text><body><conceptEntry><note>&ext;</note></conceptEntry>"
        "</body></text></tbx>";
    EXPECT_EQ(TbxRefusal("<!DOCTYPE tbx [<!ENTITY ext SYSTEM \"file://" + secret + "\">]>" + body),
              "terms.tbx, line 1: the document declares entities, which are refused");
    EXPECT_NE(
        TbxRefusal("<!DOCTYPE tbx [<!ENTITY % ext SYSTEM \"" + secret + "\"> %ext;]>\n" + body)
            .find("declares entities"),
        std::string::npos);
    EXPECT_NE(TbxRefusal(body).find("not declared"), std::string::npos);
    // A document type that only names its definition (as older files do) is read, the
    // definition never opened, and an entity it might have declared is left out.
    const auto entries = ReadTerms("<!DOCTYPE tbx SYSTEM \"" + secret + "\">\n" + body);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].description.find("SECRET"), std::string::npos);

    char events[4096];
    EXPECT_LT(::read(watch, events, sizeof events), 0) << "the named file was opened";
    ::close(watch);
}

bool WriteSample(const test::TempFolder& folder, const std::string& name, TbxShape shape) {
    const std::vector<ExchangeEntry> entries = {
        Own(1, "gas & <vapour>", "αέριο", "one\r\ntwo\rthree", "Χημεία"),
        Own(2, "𝔸 axis", "άξονας", "", ""), Note(3, "valve", "σημείωση")};
    folder.write(name, WriteTbx(entries, shape));
    return true;
}

TEST(TbxOtherTools, XmllintFindsBothShapesWellFormed) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xmllint";
    const test::TempFolder folder;
    for (const TbxShape shape : {TbxShape::Current, TbxShape::Martif}) {
        ASSERT_TRUE(WriteSample(folder, "terms.tbx", shape));
        EXPECT_EQ(std::system(("xmllint --noout '" + folder.file("terms.tbx") + "'").c_str()), 0);
    }
}

// The distribution's Python, where its translators' toolkit is installed.
std::string DistributionPython() {
    return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// The translators' toolkit of the distribution reads the older shape: every English and Greek
// term written is among the terms it finds.
TEST(TbxOtherTools, TheTranslateToolkitReadsEveryTermOfTheOlderShape) {
    const std::string python = DistributionPython();
    if (std::system((python + " -c 'from translate.storage import tbx' >/dev/null 2>&1").c_str()) !=
        0)
        GTEST_SKIP() << "no translate-toolkit";
    const test::TempFolder folder;
    ASSERT_TRUE(WriteSample(folder, "terms.tbx", TbxShape::Martif));
    const std::string script =
        "import sys\n"
        "from translate.storage import tbx\n"
        "store = tbx.tbxfile.parsefile(sys.argv[1])\n"
        "terms = set()\n"
        "for unit in store.units:\n"
        "    terms.add(unit.source)\n"
        "    terms.add(unit.target)\n"
        "want = {'gas & <vapour>', 'αέριο', '𝔸 axis', 'άξονας', 'valve'}\n"
        "sys.exit(0 if want <= terms else 1)\n";
    folder.write("check.py", script);
    EXPECT_EQ(std::system(
                  (python + " '" + folder.file("check.py") + "' '" + folder.file("terms.tbx") + "'")
                      .c_str()),
              0);
}

}  // namespace
}  // namespace orvan::personal
