// Search keys: the normalised forms under which headwords are sorted and compared.
#pragma once

#include <string>
#include <string_view>

#include "lexicon/blanks.h"  // the search keys trim and drop blanks

namespace orvan {

/// \brief The key of a Greek text: capitals lowered, accents and diaeresis dropped, Latin
/// letters, blanks, control characters and the punctuation + * , ( ) / - . " ` ΄ ' dropped;
/// with `dropLeadingDigits`, digits before the first kept character are dropped too. The final
/// sigma stays.
///
///     GreekSearchKey("Ά-βγ (x)", false) == "αβγ"
///     GreekSearchKey("12 αβ 3", true) == "αβ3"
std::string GreekSearchKey(std::string_view text, bool dropLeadingDigits);

/// \brief The key under which English headwords are sorted: blanks, control characters,
/// " ' ( ) * + , - . / ` and the tonos sign dropped, A-Z lowered; with `dropLeadingDigits`,
/// digits before the first kept character are dropped too.
///
///     LatinSearchKey("Semi-Conductor's", false) == "semiconductors"
///     LatinSearchKey("3-D model", true) == "dmodel"
std::string LatinSearchKey(std::string_view text, bool dropLeadingDigits);

/// \brief The key by which the entry list compares English text: leading characters of code 32
/// or less removed, A-Z lowered, everything else as it is.
std::string EnglishListKey(std::string_view text);

/// \brief The key by which the entry list compares Greek text: GreekSearchKey with leading
/// digits dropped, and the final sigma as σ, since a word typed in capitals ends in Σ and its
/// headword in ς. (The stored order of Greek lines keeps GreekSearchKey as it is.)
///
///     GreekListKey("ΚΥΚΛΟΣ") == GreekListKey("κύκλος") == "κυκλοσ"
std::string GreekListKey(std::string_view text);

/// \brief Whether a byte is one of the 67 Greek letters that make the input language Greek:
/// the small letters α-ω, ς, ά έ ή ί ό ύ ώ ϊ ϋ and the capitals Α-Ω, Ά Έ Ή Ί Ό Ύ Ώ Ϊ Ϋ.
bool IsGreekLetter(unsigned char byte);

/// \brief Whether a text begins with one of the 67 Greek letters.
bool StartsWithGreekLetter(std::string_view text);

}  // namespace orvan
