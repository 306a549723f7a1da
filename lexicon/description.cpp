#include "lexicon/description.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"

namespace orvan {

std::optional<std::string> TryReadDescription(DescriptionStore store, const std::string& path,
                                              long long position, long long length) {
    return DescriptionReader(store, path, 0).read(position, length);
}

std::string ReadDescription(DescriptionStore store, const std::string& path, long long position,
                            long long length) {
    return TryReadDescription(store, path, position, length).value_or(std::string());
}

DescriptionReader::DescriptionReader(DescriptionStore store, const std::string& path,
                                     long long readAhead)
    : store_(store), readAhead_(readAhead) {
    if (!FileExists(path)) return;
    file_ = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (file_.valid() && ::fstat(file_.get(), &st) == 0 && S_ISREG(st.st_mode)) {
        size_ = st.st_size;
    }
}

std::optional<std::string_view> DescriptionReader::bytes(long long offset, long long count) {
    if (!open() || offset < 0 || offset > size_) return std::nullopt;
    count = std::min(count, size_ - offset);
    const long long blockEnd = blockStart_ + static_cast<long long>(block_.size());
    if (offset < blockStart_ || offset + count > blockEnd) {
        const long long wanted = std::min(std::max(count, readAhead_), size_ - offset);
        block_.resize(static_cast<size_t>(wanted));
        blockStart_ = offset;
        long long got = 0;
        while (got < wanted) {
            const ssize_t n =
                ::pread(file_.get(), block_.data() + got, static_cast<size_t>(wanted - got),
                        static_cast<off_t>(offset + got));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                block_.clear();
                return std::nullopt;
            }
            if (n == 0) break;
            got += n;
        }
        // A file cut short since it was opened gives what is there.
        block_.resize(static_cast<size_t>(got));
        count = std::min(count, got);
    }
    return std::string_view(block_).substr(static_cast<size_t>(offset - blockStart_),
                                           static_cast<size_t>(count));
}

std::optional<std::string> DescriptionReader::read(long long position, long long length) {
    std::string text;
    if (!readInto(position, length, text)) return std::nullopt;
    return text;
}

bool DescriptionReader::readInto(long long position, long long length, std::string& out) {
    if (length <= 0) return true;
    const long long offset = store_ == DescriptionStore::Lexicon ? position : position - 1;
    const auto stored = bytes(offset, std::min(length, kDescriptionReadLimit));
    if (!stored) return false;
    if (store_ == DescriptionStore::Lexicon)
        AppendDecodedLexText(offset + 1, *stored, out);
    else
        out += DecodePersonalText(*stored);
    return true;
}

std::optional<std::string> DescriptionReader::readSupplement(const std::string& noteItem) {
    const auto position = ParseDecimal(Columns(noteItem, 1, 8));
    const auto length = ParseDecimal(Columns(noteItem, 9, 5));
    if (!position || !length) return std::nullopt;
    return read(*position, *length);
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
    return DescriptionReader(DescriptionStore::Personal, personal.texts, 0)
        .readSupplement(noteItem);
}

std::string ReadSupplement(const std::string& noteItem, const PersonalFiles& personal) {
    return TryReadSupplement(noteItem, personal).value_or(std::string());
}

}  // namespace orvan
