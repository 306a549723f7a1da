#include "spelling/word_stems.h"

#include <iconv.h>
#include <hunspell.hxx>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <optional>

#include "richtext/greek_code_page.h"

namespace orvan::spelling {

namespace {

// `text` from one encoding to another through iconv; nothing when the converter is unknown or a
// character has no place in `to` (no transliteration: an approximate word would be stemmed as
// another one).
std::optional<std::string> Recode(std::string_view text, const std::string& from,
                                  const std::string& to) {
    const iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(converter, &in, &inLeft, &next, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

// The encoding an .aff file names on its SET line; ISO8859-1 when it names none, as Hunspell
// reads such a file.
std::string EncodingOf(const std::filesystem::path& aff) {
    std::ifstream file(aff, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        // A UTF-8 file may open with a byte order mark.
        if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (!line.starts_with("SET") || line.size() < 4 || (line[3] != ' ' && line[3] != '\t'))
            continue;
        const std::size_t start = line.find_first_not_of(" \t", 3);
        if (start == std::string::npos) break;
        const std::size_t end = line.find_first_of(" \t\r", start);
        return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }
    return "ISO8859-1";
}

bool IsUtf8Name(std::string encoding) {
    std::transform(encoding.begin(), encoding.end(), encoding.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return encoding == "UTF-8" || encoding == "UTF8";
}

}  // namespace

std::unique_ptr<WordStems> WordStems::Open(const std::filesystem::path& aff,
                                           const std::filesystem::path& dic) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(aff, error) ||
        !std::filesystem::is_regular_file(dic, error))
        return nullptr;
    std::string encoding = EncodingOf(aff);
    // An encoding the program cannot convert to would make every word unknown: no dictionary.
    if (!IsUtf8Name(encoding) && !Recode("a", "UTF-8", encoding)) return nullptr;
    auto hunspell = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
    return std::unique_ptr<WordStems>(new WordStems(std::move(hunspell), std::move(encoding)));
}

WordStems::WordStems(std::unique_ptr<Hunspell> hunspell, std::string encoding)
    : hunspell_(std::move(hunspell)),
      encoding_(std::move(encoding)),
      utf8_(IsUtf8Name(encoding_)) {}

WordStems::~WordStems() = default;

std::string WordStems::toDictionary(std::string_view word) const {
    const std::string utf8 = GreekToUtf8(word);
    if (utf8_) return utf8;
    return Recode(utf8, "UTF-8", encoding_).value_or(std::string());
}

bool WordStems::knows(std::string_view word) const {
    const std::string written = toDictionary(word);
    return !written.empty() && hunspell_->spell(written);
}

std::vector<std::string> WordStems::stems(std::string_view word) const {
    const std::string written = toDictionary(word);
    if (written.empty()) return {};
    std::vector<std::string> stems;
    for (const std::string& stem : hunspell_->stem(written)) {
        const std::optional<std::string> utf8 =
            utf8_ ? std::optional<std::string>(stem) : Recode(stem, encoding_, "UTF-8");
        if (!utf8) continue;
        const GreekBytes bytes = Utf8ToGreek(*utf8);
        if (!bytes.complete || bytes.bytes.empty()) continue;
        if (std::find(stems.begin(), stems.end(), bytes.bytes) == stems.end())
            stems.push_back(bytes.bytes);
    }
    return stems;
}

}  // namespace orvan::spelling
