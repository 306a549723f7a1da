#include "store_contents.h"

#include "codecs.h"
#include "line_formats.h"
#include "text_file.h"

namespace orvan::personal {

namespace {

std::vector<std::string> DecodedLines(const std::optional<std::string>& bytes) {
    std::vector<std::string> lines;
    if (!bytes) return lines;
    TextLines reader(*bytes);
    for (std::string_view line; reader.Next(line);)
        lines.push_back(DecodePersonalText(line));
    return lines;
}

std::string EncodedLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += EncodePersonalText(line) + "\r\n";
    return bytes;
}

std::optional<long long> Number(const std::string& line, size_t first, size_t width) {
    return ParseDecimal(Columns(line, first, width));
}

}  // namespace

StoreContents ReadContents(StoreFileSystem& files, const PersonalFiles& personal) {
    StoreContents contents;
    contents.english = DecodedLines(files.Read(personal.englishIndex));
    contents.greek = DecodedLines(files.Read(personal.greekIndex));
    contents.texts = files.Read(personal.texts).value_or("");
    return contents;
}

std::vector<FileReplacement> Replacements(const StoreContents& contents,
                                          const PersonalFiles& personal, bool withGreek) {
    std::vector<FileReplacement> files = {
        {personal.englishIndex, personal.tempEnglishIndex, EncodedLines(contents.english)},
        {personal.texts, personal.tempTexts, contents.texts},
    };
    if (withGreek) {
        files.push_back(
            {personal.greekIndex, personal.tempGreekIndex, EncodedLines(contents.greek)});
    }
    return files;
}

std::optional<EnglishLineColumns> ReadEnglishLine(const std::string& line) {
    const auto anchor = Number(line, 1, 5);
    const auto own = Number(line, 6, 5);
    const auto textPos = Number(line, 91, 8);
    const auto textLen = Number(line, 99, 5);
    if (!anchor || !own || !textPos || !textLen || *textLen < 0) return std::nullopt;
    return EnglishLineColumns{*anchor, *own, *textPos, *textLen};
}

std::optional<long long> GreekLineOwner(const std::string& line) {
    return Number(line, 6, 5);
}

std::string EnglishLine(long long anchor, long long own, const std::string& headword,
                        long long textPos, long long textLen, const std::string& fieldCode) {
    return ZeroPadded(anchor, 5) + ZeroPadded(own, 5) + BlankPadded(headword, 80) +
           ZeroPadded(textPos, 8) + ZeroPadded(textLen, 5) + fieldCode;
}

std::string WithTextPos(const std::string& line, long long textPos) {
    std::string out = line;
    if (out.size() < 98) out.resize(98, ' ');
    out.replace(90, 8, ZeroPadded(textPos, 8));
    return out;
}

std::string GreekLine(long long anchor, long long own, const std::string& headword) {
    return ZeroPadded(anchor, 5) + ZeroPadded(own, 5) + headword.substr(0, 80);
}

void ContentsWriter::Add(const std::string& line, const std::string& scrambledText) {
    lines_.push_back(WithTextPos(line, position()));
    texts_ += scrambledText;
}

std::string TextReader::Take(long long length) {
    if (length < 0 || at_ + static_cast<size_t>(length) > texts_.size()) {
        throw StoreFileError("clex.tbo is shorter than ci.tbo says");
    }
    std::string text = texts_.substr(at_, static_cast<size_t>(length));
    at_ += static_cast<size_t>(length);
    return text;
}

}  // namespace orvan::personal
