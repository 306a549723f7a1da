// The three scramblings that stand between the lexicon's files and the program.
//
// Every operation works on its input up to, not including, its first zero byte, and keeps no
// state between calls.
#pragma once

#include <string>
#include <string_view>

namespace orvan {

/// \brief Unscrambles one line of "data/i.tbo" or "data/igr.tbo"; `lineNumber` is the 1-based
/// number of the line within its own file. The result has the length of the input.
///
///     DecodeIndexLine(1, "EDABAFG") == "ABCDEFG"
std::string DecodeIndexLine(int lineNumber, std::string_view line);

/// \brief DecodeIndexLine into `out`, replacing what it held (for readers of many lines, which
/// reuse one buffer).
void DecodeIndexLineInto(int lineNumber, std::string_view line, std::string& out);

/// \brief Scrambles a plain index line as line `lineNumber` of its file; the exact inverse of
/// DecodeIndexLine for every byte value.
std::string EncodeIndexLine(int lineNumber, std::string_view line);

/// \brief Unscrambles bytes of "data/lex.tbo" whose first byte sits at the 1-based file position
/// `startPosition` (a piece at 0-based offset p starts at position p + 1). Restores plain bytes
/// 10 to 217.
std::string DecodeLexText(long long startPosition, std::string_view stored);
/// \brief DecodeLexText, appending to `out` (for readers of many texts, which reuse one buffer).
void AppendDecodedLexText(long long startPosition, std::string_view stored, std::string& out);

/// \brief Scrambles plain description bytes for file position `startPosition` onwards.
///
///     EncodeLexText(1, "abc") == "\x7E\x80\x82"
std::string EncodeLexText(long long startPosition, std::string_view plain);

/// \brief Scrambles one plain byte for file position `position` of the description store; used
/// to scramble a whole file, zero bytes included.
unsigned char EncodeLexByte(long long position, unsigned char plain);

/// \brief Unscrambles one line of ci.tbo or cigr.tbo, or one text of clex.tbo (positions restart
/// at 1 for each). Restores plain bytes 32 to 254.
std::string DecodePersonalText(std::string_view stored);

/// \brief Scrambles one personal line or text.
///
///     EncodePersonalText("abc") == "\x80\x82\x84"
std::string EncodePersonalText(std::string_view plain);

}  // namespace orvan
