#include "richtext/shown_characters.h"

#include <QChar>
#include <algorithm>
#include <string>

#include "richtext/code_pages.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_tokenizer.h"
#include "richtext/rtf_words.h"

namespace orvan::richtext {

namespace {

// English letters from the rarest to the commonest: probing rare letters rules out more texts.
constexpr std::string_view kLetterRarity = "qjzxkvbpygfwmucldrhsnioate";

int Rarity(char16_t c) {
    const char16_t lower = c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
    if (lower < 128) {
        const std::size_t found = kLetterRarity.find(static_cast<char>(lower));
        // Capitals are rarer than small letters; digits rarer still.
        if (found == std::string_view::npos) return -1;
        return static_cast<int>(found) - (c != lower ? 26 : 0);
    }
    return -2;  // letters of other scripts are rare in a text that mixes them with English
}

// Words that may make a body's bytes read through another code page or font table.
bool ChangesCodePages(const RtfWordInfo& info) {
    return info.word == RtfWord::AnsiCodePage || info.word == RtfWord::FontCharset ||
           info.word == RtfWord::FontCodePage || info.word == RtfWord::FontTable;
}

// A word's length as a bit, longer words sharing the last one.
std::uint32_t ShapeBit(std::size_t length) {
    return 1u << std::min<std::size_t>(length, 31);
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Whether the prologue leaves a two-byte code page within reach of the body: as the document's
// page, or as the page of a font the body may choose.
bool ReachesMultiByteCodePage(std::string_view prologue) {
    RtfTokenizer tokens(prologue);
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        if (token.kind != RtfToken::Kind::Word || !token.hasParameter) continue;
        const RtfWord word = LookUpWord(token.word).word;
        if ((word == RtfWord::AnsiCodePage || word == RtfWord::FontCodePage) &&
            IsMultiByteCodePage(token.parameter))
            return true;
        if (word == RtfWord::FontCharset &&
            IsMultiByteCodePage(CodePageForCharset(token.parameter, kWesternCodePage)))
            return true;
    }
    return false;
}

}  // namespace

ShownCharacterProbe::ShownCharacterProbe(std::u16string_view text, const RtfPrologue& prologue)
    : openEnd_(prologue.openEnd()) {
    const std::u16string prologueShows = PlainTextOf(prologue, "}");
    const bool multiByte = ReachesMultiByteCodePage(prologue.source());
    std::u16string candidates;
    for (char16_t c : text) {
        if (QChar::isSurrogate(c) || !QChar::isLetterOrNumber(c)) continue;
        if (c >= 128 && multiByte) continue;
        if (prologueShows.find(c) != std::u16string::npos ||
            candidates.find(c) != std::u16string::npos)
            continue;
        candidates.push_back(c);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](char16_t a, char16_t b) { return Rarity(a) < Rarity(b); });
    count_ = std::min(candidates.size(), kMaxProbed);
    for (std::size_t k = 0; k < count_; ++k) {
        const char16_t c = candidates[k];
        probed_[k] = c;
        const std::uint8_t bit = static_cast<std::uint8_t>(1u << k);
        beyondAscii_ = beyondAscii_ || c >= 128;
        const std::array<bool, 256> bytes = BytesThatMayDecodeTo(c);
        for (std::size_t byte = 0; byte < bytes.size(); ++byte)
            if (bytes[byte]) byteMask_[byte] |= bit;
    }
    // The probed characters in the order the text has them, repeats included.
    for (char16_t c : text) {
        if (const std::uint8_t bit = matchOf(c); bit != 0 && order_.size() < kMaxOrder)
            order_.push_back(bit);
    }
    unicodeWords_ =
        WordsWhere([](const RtfWordInfo& info) { return info.word == RtfWord::Unicode; });
    binaryWords_ = WordsWhere([](const RtfWordInfo& info) { return info.word == RtfWord::Binary; });
    if (beyondAscii_) codePageWords_ = WordsWhere(ChangesCodePages);
    for (std::string_view name :
         WordsWhere([](const RtfWordInfo& info) { return info.word == RtfWord::Character; })) {
        if (const std::uint8_t match = matchOf(LookUpWord(name).character))
            characterWords_.emplace_back(name, match);
    }
    const auto noteShape = [this](std::string_view name) {
        wordShapes_[static_cast<unsigned char>(name.front())] |= ShapeBit(name.size());
    };
    for (const auto* names : {&unicodeWords_, &binaryWords_, &codePageWords_})
        for (std::string_view name : *names)
            noteShape(name);
    for (const auto& [name, match] : characterWords_)
        noteShape(name);
}

