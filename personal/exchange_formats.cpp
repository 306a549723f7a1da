#include "personal/exchange_formats.h"

#include <algorithm>
#include <filesystem>

#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"
#include "personal/csv_entries.h"
#include "personal/personal_store.h"
#include "personal/store_commit.h"
#include "personal/store_files.h"
#include "personal/tbx_writer.h"

namespace orvan::personal {

std::string LowercaseAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

std::optional<ExchangeFormat> ExchangeFormatNamed(std::string_view name) {
    const std::string lower = LowercaseAscii(name);
    if (lower == "tbx") return ExchangeFormat::Tbx;
    if (lower == "tbx2") return ExchangeFormat::TbxMartif;
    if (lower == "csv") return ExchangeFormat::Csv;
    return std::nullopt;
}

ExchangeFormat ExchangeFormatOfPath(std::string_view path) {
    return LowercaseAscii(path).ends_with(".csv") ? ExchangeFormat::Csv : ExchangeFormat::Tbx;
}

ExchangeFormat ExchangeFormatOfText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const auto first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<' ? ExchangeFormat::Tbx
                                                                  : ExchangeFormat::Csv;
}

std::string WriteExchangeText(const std::vector<ExchangeEntry>& entries, ExchangeFormat format) {
    switch (format) {
        case ExchangeFormat::Csv:
            return WriteEntriesCsv(entries);
        case ExchangeFormat::TbxMartif:
            return WriteTbx(entries, TbxShape::Martif);
        case ExchangeFormat::Tbx:
            break;
    }
    return WriteTbx(entries, TbxShape::Current);
}

bool IsStoreFile(const PersonalFiles& personal, const std::string& path) {
    if (!personal.known()) return false;
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path chosen = fs::weakly_canonical(path, error);
    if (error) return false;
    const fs::path folder = fs::weakly_canonical(StoreFolder(personal), error);
    if (error || chosen.parent_path() != folder) return false;
    std::string name = chosen.filename().string();
    if (name.ends_with(kOldSuffix)) name.resize(name.size() - std::string_view(kOldSuffix).size());
    for (const std::string& own :
         {personal.texts, personal.englishIndex, personal.greekIndex, personal.tempTexts,
          personal.tempEnglishIndex, personal.tempGreekIndex}) {
        if (!own.empty() && BaseName(own) == name) return true;
    }
    for (const char* own : {kNumberMarkName, kNumberMarkTemporary, kJournalName, kLockName})
        if (name == own) return true;
    return false;
}

Result<std::string> ReadExchangeFile(const std::string& path) {
    Result<std::string> bytes = ReadRegularFile(path, kExchangeFileLimit);
    if (!bytes && bytes.error().code == ErrorCode::TooLarge) {
        return Failure(Error{ErrorCode::TooLarge, path, 0,
                             path + " is larger than the 64 MiB a file to import may be"});
    }
    return bytes;
}

}  // namespace orvan::personal
