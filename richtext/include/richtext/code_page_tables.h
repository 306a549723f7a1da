// The single-byte code pages' tables, written out once so that reading them needs no converter.
#pragma once

#include <array>
#include <cstddef>

namespace orvan::richtext {

using ByteTable = std::array<char16_t, 256>;

struct CodePageTable {
    int codePage;
    ByteTable table;
};

inline constexpr std::size_t kBuiltInByteTables = 12;

/// \brief The tables of the single-byte pages 437, 850, 874, 1250–1252, 1254–1258 and 10000.
const std::array<CodePageTable, kBuiltInByteTables>& BuiltInByteTables();

}  // namespace orvan::richtext
