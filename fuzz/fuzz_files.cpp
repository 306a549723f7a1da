#include "fuzz/fuzz_files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvan::fuzz {

std::vector<std::optional<std::string>> SplitFiles(std::string_view input, size_t count) {
    std::vector<std::optional<std::string>> files(count);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t end = i + 1 < count ? input.find(kFileSeparator, start) : std::string::npos;
        files[i] = std::string(input.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + kFileSeparator.size();
    }
    return files;
}

namespace {
void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}
}  // namespace

const std::string& ScratchFolder() {
    // Never destroyed: the removal at exit runs after the destructors of static objects.
    static const std::string& folder = *new std::string([] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvan-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        std::atexit(RemoveScratchFolder);
        return pattern;
    }());
    return folder;
}

void PlaceFile(const std::string& path, const std::optional<std::string>& bytes) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    if (!bytes) return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    if (!out) std::abort();  // the scratch folder itself failed: no finding of the reader
}

void PlaceInputFile(const std::string& path, const std::optional<std::string>& bytes) {
    if (bytes != kFolderMark) return PlaceFile(path, bytes);
    PlaceFile(path, std::nullopt);
    std::filesystem::create_directory(path);
}

std::optional<std::string> FileBytes(const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ignored)))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvan::fuzz
