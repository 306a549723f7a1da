// The base forms an English word may come from where the English dictionary names no stem of
// its own: plurals in -ves and -ices, and verbs that double their last consonant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvan::spelling {

/// \brief The base forms `word` may be an inflection of, in small letters, each once; the word
/// itself is not among them. Nothing for a word of fewer than two letters beyond its ending.
///
///     EnglishBaseForms("wolves") == {"wolf", "wolfe"}
///     EnglishBaseForms("stopped") == {"stop"}
std::vector<std::string> EnglishBaseForms(std::string_view word);

}  // namespace orvan::spelling
