// The program's own Greek keyboard, from the system's Greek keyboard description: each Latin
// key's place types the Greek letter a Greek keyboard has there, and the accents compose.
#include "platform/greek_keymap.h"

#include <gtest/gtest.h>

#include <string>

namespace orvan::platform {
namespace {

class GreekKeymapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        keymap_ = GreekKeymap::Load();
        ASSERT_NE(keymap_, nullptr) << "the system's keyboard descriptions (xkb-data) are missing";
    }

    // What the keys typing `latin` on a US keyboard type on the Greek one; a dead key still
    // waiting at the end shows as "~".
    std::string type(const std::string& latin) {
        std::string text;
        for (const char key : latin) {
            const GreekKeymap::Key typed = keymap_->pressLatin(key);
            if (typed.outcome == GreekKeymap::Outcome::Typed) text += typed.text;
            if (typed.outcome == GreekKeymap::Outcome::Unknown) text += '?';
        }
        if (keymap_->pending()) text += '~';
        return text;
    }

    std::unique_ptr<GreekKeymap> keymap_;
};

TEST_F(GreekKeymapTest, EveryLetterAtItsPlace) {
    EXPECT_EQ(type("abgdezhuiklmnjoprstyfxcv"), "αβγδεζηθικλμνξοπρστυφχψω");
    EXPECT_EQ(type("ABGDEZHUIKLMNJOPRSTYFXCV"), "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ");
    // The final sigma is a key of its own, as the person types it at a word's end.
    EXPECT_EQ(type("uermothtes"), "θερμοτητεσ");
    EXPECT_EQ(type("uermothtew"), "θερμοτητες");
    // Digits, blanks and most marks stay; q types the Greek question mark ";".
    EXPECT_EQ(type("12 3-4.5,"), "12 3-4.5,");
    EXPECT_EQ(type("q"), ";");
}

TEST_F(GreekKeymapTest, TonosAndDialytikaCompose) {
    EXPECT_EQ(type(";a;e;h;i;o;y;v"), "άέήίόύώ");
    EXPECT_EQ(type(";A;E;H;I;O;Y;V"), "ΆΈΉΊΌΎΏ");
    EXPECT_EQ(type(":i:y:I:Y"), "ϊϋΪΫ");
    EXPECT_EQ(type(";:i:;y"), "ΐΰ");
    EXPECT_EQ(type("uerm;othta"), "θερμότητα");
    // The accent waits for its letter, and on a letter that takes none it is dropped.
    EXPECT_EQ(type("m;"), "μ~");
    EXPECT_EQ(type("b"), "β");
    keymap_->forgetPending();
    EXPECT_EQ(type(";"), "~");
    keymap_->forgetPending();
    EXPECT_FALSE(keymap_->pending());
    EXPECT_EQ(type("a"), "α");
}

TEST_F(GreekKeymapTest, KeysByTheirCodesWithShiftAndCapsLock) {
    // XKB key codes as X11 and Wayland give them: the evdev code and 8 (U is 22).
    constexpr std::uint32_t keyU = 22 + 8, keySemicolon = 39 + 8, keyA = 30 + 8;
    EXPECT_EQ(keymap_->press(keyU, false, false).text, "θ");
    EXPECT_EQ(keymap_->press(keyU, true, false).text, "Θ");
    EXPECT_EQ(keymap_->press(keyU, false, true).text, "Θ");
    EXPECT_EQ(keymap_->press(keyU, true, true).text, "θ");
    EXPECT_EQ(keymap_->press(keySemicolon, false, false).outcome, GreekKeymap::Outcome::Pending);
    EXPECT_EQ(keymap_->press(keyA, false, false).text, "ά");
    // Codes outside the keyboard, and a character no US key types, type nothing.
    EXPECT_EQ(keymap_->press(0, false, false).outcome, GreekKeymap::Outcome::Unknown);
    EXPECT_EQ(keymap_->press(100000, false, false).outcome, GreekKeymap::Outcome::Unknown);
    EXPECT_EQ(keymap_->pressLatin('\x7f').outcome, GreekKeymap::Outcome::Unknown);
    EXPECT_EQ(keymap_->pressLatin('\xe9').outcome, GreekKeymap::Outcome::Unknown);
}

}  // namespace
}  // namespace orvan::platform
