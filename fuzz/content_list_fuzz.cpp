// Feeds arbitrary bytes to the reader of the medium's content list (content/fil.tbo), whose
// lines say what an installation creates and copies. Checks that no step can reach outside the
// content folder: every path is relative, its parts separated by single "/", none of them
// empty, "." or "..", and no path holds a backslash or a zero byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "setup/content_list.h"

namespace {

bool Contained(std::string_view path) {
    if (path.empty()) return true;  // a line that is never acted on
    if (path.find('\\') != std::string_view::npos || path.find('\0') != std::string_view::npos)
        return false;
    size_t start = 0;
    while (true) {
        const size_t end = path.find('/', start);
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto steps = orvan::setup::ReadContentList(bytes);
    if (steps.size() > size) std::abort();  // one step a line, and every line has a byte
    for (const orvan::setup::ContentStep& step : steps) {
        if (step.line.empty() || !Contained(step.path)) std::abort();
    }
    return 0;
}
