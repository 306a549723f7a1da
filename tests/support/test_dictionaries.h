// Tiny Hunspell dictionaries written by the tests: an English one in UTF-8 that adds -s
// (and -y to -ies), and a
// Greek one in ISO 8859-7 (not code page 1253) that turns -ής into -ές and -ας into -ες.
#pragma once

#include <iconv.h>

#include <fstream>
#include <stdexcept>
#include <string>

namespace orvan::test {

/// UTF-8 text as ISO 8859-7 bytes, for the Greek dictionary's files.
inline std::string Iso8859_7(const std::string& utf8) {
    const iconv_t converter = iconv_open("ISO8859-7", "UTF-8");
    std::string out(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    char* next = out.data();
    const std::size_t done = iconv(converter, &in, &inLeft, &next, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1)) throw std::runtime_error("not ISO 8859-7: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

/// Writes en_US.aff/.dic, el_GR.aff/.dic into `folder`, or only the language asked for.
inline void WriteTestDictionaries(const std::string& folder, bool english = true,
                                  bool greek = true) {
    if (english) {
        WriteBytes(folder + "/en_US.aff",
                   "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\nSFX Y Y 1\nSFX Y y ies [^aeiou]y\n");
        WriteBytes(folder + "/en_US.dic",
                   "5\ncomputer/S\nengine/S\nexchanger/S\nheat\nbattery/Y\n");
    }
    if (greek) {
        WriteBytes(folder + "/el_GR.aff",
                   Iso8859_7("SET ISO8859-7\nSFX A Y 1\nSFX A ής ές ής\nSFX B Y 1\n"
                             "SFX B ας ες ας\n"));
        WriteBytes(folder + "/el_GR.dic", Iso8859_7("3\nυπολογιστής/A\nάνθρακας/B\nΆργος\n"));
    }
}

}  // namespace orvan::test
