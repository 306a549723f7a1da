#include "tools/sample_builder/code_page.h"

#include <QStringDecoder>

namespace orvan::sample {

CodePage::CodePage() {
    QStringDecoder decoder("windows-1253");
    for (int b = 1; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString c = decoder.decode(QByteArrayView(&byte, 1));
        if (c.size() == 1 && c[0] != QChar::ReplacementCharacter) {
            bytes_.emplace(c[0].unicode(), static_cast<unsigned char>(b));
        }
    }
}

std::optional<unsigned char> CodePage::Byte(QChar c) const {
    const auto it = bytes_.find(c.unicode());
    if (it == bytes_.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> CodePage::Encode(const QString& text) const {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        const auto byte = Byte(c);
        if (!byte) return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

}  // namespace orvan::sample
