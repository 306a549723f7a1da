#include "lexicon/stamped_file.h"

#include "lexicon/search_index.h"

namespace orvan {

namespace {

constexpr uint32_t kByteOrderMark = 0x01020304;
constexpr size_t kVersionAt = 8, kByteOrderAt = 12, kIdentityLengthAt = 16, kCountsAt = 24;

}  // namespace

std::string BuildStampedFile(const StampedFormat& format, std::string_view identity,
                             const std::vector<uint64_t>& counts, std::string_view body) {
    std::string file(format.magic.data(), format.magic.size());
    AppendNumber(file, format.version);
    AppendNumber(file, kByteOrderMark);
    AppendNumber(file, uint64_t{identity.size()});
    for (size_t index = 0; index < format.counts; ++index)
        AppendNumber(file, index < counts.size() ? counts[index] : uint64_t{0});
    AppendNumber(file, ContentChecksum(body));
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
        NumberAt<uint32_t>(head, kVersionAt) != format.version ||
        NumberAt<uint32_t>(head, kByteOrderAt) != kByteOrderMark ||
        NumberAt<uint64_t>(head, kIdentityLengthAt) != identity.size() ||
        head.size() - headerLength < identity.size() ||
        head.substr(headerLength, identity.size()) != identity) {
        return std::nullopt;
    }
    StampedHead read;
    for (size_t index = 0; index < format.counts; ++index)
        read.counts.push_back(NumberAt<uint64_t>(head, kCountsAt + 8 * index));
    read.checksum = NumberAt<uint64_t>(head, kCountsAt + 8 * format.counts);
    read.bodyAt = headerLength + identity.size();
    return read;
}

bool BodyIsWhole(const StampedHead& head, std::string_view body) {
    return ContentChecksum(body) == head.checksum;
}

}  // namespace orvan
