#include "personal/store_contents.h"

#include "lexicon/blanks.h"
#include "lexicon/codecs.h"
#include "lexicon/file_paths.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"

namespace orvan::personal {

namespace {

constexpr long long kTextsLimit = 99999999;  // what TextPos's 8 digits can address

std::vector<std::string> DecodedLines(const std::optional<std::string>& bytes) {
    std::vector<std::string> lines;
    if (!bytes) return lines;
    TextLines reader(*bytes);
    for (std::string_view line; reader.next(line);)
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

// cnum.tbo: the number and a line end. Anything else counts as no mark.
std::optional<long long> LastNumber(const std::optional<std::string>& bytes) {
    if (!bytes) return std::nullopt;
    const std::string_view text = TrimBlanks(*bytes);
    const auto number = ParseDecimal(text);
    if (text.empty() || !number || !IsEntryNumber(*number)) return std::nullopt;
    return number;
}

std::string MarkPath(const PersonalFiles& personal, const char* name) {
    return PathInFolder(FolderOf(personal.englishIndex), name);
}

}  // namespace

StoreContents ReadContents(StoreFileSystem& files, const PersonalFiles& personal) {
    StoreContents contents;
    contents.indexes.english = files.read(personal.englishIndex, kPersonalIndexLimit);
    contents.indexes.greek = files.read(personal.greekIndex, kPersonalIndexLimit);
    contents.english = DecodedLines(contents.indexes.english);
    contents.greek = DecodedLines(contents.indexes.greek);
    contents.texts = files.read(personal.texts, kTextsLimit).value_or("");
    contents.lastNumber = LastNumber(files.read(MarkPath(personal, kNumberMarkName), 64));
    return contents;
}

PersonalIndexes ReadIndexes(StoreFileSystem& files, const PersonalFiles& personal) {
    PersonalIndexes indexes;
    if (!personal.known()) return indexes;
    try {
        indexes.english = files.read(personal.englishIndex, kPersonalIndexLimit);
        indexes.greek = files.read(personal.greekIndex, kPersonalIndexLimit);
    } catch (const StoreFileError& error) {
        indexes.problem = error.error();
    }
    return indexes;
}

std::vector<std::string> Temporaries(const PersonalFiles& personal) {
    return {personal.tempEnglishIndex, personal.tempGreekIndex, personal.tempTexts,
            MarkPath(personal, kNumberMarkTemporary)};
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
    if (contents.lastNumber) {
        files.push_back({MarkPath(personal, kNumberMarkName),
                         MarkPath(personal, kNumberMarkTemporary),
                         std::to_string(*contents.lastNumber) + "\n"});
    }
    return files;
}

PersonalIndexLine ReadEnglishLine(const std::string& line, size_t lineNumber) {
    auto columns = ParsePersonalIndexLine(line);
    if (!columns) throw StoreFileError("ci.tbo line " + std::to_string(lineNumber) + " is damaged");
    return std::move(*columns);
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

void ContentsWriter::add(const std::string& line, const std::string& scrambledText) {
    lines_.push_back(WithTextPos(line, position()));
    texts_ += scrambledText;
}

std::string TextOf(const std::string& texts, const PersonalIndexLine& line, size_t lineNumber) {
    const auto start = static_cast<size_t>(line.textPos) - 1;
    if (start > texts.size() || static_cast<size_t>(line.textLen) > texts.size() - start) {
        throw StoreFileError("clex.tbo is shorter than ci.tbo line " + std::to_string(lineNumber) +
                             " says");
    }
    return texts.substr(start, static_cast<size_t>(line.textLen));
}

// Drops the ci.tbo lines that `drop` picks (it is told how many it has picked so far) with their
// texts, and packs the texts of the others anew; false when it picked none.
bool DropEnglishLines(StoreContents& contents, const EnglishLinePick& drop) {
    ContentsWriter writer;
    int dropped = 0;
    for (size_t i = 0; i < contents.english.size(); ++i) {
        const std::string& line = contents.english[i];
        const PersonalIndexLine columns = ReadEnglishLine(line, i + 1);
        if (drop(columns, dropped)) {
            ++dropped;
            continue;
        }
        writer.add(line, TextOf(contents.texts, columns, i + 1));
    }
    if (dropped == 0) return false;
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
    return true;
}

}  // namespace orvan::personal
