// The content list "content/fil.tbo" of the distribution medium: which files of its content
// folder an installation copies, and into which subfolders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvan::setup {

inline constexpr const char* kContentListPath = "content/fil.tbo";

/// \brief One line of the content list that does something.
struct ContentStep {
    enum class Kind {
        Folder,  // creates one subfolder of the content folder
        File,    // copies one file of the content folder
    };
    Kind kind = Kind::File;
    /// Relative to the content folder, UTF-8, parts separated by "/", no trailing "/"; empty
    /// when the line names a place outside the content folder (an absolute path, a ".." part)
    /// or an empty part, which is never copied or created.
    std::string path;
    std::string line;  // the line as read (code page 1253), for telling the user
};

/// \brief Reads the content list (lines in code page 1253, ending in CR LF). An empty line is
/// skipped. A line ending in "\" names a subfolder by its whole path below the content folder:
/// it becomes the prefix of the file lines that follow (it replaces the prefix, it is not
/// appended to it) and is itself created. Any other line is a file, relative to the prefix.
/// Lines are taken as they are, blanks included; "\" and "/" both separate folders.
///
///     "a.bmp\r\nhelp\\\r\nx.png\r\n" -> File "a.bmp", Folder "help", File "help/x.png"
std::vector<ContentStep> ReadContentList(std::string_view bytes);

}  // namespace orvan::setup
