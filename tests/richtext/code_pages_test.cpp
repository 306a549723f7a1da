// Text between code page 1253 bytes and the screen.
#include "richtext/code_pages.h"

#include <gtest/gtest.h>

namespace orvan::richtext {
namespace {

TEST(GreekCodePage, ScreenTextAndBytesRoundTrip) {
    const std::string bytes = "\xEC\xE7\xF7\xE1\xED\xDE \xC1\xE2 engine *";  // "μηχανή Αβ engine *"
    const QString shown = FromGreekCodePage(bytes);
    EXPECT_EQ(shown, QString::fromUtf8("μηχανή Αβ engine *"));
    EXPECT_EQ(ToGreekCodePage(shown), bytes);
}

TEST(GreekCodePage, CharactersOutsideThePageBecomeQuestionMarks) {
    // Cyrillic, a character outside the basic plane (a surrogate pair), and a NUL that would
    // cut the text short in the files.
    EXPECT_EQ(ToGreekCodePage(QString::fromUtf8("жα😀b") + QChar(0) + "c"), "?\xE1?b?c");
    // A lone surrogate is one unknown character.
    EXPECT_EQ(ToGreekCodePage(QString(QChar(0xD800)) + "x"), "?x");
}

}  // namespace
}  // namespace orvan::richtext
