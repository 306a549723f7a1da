#include "lexicon/conversions.h"

#include <vector>

#include "lexicon/codecs.h"
#include "lexicon/text_file.h"

namespace orvan {

namespace {

std::string ReadSource(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) throw PreparationError("cannot read " + path);
    return std::move(*bytes);
}

void WriteTarget(const std::string& path, const std::string& bytes) {
    if (!WriteFileAtomically(path, bytes)) throw PreparationError("cannot write " + path);
}

}  // namespace

void ConvertIndexFile(const std::string& source, const std::string& target) {
    const std::string plain = ReadSource(source);
    std::string scrambled;
    scrambled.reserve(plain.size() + plain.size() / 64);
    TextLines lines(plain);
    int lineNumber = 0;
    for (std::string_view line; lines.Next(line);) {
        scrambled += EncodeIndexLine(++lineNumber, line);
        scrambled += "\r\n";
    }
    WriteTarget(target, scrambled);
}

void ConvertLexiconFile(const std::string& source, const std::string& target) {
    const std::string plain = ReadSource(source);
    // Byte by byte, so that a zero byte in the source does not end the conversion.
    std::string scrambled(plain.size(), '\0');
    for (size_t i = 0; i < plain.size(); ++i) {
        scrambled[i] = static_cast<char>(
            EncodeLexByte(static_cast<long long>(i) + 1, static_cast<unsigned char>(plain[i])));
    }
    WriteTarget(target, scrambled);
}

ByteRange ByteRangeCheck(const std::string& path) {
    const std::string plain = ReadSource(path);
    ByteRange range;
    TextLines lines(plain);
    for (std::string_view line; lines.Next(line);) {
        line = line.substr(0, line.find('\0'));
        for (const char c : line) {
            const int byte = static_cast<unsigned char>(c);
            if (byte > range.largest) range.largest = byte;
            if (byte < range.smallest) range.smallest = byte;
        }
    }
    return range;
}

std::string FormatByteRange(const ByteRange& range) {
    return std::to_string(range.smallest) + "  -  " + std::to_string(range.largest);
}

}  // namespace orvan
