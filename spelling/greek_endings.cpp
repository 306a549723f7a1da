#include "spelling/greek_endings.h"

#include <algorithm>
#include <utility>

#include "lexicon/search_keys.h"
#include "richtext/greek_code_page.h"

namespace orvan::spelling {

namespace {

// Endings of inflected forms and the endings of their base forms, written as entry list keys
// are (no accents, σ for the final sigma). Longer, more telling endings come first.
constexpr std::pair<const char*, const char*> kEndings[] = {
    // Nouns in -μα (σύστημα, συστήματος, συστήματα) and -ιμο (ψήσιμο, ψησίματος).
    {"ιματοσ", "ιμο"},
    {"ιματων", "ιμο"},
    {"ιματα", "ιμο"},
    {"ματοσ", "μα"},
    {"ματων", "μα"},
    {"ματα", "μα"},
    // Middle verbs (λειτουργείται, υπολογίζονται).
    {"ομαστε", "ομαι"},
    {"ονται", "ομαι"},
    {"εσαι", "ομαι"},
    {"εται", "ομαι"},
    {"εστε", "ομαι"},
    // Aorists and participles of -ίζω, -ώνω, -εύω and -ώ verbs.
    {"ισμενοσ", "ιζω"},
    {"ισμενη", "ιζω"},
    {"ισμενο", "ιζω"},
    {"ισμενα", "ιζω"},
    {"ισμενεσ", "ιζω"},
    {"ισμενοι", "ιζω"},
    {"ωμενοσ", "ωνω"},
    {"ωμενη", "ωνω"},
    {"ωμενο", "ωνω"},
    {"ευμενοσ", "ευω"},
    {"ευμενη", "ευω"},
    {"ευμενο", "ευω"},
    {"ισαν", "ιζω"},
    {"ισα", "ιζω"},
    {"ισε", "ιζω"},
    {"ωσαν", "ωνω"},
    {"ωσα", "ωνω"},
    {"ωσε", "ωνω"},
    {"ευσαν", "ευω"},
    {"ευσα", "ευω"},
    {"ευσε", "ευω"},
    {"ησαν", "ω"},
    {"ησα", "ω"},
    {"ησε", "ω"},
    // Plurals in -δες (ψαράδες, καφετζήδες).
    {"αδεσ", "ασ"},
    {"αδων", "ασ"},
    {"ηδεσ", "ησ"},
    {"ηδων", "ησ"},
    {"ουδεσ", "ουσ"},
    // Adjectives in -ύς (βαθιά, βαθιοί).
    {"ιουσ", "υσ"},
    {"ιεσ", "υσ"},
    {"ιοι", "υσ"},
    {"ιου", "υσ"},
    {"ιων", "υσ"},
    // Present verbs (υπολογίζει, μετράμε).
    {"ουμε", "ω"},
    {"ουνε", "ω"},
    {"ουν", "ω"},
    {"ετε", "ω"},
    {"αμε", "ω"},
    {"ατε", "ω"},
    {"ανε", "ω"},
    {"εισ", "ω"},
    {"ει", "ω"},
    // Nouns in -έας (συγγραφείς) and -η (δυνάμεις, δυνάμεως), adjectives in -ής (ακριβούς).
    {"εισ", "εασ"},
    {"εων", "εασ"},
    {"εα", "εασ"},
    {"εωσ", "η"},
    {"εισ", "η"},
    {"εων", "η"},
    {"ουσ", "ησ"},
    {"εισ", "ησ"},
    // Neuters in -ι (καλωδίου, καλώδια) and -ος (μεγέθους, μεγέθη).
    {"ιου", "ι"},
    {"ια", "ι"},
    {"ιων", "ι"},
    {"ουσ", "οσ"},
    // Masculine, feminine and neuter nouns and adjectives of the common kinds.
    {"ου", "οσ"},
    {"οι", "οσ"},
    {"ων", "οσ"},
    {"ησ", "οσ"},
    {"εσ", "οσ"},
    {"η", "οσ"},
    {"α", "οσ"},
    {"ο", "οσ"},
    {"ε", "οσ"},
    {"ου", "ο"},
    {"ων", "ο"},
    {"α", "ο"},
    {"εσ", "ησ"},
    {"ων", "ησ"},
    {"η", "ησ"},
    {"εσ", "ασ"},
    {"ων", "ασ"},
    {"α", "ασ"},
    {"ασ", "α"},
    {"εσ", "α"},
    {"ων", "α"},
    {"ησ", "η"},
    {"εσ", "η"},
    {"ων", "η"},
    {"ια", "υσ"},
    {"υ", "υσ"},
    {"α", "ω"},
    {"ασ", "ω"},
};

// A base form keeps at least this many letters before its ending.
constexpr std::size_t kShortestStem = 2;

struct Ending {
    std::string inflected, base;
};

const std::vector<Ending>& Endings() {
    static const std::vector<Ending> endings = [] {
        std::vector<Ending> list;
        for (const auto& [inflected, base] : kEndings)
            list.push_back({Utf8ToGreek(inflected).bytes, Utf8ToGreek(base).bytes});
        return list;
    }();
    return endings;
}

}  // namespace

std::vector<std::string> GreekBaseForms(std::string_view word) {
    const std::string key = GreekListKey(word);
    std::vector<std::string> forms;
    for (const Ending& ending : Endings()) {
        if (key.size() < ending.inflected.size() + kShortestStem ||
            !key.ends_with(ending.inflected))
            continue;
        std::string form = key.substr(0, key.size() - ending.inflected.size()) + ending.base;
        if (form != key && std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(std::move(form));
    }
    return forms;
}

}  // namespace orvan::spelling
