// The SHA-256 digest, in plain C++: the installation records it for every file it makes, and the
// uninstall script compares it with what `sha256sum` says of the file before removing it.
#pragma once

#include <string>
#include <string_view>

namespace orvan::setup {

/// \brief The SHA-256 digest of `bytes` as 64 lower-case hexadecimal digits, as `sha256sum`
/// prints it.
///
///     Sha256Hex("abc") ==
///         "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"
std::string Sha256Hex(std::string_view bytes);

}  // namespace orvan::setup
