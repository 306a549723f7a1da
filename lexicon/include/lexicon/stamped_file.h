// The frame of the files orvan-cli saves in the cache folder: a header naming the file's kind and
// format, the identity of the files it was made from (its stamp), and a body whose counts and
// checksum the header holds. Numbers are in the writing machine's byte order, which the header's
// byte order mark tells: a file written elsewhere is not read.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan {

/// \brief Appends the bytes of `value` as the machine holds them (the files' numbers).
template <typename Number>
void AppendNumber(std::string& out, Number value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

/// \brief The number whose bytes begin at `at` of `bytes`, which hold them all.
template <typename Number>
Number NumberAt(std::string_view bytes, size_t at) {
    Number value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

/// The kind and format of a stamped file: eight letters and a version.
struct StampedFormat {
    std::array<char, 8> magic;
    uint32_t version = 0;
    size_t counts = 0;  // how many numbers the header holds besides the stamp's length
};

/// \brief The length of the header of `format`: the magic, the version, the byte order mark,
/// the stamp's length, the counts and the body's checksum.
constexpr size_t StampedHeaderLength(const StampedFormat& format) {
    return 8 + 4 + 4 + 8 + 8 * format.counts + 8;
}

/// \brief A whole stamped file: the header (with `counts`, as many as the format says), the
/// stamp `identity`, then `body`.
std::string BuildStampedFile(const StampedFormat& format, std::string_view identity,
                             const std::vector<uint64_t>& counts, std::string_view body);

/// What a stamped file's first bytes say.
struct StampedHead {
    std::vector<uint64_t> counts;
    uint64_t checksum = 0;
    size_t bodyAt = 0;  // where the body begins, after the stamp
};

/// \brief The counts of a file of `format` stamped with `identity`, from its first bytes (`head`:
/// the header and the stamp at least); nothing when they are not those of such a file.
std::optional<StampedHead> ReadStampedHead(const StampedFormat& format, std::string_view head,
                                           std::string_view identity);

/// \brief Whether `body` is the body `head` was written with (its checksum).
bool BodyIsWhole(const StampedHead& head, std::string_view body);

}  // namespace orvan
