#include "personal/exchange_formats.h"

#include <algorithm>

#include "lexicon/text_file.h"
#include "personal/csv_entries.h"
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

Result<std::string> ReadExchangeFile(const std::string& path) {
    Result<std::string> bytes = ReadRegularFile(path, kExchangeFileLimit);
    if (!bytes && bytes.error().code == ErrorCode::TooLarge) {
        return Failure(Error{ErrorCode::TooLarge, path, 0,
                             path + " is larger than the 64 MiB a file to import may be"});
    }
    return bytes;
}

}  // namespace orvan::personal
