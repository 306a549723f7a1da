// What `orvan --selection` makes of the text selected in another program.
#include <gtest/gtest.h>

#include <QString>

#include "lookup/command_line.h"

namespace orvan::test {
namespace {

using lookup::SelectionToLookUp;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(SelectionToLookUp, TakesTheFirstLineWithTextTrimmed) {
    EXPECT_EQ(SelectionToLookUp(Q("thermometer")), Q("thermometer"));
    EXPECT_EQ(SelectionToLookUp(Q("  θερμόμετρο \n")), Q("θερμόμετρο"));
    // Every way a line ends: Windows, old Mac, Unicode line and paragraph separators.
    EXPECT_EQ(SelectionToLookUp(Q("heat engine\r\nsecond line")), Q("heat engine"));
    EXPECT_EQ(SelectionToLookUp(Q("heat\rengine")), Q("heat"));
    EXPECT_EQ(SelectionToLookUp(QStringLiteral(u"heat\u2028engine")), Q("heat"));
    EXPECT_EQ(SelectionToLookUp(QStringLiteral(u"heat\u2029engine")), Q("heat"));
    // A selection dragged from the end of the line before starts with blank lines.
    EXPECT_EQ(SelectionToLookUp(Q(" \r\n\t\n  \r\n  gear box \r\nnext")), Q("gear box"));
    // Tabs and runs of blanks between words are one blank, as the search field takes them.
    EXPECT_EQ(SelectionToLookUp(Q("heat\t\tengine   pump")), Q("heat engine pump"));
    // Nothing but blanks: nothing to look up.
    EXPECT_EQ(SelectionToLookUp(Q("")), Q(""));
    EXPECT_EQ(SelectionToLookUp(Q(" \t\r\n \n\r")), Q(""));
}

TEST(SelectionToLookUp, DropsWhatCannotBeTypedInTheSearchField) {
    // A word hyphenated by a web page, a zero-width space, a byte order mark.
    EXPECT_EQ(SelectionToLookUp(QStringLiteral(u"\uFEFFthermo\u00ADmeter\u200B")),
              Q("thermometer"));
    // Control characters (from a terminal or a binary file) part the words like blanks.
    EXPECT_EQ(SelectionToLookUp(QStringLiteral(u"heat\u0000engine\u001B\u007F")), Q("heat engine"));
    // A non-breaking space is a blank too.
    EXPECT_EQ(SelectionToLookUp(QStringLiteral(u"\u00A0heat\u00A0engine\u00A0")), Q("heat engine"));
}

TEST(SelectionToLookUp, KeepsTheFirstEightyCharactersWholeAndTrimmed) {
    const QString eighty(lookup::kMostSelectedCharacters, QLatin1Char('a'));
    EXPECT_EQ(SelectionToLookUp(eighty + "bcd"), eighty);
    // Leading blanks do not count; a cut just after a blank leaves none at the end.
    EXPECT_EQ(SelectionToLookUp("   " + eighty.left(79) + " next"), eighty.left(79));
    // Greek letters count as one character each.
    QString greek;
    for (int i = 0; i < 50; ++i)
        greek += QStringLiteral(u"θε");
    EXPECT_EQ(SelectionToLookUp(greek), greek.left(80));
    // A letter outside the Basic Multilingual Plane (two UTF-16 units) is one character and is
    // never cut in two.
    const QString wide = QStringLiteral(u"\U0001D400");
    QString wides;
    for (int i = 0; i < 81; ++i)
        wides += wide;
    const QString cut = SelectionToLookUp(wides);
    EXPECT_EQ(cut.size(), 160);
    EXPECT_TRUE(cut.back().isLowSurrogate());
    EXPECT_EQ(SelectionToLookUp(eighty.left(79) + wide + "x"), eighty.left(79) + wide);
}

}  // namespace
}  // namespace orvan::test
