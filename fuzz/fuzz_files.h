// What the fuzz targets share: a scratch folder of their own, and one input cut into the
// several files a reader finds in a folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::fuzz {

/// \brief Separates the files of one input. The seeds and fuzz/files.dict hold it, so that the
/// fuzzer shapes each file on its own instead of cutting the input at fixed places.
inline constexpr std::string_view kFileSeparator = "--8<--";

/// \brief The first `count` files of `input`, cut at each separator; a file the input does not
/// reach is missing (nothing), so that the fuzzer also tries files that are not there. What
/// follows the last file's separator belongs to the last file.
std::vector<std::optional<std::string>> SplitFiles(std::string_view input, size_t count);

/// \brief A file of the input that holds exactly this is made a folder, where a reader may meet
/// anything but a regular file.
inline constexpr std::string_view kFolderMark = "<folder>";

/// \brief A folder under the system's temporary folder, made once for the whole run.
const std::string& ScratchFolder();

/// \brief Writes `bytes` at `path`, or removes what is there when there are none. Plain writes,
/// without flushing: the fuzzer's own files need not survive a crash of the machine.
void PlaceFile(const std::string& path, const std::optional<std::string>& bytes);

/// \brief PlaceFile for a file cut from the input: a folder for kFolderMark.
void PlaceInputFile(const std::string& path, const std::optional<std::string>& bytes);

/// \brief What is at `path` now; nothing when no file is there.
std::optional<std::string> FileBytes(const std::string& path);

}  // namespace orvan::fuzz
