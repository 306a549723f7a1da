#include "spelling/english_endings.h"

#include <algorithm>

namespace orvan::spelling {

namespace {

bool IsConsonant(char c) {
    return c >= 'a' && c <= 'z' && std::string_view("aeiou").find(c) == std::string_view::npos;
}

}  // namespace

std::vector<std::string> EnglishBaseForms(std::string_view word) {
    std::string small(word);
    std::transform(small.begin(), small.end(), small.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    std::vector<std::string> forms;
    const auto add = [&](std::string_view ending, std::string_view base) {
        if (small.size() < ending.size() + 2 || !small.ends_with(ending)) return;
        std::string form = small.substr(0, small.size() - ending.size()) + std::string(base);
        if (form != small && std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(std::move(form));
    };
    // Halves, thieves, knives; matrices, indices.
    add("ves", "f");
    add("ves", "fe");
    add("ices", "ix");
    add("ices", "ex");
    // Stopped, running: the doubled consonant once.
    for (const std::string_view ending : {"ed", "ing"}) {
        const std::size_t stem = small.size() - std::min(small.size(), ending.size());
        if (small.ends_with(ending) && stem >= 3 && IsConsonant(small[stem - 1]) &&
            small[stem - 1] == small[stem - 2])
            add(std::string(1, small[stem - 1]) + std::string(ending), "");
    }
    return forms;
}

}  // namespace orvan::spelling
