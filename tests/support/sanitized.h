// Whether the tests were built with AddressSanitizer, which makes the exhaustive tests several
// times slower: under it they try a share of their cases. The sanitizers look for memory and
// undefined-behaviour faults, which the same code paths show; the whole set runs in the normal
// build.
#pragma once

namespace orvan::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

}  // namespace orvan::test
