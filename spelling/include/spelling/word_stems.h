// One Hunspell dictionary (an .aff and .dic pair) asked about words held as code page 1253
// bytes. The dictionary names its own encoding (its SET line); words go to it and its stems come
// back through Unicode, since even a Greek dictionary's ISO 8859-7 places some letters (Ά)
// elsewhere than code page 1253 does.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace orvan::spelling {

class WordStems {
  public:
    /// \brief The dictionary of `aff` and `dic`; nothing when either file is missing or its
    /// encoding is one the program cannot convert to.
    static std::unique_ptr<WordStems> Open(const std::filesystem::path& aff,
                                           const std::filesystem::path& dic);
    ~WordStems();
    WordStems(const WordStems&) = delete;
    WordStems& operator=(const WordStems&) = delete;

    /// The encoding the dictionary's words are written in, as its SET line names it.
    const std::string& encoding() const { return encoding_; }
    /// \brief Whether the dictionary knows `word` (code page 1253), in the capitals Hunspell
    /// allows for it. A word its encoding cannot hold is unknown.
    bool knows(std::string_view word) const;
    /// \brief The stems Hunspell finds for `word` (code page 1253), each once, in its order: a
    /// word that is its own stem is among them. Nothing for a word the dictionary does not know
    /// or its encoding cannot hold; a stem the code page cannot hold is left out.
    std::vector<std::string> stems(std::string_view word) const;

  private:
    WordStems(std::unique_ptr<Hunspell> hunspell, std::string encoding);
    /// `word` in the dictionary's encoding; empty when it cannot hold it.
    std::string toDictionary(std::string_view word) const;

    std::unique_ptr<Hunspell> hunspell_;
    std::string encoding_;
    bool utf8_ = false;
};

}  // namespace orvan::spelling
