// Paths as the program builds and takes them apart: plain strings, "/" between the parts.
#pragma once

#include <string>

namespace orvan {

/// \brief `name` inside `folder`: one "/" between them however many the folder ends with; the
/// root stays "/", and an empty folder (the current folder) gives `name` alone.
///
///     PathInFolder("/home/ann/", "ci.tbo") == "/home/ann/ci.tbo"
///     PathInFolder("/", "ci.tbo") == "/ci.tbo"
std::string PathInFolder(const std::string& folder, const std::string& name);

/// \brief The last part of a path: what follows its last "/".
std::string BaseName(const std::string& path);

/// \brief The folder part of a path, without its trailing "/" (the root stays "/"); "." for a
/// bare name.
///
///     FolderOf("/home/ann/ci.tbo") == "/home/ann", FolderOf("/ci.tbo") == "/"
std::string FolderOf(const std::string& path);

}  // namespace orvan
