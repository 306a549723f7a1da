#include "lexicon/description.h"

#include <algorithm>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"

namespace orvan {

std::optional<std::string> TryReadDescription(DescriptionStore store, const std::string& path,
                                              long long position, long long length) {
    if (length <= 0) return std::string();
    const long long offset = store == DescriptionStore::Lexicon ? position : position - 1;
    const auto stored = ReadFileRange(path, offset, std::min(length, kDescriptionReadLimit));
    if (!stored) return std::nullopt;
    return store == DescriptionStore::Lexicon ? DecodeLexText(offset + 1, *stored)
                                              : DecodePersonalText(*stored);
}

std::string ReadDescription(DescriptionStore store, const std::string& path, long long position,
                            long long length) {
    return TryReadDescription(store, path, position, length).value_or(std::string());
}

std::string ReadEntryDescription(const EntryRecord& entry, const LexiconFiles& files,
                                 const PersonalFiles& personal) {
    if (entry.Kind == EntryKind::Personal) {
        return ReadDescription(DescriptionStore::Personal, personal.texts, entry.DescPos,
                               entry.DescLen);
    }
    return ReadDescription(DescriptionStore::Lexicon, files.descriptions, entry.DescPos,
                           entry.DescLen);
}

std::optional<std::string> TryReadSupplement(const std::string& noteItem,
                                             const PersonalFiles& personal) {
    const auto position = ParseDecimal(Columns(noteItem, 1, 8));
    const auto length = ParseDecimal(Columns(noteItem, 9, 5));
    if (!position || !length) return std::nullopt;
    return TryReadDescription(DescriptionStore::Personal, personal.texts, *position, *length);
}

std::string ReadSupplement(const std::string& noteItem, const PersonalFiles& personal) {
    return TryReadSupplement(noteItem, personal).value_or(std::string());
}

}  // namespace orvan
