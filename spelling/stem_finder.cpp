#include "spelling/stem_finder.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <future>
#include <memory>

#include "spelling/english_endings.h"
#include "spelling/greek_endings.h"
#include "spelling/word_stems.h"

namespace orvan::spelling {

namespace {

namespace fs = std::filesystem;

constexpr const char* kEnglishNames[] = {"en_US", "en_GB"};
constexpr int kLoadNiceness = 10;
constexpr const char* kGreekNames[] = {"el_GR"};

struct Dictionaries {
    std::unique_ptr<WordStems> english, greek;
};

// The .aff and .dic pair of the first name found, folder by folder.
template <std::size_t N>
std::pair<fs::path, fs::path> FirstPair(const std::vector<fs::path>& folders,
                                        const char* const (&names)[N]) {
    for (const fs::path& folder : folders) {
        for (const char* name : names) {
            const fs::path aff = folder / (std::string(name) + ".aff");
            const fs::path dic = folder / (std::string(name) + ".dic");
            std::error_code error;
            if (fs::is_regular_file(aff, error) && fs::is_regular_file(dic, error))
                return {aff, dic};
        }
    }
    return {};
}

bool AnyPair(const std::vector<fs::path>& folders) {
    return !FirstPair(folders, kEnglishNames).first.empty() ||
           !FirstPair(folders, kGreekNames).first.empty();
}

std::unique_ptr<WordStems> OpenFirst(const std::pair<fs::path, fs::path>& pair) {
    return pair.first.empty() ? nullptr : WordStems::Open(pair.first, pair.second);
}

std::shared_ptr<const Dictionaries> Load(const std::vector<fs::path>& folders) {
    auto loaded = std::make_shared<Dictionaries>();
    loaded->english = OpenFirst(FirstPair(folders, kEnglishNames));
    loaded->greek = OpenFirst(FirstPair(folders, kGreekNames));
    return loaded;
}

std::vector<std::string> StemsIn(const Dictionaries& dictionaries, std::string_view word,
                                 bool greek) {
    const WordStems* dictionary = greek ? dictionaries.greek.get() : dictionaries.english.get();
    // Only a word the dictionary knows is reduced: a misspelling is left to the spelling
    // suggestions.
    if (dictionary == nullptr || !dictionary->knows(word)) return {};
    std::vector<std::string> stems = dictionary->stems(word);
    // The Greek dictionary lists every form as a word of its own and so names no stems, and
    // the English one names none for some regular forms: their endings give the base forms the
    // known word may come from.
    for (std::string& form : greek ? GreekBaseForms(word) : EnglishBaseForms(word))
        stems.push_back(std::move(form));
    return stems;
}

}  // namespace

std::vector<fs::path> SystemDictionaryFolders() {
    if (const char* chosen = std::getenv("ORVAN_HUNSPELL_DIR")) return {fs::path(chosen)};
    return {"/usr/share/hunspell", "/usr/share/myspell/dicts"};
}

StemFinder LoadStemFinder(const std::vector<fs::path>& folders) {
    std::shared_ptr<const Dictionaries> loaded = Load(folders);
    if (!loaded->english && !loaded->greek) return {};
    return [loaded](std::string_view word, bool greek) { return StemsIn(*loaded, word, greek); };
}

StemFinder SystemStemFinder() {
    static const std::vector<fs::path> folders = SystemDictionaryFolders();
    if (!AnyPair(folders)) return {};
    // Started once, by the first window; kept until the program ends.
    static const std::shared_future<std::shared_ptr<const Dictionaries>> loading =
        std::async(std::launch::async, [] {
            // The load gives way to the window, whose typing must stay quick meanwhile.
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLoadNiceness);
            return Load(folders);
        }).share();
    return [](std::string_view word, bool greek) { return StemsIn(*loading.get(), word, greek); };
}

}  // namespace orvan::spelling
