// Reading an entry's description, or a supplement, from its store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lexicon/file_descriptor.h"
#include "lexicon/lexicon_files.h"
#include "lexicon/result.h"
#include "lexicon/tables.h"

namespace orvan {

/// One read takes at most this many bytes: the most a 5-digit length column can give, so every
/// text the files describe, the user's own included, is read whole.
inline constexpr long long kDescriptionReadLimit = 99999;

/// How much a DescriptionReader reads at once: the texts of a walk through the table lie one
/// after another in their store.
inline constexpr long long kDescriptionReadAhead = 1 << 20;

enum class DescriptionStore {
    Lexicon,   // data/lex.tbo: 0-based offsets, scrambled by file position
    Personal,  // clex.tbo: 1-based positions, each text scrambled on its own
};

/// \brief The plain RTF fragment of `length` bytes at `position` of a store (a 0-based offset
/// in the lexicon's store, a 1-based position in the personal one). Empty when the file is
/// missing, the position lies outside it or the length is not positive; a text that reaches
/// past the end of the store is cut there.
std::string ReadDescription(DescriptionStore store, const std::string& path, long long position,
                            long long length);

/// \brief Like ReadDescription, but an error, naming the store and the reason, when it cannot be
/// opened or read at that position (a length that is not positive reads as an empty text).
Result<std::string> TryReadDescription(DescriptionStore store, const std::string& path,
                                       long long position, long long length);

/// \brief Reads many texts of one store through one open file: a block is read ahead, so that
/// texts stored one after another, as a walk through the table reads them, cost one read per
/// block rather than one open and one read each.
///
///     DescriptionReader lexicon(DescriptionStore::Lexicon, files.descriptions);
///     if (!lexicon.open()) return;
///     for (...) if (auto text = lexicon.read(entry.descPos, entry.descLen)) ...
class DescriptionReader {
  public:
    /// Opens the store; each read from the file takes at least `readAhead` bytes when the
    /// store holds them.
    DescriptionReader(DescriptionStore store, const std::string& path,
                      long long readAhead = kDescriptionReadAhead);

    /// Whether the store could be opened.
    bool open() const { return size_ >= 0; }
    /// Why the store could not be opened.
    const Error& openError() const { return openError_; }
    /// \brief The text at `position`, as TryReadDescription reads it from the file as it was
    /// when it was opened.
    Result<std::string> read(long long position, long long length);
    /// \brief The same text appended to `out`; an error, and `out` as it was, when it cannot
    /// be read.
    Result<void> readInto(long long position, long long length, std::string& out);
    /// \brief The supplement a NoteList item locates, as TryReadSupplement reads it.
    Result<std::string> readSupplement(const std::string& noteItem);

  private:
    Result<std::string_view> bytes(long long offset, long long count);

    DescriptionStore store_;
    std::string path_;
    Error openError_;
    long long readAhead_;
    FileDescriptor file_;
    long long size_ = -1;
    std::string block_;
    long long blockStart_ = 0;
};

/// \brief The description of an entry: from the lexicon's store for 'L' and 'A', from clex.tbo
/// for 'C'.
std::string ReadEntryDescription(const EntryRecord& entry, const LexiconFiles& files,
                                 const PersonalFiles& personal);

/// \brief The supplement a NoteList item locates; an error when the item is malformed (Damaged)
/// or the text cannot be read.
Result<std::string> TryReadSupplement(const std::string& noteItem, const PersonalFiles& personal);

/// \brief The supplement text a NoteList item locates ("PPPPPPPPLLLLL"); empty when the item is
/// malformed.
std::string ReadSupplement(const std::string& noteItem, const PersonalFiles& personal);

}  // namespace orvan
