#include "lexicon/stamped_file.h"

#include <cstring>

#include "lexicon/search_index.h"

namespace orvan {

namespace {

constexpr uint32_t kByteOrderMark = 0x01020304;
constexpr size_t kVersionAt = 8, kByteOrderAt = 12, kIdentityLengthAt = 16, kCountsAt = 24;

void Put(std::string& out, const auto value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename Number>
Number Get(std::string_view bytes, size_t at) {
    Number value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

}  // namespace

std::string BuildStampedFile(const StampedFormat& format, std::string_view identity,
                             const std::vector<uint64_t>& counts, std::string_view body) {
    std::string file(format.magic.data(), format.magic.size());
    Put(file, format.version);
    Put(file, kByteOrderMark);
    Put(file, uint64_t{identity.size()});
    for (size_t index = 0; index < format.counts; ++index)
        Put(file, index < counts.size() ? counts[index] : uint64_t{0});
    Put(file, ContentChecksum(body));
    file.reserve(file.size() + identity.size() + body.size());
    file += identity;
    file += body;
    return file;
}

std::optional<StampedHead> ReadStampedHead(const StampedFormat& format, std::string_view head,
                                           std::string_view identity) {
    const size_t headerLength = StampedHeaderLength(format);
    if (head.size() < headerLength ||
        std::memcmp(head.data(), format.magic.data(), format.magic.size()) != 0 ||
        Get<uint32_t>(head, kVersionAt) != format.version ||
        Get<uint32_t>(head, kByteOrderAt) != kByteOrderMark ||
        Get<uint64_t>(head, kIdentityLengthAt) != identity.size() ||
        head.size() - headerLength < identity.size() ||
        head.substr(headerLength, identity.size()) != identity) {
        return std::nullopt;
    }
    StampedHead read;
    for (size_t index = 0; index < format.counts; ++index)
        read.counts.push_back(Get<uint64_t>(head, kCountsAt + 8 * index));
    read.checksum = Get<uint64_t>(head, kCountsAt + 8 * format.counts);
    read.bodyAt = headerLength + identity.size();
    return read;
}

bool BodyIsWhole(const StampedHead& head, std::string_view body) {
    return ContentChecksum(body) == head.checksum;
}

}  // namespace orvan
