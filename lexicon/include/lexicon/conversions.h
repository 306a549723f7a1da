// Preparing a lexicon release: scrambling the plain sources into the distribution files.
#pragma once

#include <stdexcept>
#include <string>

#include "lexicon/lexicon_files.h"

namespace orvan {

/// \brief A file that could not be read or written while preparing the lexicon.
class PreparationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// \brief Scrambles a plain index file line by line (each with its 1-based line number) into
/// `target`, each line ending in CR LF. Throws PreparationError when the source cannot be read,
/// holds more lines (records) than a table (kTableCapacity), or the target cannot be written;
/// the target is then left as it was.
void ConvertIndexFile(const std::string& source, const std::string& target);

/// \brief Scrambles a plain description store byte by byte (each with its 1-based position)
/// into `target`, which gets exactly the source's length. Throws PreparationError.
void ConvertLexiconFile(const std::string& source, const std::string& target);

/// \brief Prepares a lexicon release in `files`: its plain English and Greek indexes and its
/// plain description store scrambled into the distribution files, as ConvertIndexFile and
/// ConvertLexiconFile do. Every source is read and checked before any file is written, so that a
/// source that cannot be read or holds more records than a table leaves every file as it was.
/// Throws PreparationError.
void PrepareLexicon(const LexiconFiles& files);

struct ByteRange {
    int smallest = 255;
    int largest = 0;
};

/// \brief The smallest and largest byte of the non-empty lines of a plain index file, each line
/// up to its first zero byte. Throws PreparationError when the file cannot be read.
ByteRange ByteRangeCheck(const std::string& path);

/// \brief "smallest  -  largest", as the byte range is reported.
std::string FormatByteRange(const ByteRange& range);

}  // namespace orvan