std::uint8_t ShownCharacterProbe::matchOf(char16_t c) const {
    std::uint8_t match = 0;
    for (std::size_t k = 0; k < count_; ++k)
        if (probed_[k] == c) match |= static_cast<std::uint8_t>(1u << k);
    return match;
}

bool ShownCharacterProbe::mayShowAll(std::string_view body) const {
    if (!active()) return true;
    // A prologue cut inside a token is completed by the body: the two are looked at as one.
    if (!openEnd_.empty()) return mayShowAllJoined(openEnd_ + std::string(body));
    return mayShowAllJoined(body);
}

bool ShownCharacterProbe::mayShowAllJoined(std::string_view body) const {
    // The reader shows what a body holds in the order the body holds it, one character from
    // each byte of text, escape or word: the probed characters must come in the text's order.
    // `next` is the first of them not yet met.
    std::size_t next = 0;
    const std::size_t last = order_.size() - 1;
    const auto see = [&](std::uint8_t bits) {
        if ((bits & order_[next]) == 0) return false;
        if (next == last) return true;
        ++next;
        return false;
    };
    const auto seeBytes = [&](std::string_view bytes) {
        for (char byte : bytes)
            if (see(byteMask_[static_cast<unsigned char>(byte)])) return true;
        return false;
    };
    // Plain text is looked at here byte by byte; at each backslash the control is read by the
    // tokenizer's own rules, so that words and escapes are read exactly as the reader reads
    // them. Braces, line ends and control symbols show no letter or digit.
    RtfTokenizer tokens(body);
    const std::size_t size = body.size();
    std::size_t i = 0;
    while (true) {
        while (i < size && body[i] != '\\')
            if (see(byteMask_[static_cast<unsigned char>(body[i++])])) return true;
        if (i >= size) return false;
        // Escapes, the commonest controls of a description, are read here directly.
        if (i + 3 < size && body[i + 1] == '\'') {
            const unsigned high = kRtfHexDigits.value[static_cast<unsigned char>(body[i + 2])];
            const unsigned low = kRtfHexDigits.value[static_cast<unsigned char>(body[i + 3])];
            if ((high | low) < 16) {
                if (see(byteMask_[high * 16 + low])) return true;
                i += 4;
                continue;
            }
        }
        // Words that matter to none of the probed characters are passed over unread.
        if (i + 1 < size && IsRtfLetter(body[i + 1])) {
            const RtfWordExtent word = MeasureRtfWord(body, i);
            if (!(wordShapes_[static_cast<unsigned char>(body[i + 1])] &
                  ShapeBit(word.lettersEnd - i - 1))) {
                i = word.end;
                continue;
            }
        }
        tokens.seek(i);
        const RtfToken token = tokens.next();
        i = tokens.position();
        switch (token.kind) {
            case RtfToken::Kind::Incomplete:
                return true;  // whatever the reader makes of a cut token
            case RtfToken::Kind::HexByte:
                if (see(byteMask_[token.byte])) return true;
                break;
            case RtfToken::Kind::Word:
                if (token.hasParameter && Contains(unicodeWords_, token.word)) {
                    if (see(matchOf(static_cast<char16_t>(token.parameter & 0xFFFF)))) return true;
                } else if (token.hasParameter && Contains(binaryWords_, token.word)) {
                    if (seeBytes(tokens.skipBytes(token.parameter))) return true;
                    i = tokens.position();
                } else if (Contains(codePageWords_, token.word)) {
                    return true;
                }
                for (const auto& [name, match] : characterWords_)
                    if (token.word == name && see(match)) return true;
                break;
            default:
                break;
        }
    }
}

}  // namespace orvan::richtext
