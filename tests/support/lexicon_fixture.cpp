#include "tests/support/lexicon_fixture.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "lexicon/codecs.h"
#include "lexicon/text_file.h"

namespace orvan::test {

std::optional<std::string> FileBytes(const std::string& path) {
    Result<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return std::move(*bytes);
}

std::string Cp(const std::string& utf8) {
    QStringEncoder encoder("windows-1253");
    return QByteArray(encoder.encode(QString::fromUtf8(utf8))).toStdString();
}

std::string Utf8(const std::string& codePage) {
    QStringDecoder decoder("windows-1253");
    return QString(decoder.decode(QByteArray::fromStdString(codePage))).toUtf8().toStdString();
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvan-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

namespace {
// Writes a file below `folder`, creating the folders on its way.
void WriteIn(const std::string& folder, const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::filesystem::create_directories(path.parent_path());
    if (!WriteFileAtomically(path.string(), bytes)) throw std::runtime_error("cannot write");
}
}  // namespace

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    WriteIn(path_, name, bytes);
}

std::string TempFolder::read(const std::string& name) const {
    return ReadWholeFile(file(name)).value_or("<missing>");
}

std::string LexiconBuilder::prologue() {
    // Padded with line ends, which RTF readers pass over, as the real block is.
    std::string block =
        "\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f60\\fcharset161 Arial;}}"
        "{\\colortbl;\\red0\\green0\\blue128;}{";
    while (block.size() + 2 <= 57601)
        block += "\r\n";
    block.resize(57601, '\n');
    return block;
}

int LexiconBuilder::addEntry(const std::string& headword, const std::string& description,
                             int keyStart, const std::string& fieldCode) {
    const int number = static_cast<int>(englishLines_.size()) + 1;
    IndexLine line;
    line.number = static_cast<uint16_t>(number);
    line.headword = headword;
    line.descPos = static_cast<int32_t>(descriptions_.size());
    line.descLen = static_cast<int32_t>(description.size());
    line.keyStart = static_cast<uint8_t>(keyStart);
    line.fieldCode = fieldCode;
    descriptions_ += description;
    englishLines_.push_back(FormatIndexLine(line));
    return number;
}

void LexiconBuilder::addGreek(int number, const std::string& headword) {
    greekLines_.push_back(FormatGreekIndexLine({static_cast<uint16_t>(number), headword}));
}

void LexiconBuilder::addField(const std::string& code, const std::string& name) {
    fieldLines_.push_back(FormatFieldLine({code, name}));
}

void LexiconBuilder::addPersonalEntry(int anchor, int own, const std::string& headword,
                                      const std::string& text, const std::string& fieldCode) {
    PersonalIndexLine line;
    line.anchor = static_cast<uint16_t>(anchor);
    line.own = static_cast<uint16_t>(own);
    line.headword = headword;
    line.textPos = static_cast<int32_t>(personalTexts_.size()) + 1;
    line.textLen = static_cast<int32_t>(text.size());
    line.fieldCode = fieldCode;
    personalTexts_ += EncodePersonalText(text);
    personalLines_.push_back(FormatPersonalIndexLine(line));
}

void LexiconBuilder::addSupplement(int anchor, const std::string& text) {
    addPersonalEntry(anchor, anchor, "", text);
}

void LexiconBuilder::addPersonalGreek(int anchor, int own, const std::string& headword) {
    personalGreekLines_.push_back(FormatPersonalGreekLine(
        {static_cast<uint16_t>(anchor), static_cast<uint16_t>(own), headword}));
}

namespace {
std::string ScrambledIndex(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        out += EncodeIndexLine(static_cast<int>(i) + 1, lines[i]) + "\r\n";
    }
    return out;
}

}  // namespace

std::string ScrambledPersonal(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += EncodePersonalText(line) + "\r\n";
    return out;
}

std::vector<std::string> OwnHeadwords(const EntryTables& tables) {
    std::vector<std::string> words;
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        if (tables.entries[slot].kind == EntryKind::Personal)
            words.push_back(tables.entries[slot].headword);
    return words;
}

std::vector<std::string> PlainPersonal(const std::string& stored) {
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(stored))
        lines.push_back(DecodePersonalText(line));
    return lines;
}

void LexiconBuilder::writeLexicon(const std::string& programFolder) const {
    WriteIn(programFolder, "data/i.tbo", ScrambledIndex(englishLines_));
    WriteIn(programFolder, "data/igr.tbo", ScrambledIndex(greekLines_));
    WriteIn(programFolder, "data/lex.tbo", EncodeLexText(1, descriptions_));
    WriteIn(programFolder, "data/srt.tbo", JoinLinesCrLf(fieldLines_));
}

void LexiconBuilder::writePersonal(const std::string& personalFolder) const {
    WriteIn(personalFolder, "ci.tbo", ScrambledPersonal(personalLines_));
    WriteIn(personalFolder, "cigr.tbo", ScrambledPersonal(personalGreekLines_));
    WriteIn(personalFolder, "clex.tbo", personalTexts_);
}

}  // namespace orvan::test
