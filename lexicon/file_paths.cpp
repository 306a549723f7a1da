#include "lexicon/file_paths.h"

namespace orvan {

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const size_t last = folder.find_last_not_of('/');
    if (last == std::string::npos) return "/" + name;
    return folder.substr(0, last + 1) + "/" + name;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace orvan
