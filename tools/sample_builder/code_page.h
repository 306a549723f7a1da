// Code page 1253 for the sample builder, derived once from Qt's converter.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <unordered_map>

namespace orvan::sample {

class CodePage {
  public:
    CodePage();
    /// The byte of a character, or nothing when the code page has none.
    std::optional<unsigned char> Byte(QChar c) const;
    /// The bytes of a text, or nothing when a character has no byte.
    std::optional<std::string> Encode(const QString& text) const;

  private:
    std::unordered_map<char16_t, unsigned char> bytes_;
};

}  // namespace orvan::sample
