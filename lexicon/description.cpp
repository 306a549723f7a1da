#include "lexicon/description.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"

namespace orvan {

Result<std::string> TryReadDescription(DescriptionStore store, const std::string& path,
                                       long long position, long long length) {
    return DescriptionReader(store, path, 0).read(position, length);
}

std::string ReadDescription(DescriptionStore store, const std::string& path, long long position,
                            long long length) {
    return TryReadDescription(store, path, position, length).value_or(std::string());
}

DescriptionReader::DescriptionReader(DescriptionStore store, const std::string& path,
                                     long long readAhead)
    : store_(store), path_(path), readAhead_(readAhead) {
    if (!FileExists(path)) {
        openError_ = {ErrorCode::Missing, path, ENOENT, "there is no file " + path};
        return;
    }
    file_ = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!file_.valid() || ::fstat(file_.get(), &st) != 0) {
        openError_ = SystemError(ErrorCode::ReadFailed, "cannot open", path, errno);
    } else if (!S_ISREG(st.st_mode)) {
        openError_ = {ErrorCode::NotAFile, path, 0, path + " is not a plain file"};
    } else {
        size_ = st.st_size;
    }
}

Result<std::string_view> DescriptionReader::bytes(long long offset, long long count) {
    if (!open()) return Failure(openError_);
    if (offset < 0 || offset > size_) {
        return Failure(Error{ErrorCode::Damaged, path_, 0,
                             path_ + " holds no text at byte " + std::to_string(offset)});
    }
    count = std::min(count, size_ - offset);
    const long long blockEnd = blockStart_ + static_cast<long long>(block_.size());
    if (offset < blockStart_ || offset + count > blockEnd) {
        block_.resize(static_cast<size_t>(std::min(std::max(count, readAhead_), size_ - offset)));
        blockStart_ = offset;
        // A file cut short since it was opened gives what is there.
        if (Result<void> read = ReadFileAt(file_.get(), path_, offset, block_); !read) {
            block_.clear();
            return Failure(std::move(read).error());
        }
        count = std::min(count, static_cast<long long>(block_.size()));
    }
    return std::string_view(block_).substr(static_cast<size_t>(offset - blockStart_),
                                           static_cast<size_t>(count));
}

Result<std::string> DescriptionReader::read(long long position, long long length) {
    std::string text;
    if (Result<void> done = readInto(position, length, text); !done) {
        return Failure(std::move(done).error());
    }
    return text;
}

Result<void> DescriptionReader::readInto(long long position, long long length, std::string& out) {
    if (length <= 0) return {};
    const long long offset = store_ == DescriptionStore::Lexicon ? position : position - 1;
    const Result<std::string_view> stored = bytes(offset, std::min(length, kDescriptionReadLimit));
    if (!stored) return Failure(stored.error());
    if (store_ == DescriptionStore::Lexicon)
        AppendDecodedLexText(offset + 1, *stored, out);
    else
        out += DecodePersonalText(*stored);
    return {};
}

Result<std::string> DescriptionReader::readSupplement(const std::string& noteItem) {
    const auto position = ParseDecimal(Columns(noteItem, 1, 8));
    const auto length = ParseDecimal(Columns(noteItem, 9, 5));
    if (!position || !length) {
        return Failure(Error{ErrorCode::Damaged, path_, 0,
                             "the note \"" + noteItem + "\" does not locate a text in " + path_});
    }
    return read(*position, *length);
}

std::string ReadEntryDescription(const EntryRecord& entry, const LexiconFiles& files,
                                 const PersonalFiles& personal) {
    if (entry.kind == EntryKind::Personal) {
        return ReadDescription(DescriptionStore::Personal, personal.texts, entry.descPos,
                               entry.descLen);
    }
    return ReadDescription(DescriptionStore::Lexicon, files.descriptions, entry.descPos,
                           entry.descLen);
}

Result<std::string> TryReadSupplement(const std::string& noteItem, const PersonalFiles& personal) {
    return DescriptionReader(DescriptionStore::Personal, personal.texts, 0)
        .readSupplement(noteItem);
}

std::string ReadSupplement(const std::string& noteItem, const PersonalFiles& personal) {
    return TryReadSupplement(noteItem, personal).value_or(std::string());
}

}  // namespace orvan
