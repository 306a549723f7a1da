#include "lexicon/conversions.h"

#include <vector>

#include "lexicon/codecs.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace orvan {

namespace {

std::string ReadSource(const std::string& path) {
    Result<std::string> bytes = ReadWholeFile(path);
    if (!bytes) throw PreparationError("cannot read " + path + ": " + bytes.error().reason());
    return std::move(*bytes);
}

void WriteTarget(const std::string& path, const std::string& bytes) {
    if (const Result<void> written = WriteFileAtomically(path, bytes); !written) {
        throw PreparationError("cannot write " + path + ": " + written.error().reason());
    }
}

// A plain index file scrambled; refused when it holds more records than a table, whose loader
// would leave the rest out.
std::string ScrambledIndex(const std::string& source) {
    const std::string plain = ReadSource(source);
    std::string scrambled;
    scrambled.reserve(plain.size() + plain.size() / 64);
    TextLines lines(plain);
    long long lineNumber = 0;
    for (std::string_view line; lines.next(line);) {
        if (++lineNumber > kTableCapacity) break;
        scrambled += EncodeIndexLine(static_cast<int>(lineNumber), line);
        scrambled += "\r\n";
    }
    if (lineNumber > kTableCapacity) {
        for (std::string_view line; lines.next(line);)
            ++lineNumber;
        throw PreparationError(source + " holds " + std::to_string(lineNumber) +
                               " records, more than the " + std::to_string(kTableCapacity) +
                               " a table holds");
    }
    return scrambled;
}

std::string ScrambledLexicon(const std::string& source) {
    const std::string plain = ReadSource(source);
    // Byte by byte, so that a zero byte in the source does not end the conversion.
    std::string scrambled(plain.size(), '\0');
    for (size_t i = 0; i < plain.size(); ++i) {
        scrambled[i] = static_cast<char>(
            EncodeLexByte(static_cast<long long>(i) + 1, static_cast<unsigned char>(plain[i])));
    }
    return scrambled;
}

}  // namespace

void ConvertIndexFile(const std::string& source, const std::string& target) {
    WriteTarget(target, ScrambledIndex(source));
}

void ConvertLexiconFile(const std::string& source, const std::string& target) {
    WriteTarget(target, ScrambledLexicon(source));
}

void PrepareLexicon(const LexiconFiles& files) {
    const std::string english = ScrambledIndex(files.plainEnglishIndex);
    const std::string greek = ScrambledIndex(files.plainGreekIndex);
    const std::string descriptions = ScrambledLexicon(files.plainDescriptions);
    WriteTarget(files.englishIndex, english);
    WriteTarget(files.greekIndex, greek);
    WriteTarget(files.descriptions, descriptions);
}

ByteRange ByteRangeCheck(const std::string& path) {
    const std::string plain = ReadSource(path);
    ByteRange range;
    TextLines lines(plain);
    for (std::string_view line; lines.next(line);) {
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
