// The base forms a Greek inflected word may come from, by its ending: the nominative singular
// of a noun or adjective, the first person of a verb. A Greek dictionary that lists every form
// as a word of its own names no stems, so these endings reduce the words it knows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvan::spelling {

/// \brief The base forms `word` (code page 1253) may be an inflection of, as entry list keys
/// (GreekListKey: small letters without accents, the final sigma as σ), most specific ending
/// first, each once; the word's own key is not among them. Nothing for a word of fewer than
/// three letters beyond its ending.
///
///     GreekBaseForms("υπολογιστές") holds "υπολογιστησ"
///     GreekBaseForms("θερμότητας") holds "θερμοτητα"
std::vector<std::string> GreekBaseForms(std::string_view word);

}  // namespace orvan::spelling
