// A quick look at RTF before it is read: could it show these characters at all? The full-text
// search asks this of every description, and reads only those that may hold the searched text.
//
// The answer is never "no" for a document that shows the characters. A letter or digit reaches
// the screen only as a byte of text, a hexadecimal escape, a \u word or a word that stands for
// it; the look finds each of these with the reader's own tokenizer, word table and code pages,
// without building any text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "richtext/rtf_reader.h"

namespace orvan::richtext {

class ShownCharacterProbe {
  public:
    /// At most this many characters are probed.
    static constexpr std::size_t kMaxProbed = 8;

    /// \brief Probes for the letters and digits of `text` that documents opened by `prologue`
    /// can show only from their body (at most kMaxProbed different ones, the rarer first), in
    /// the order `text` has them.
    ShownCharacterProbe(std::u16string_view text, const RtfPrologue& prologue);

    /// Whether any character is probed; when none is, every body may show the text.
    bool active() const { return count_ > 0; }
    std::u16string_view probed() const { return {probed_.data(), count_}; }

    /// \brief False only when `body`, read after the prologue, cannot show the probed
    /// characters in the order the text has them.
    bool mayShowAll(std::string_view body) const;

  private:
    bool mayShowAllJoined(std::string_view body) const;
    std::uint8_t matchOf(char16_t c) const;

    std::string openEnd_;  // the prologue's unfinished token, which each body completes

    // The words that matter to the look, found in the reader's word table once: comparing a
    // word with these few names is cheaper than looking every word up.
    std::vector<std::string_view> unicodeWords_, binaryWords_, codePageWords_;
    std::vector<std::pair<std::string_view, std::uint8_t>> characterWords_;  // with their bits
    // For each first letter, a bit for each length (up to 31 letters) of these words.
    std::array<std::uint32_t, 256> wordShapes_{};

    std::array<std::uint8_t, 256> byteMask_{};  // bit k: the byte may show probed character k
    std::array<char16_t, kMaxProbed> probed_{};
    std::size_t count_ = 0;
    // The bits of the probed characters in the order the text has them; at most this many.
    static constexpr std::size_t kMaxOrder = 64;
    std::vector<std::uint8_t> order_;
    // A probed character outside ASCII may come from a two-byte code page, which only words
    // that change the code page or the fonts can bring in.
    bool beyondAscii_ = false;
};

}  // namespace orvan::richtext
