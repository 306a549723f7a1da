#include "richtext/greek_code_page.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <unordered_map>

namespace orvan {

namespace {

constexpr char16_t kNoCharacter = u'\uFFFD';

using ByteTable = std::array<char16_t, 256>;

// What each byte stands for, as Qt's converter (ICU) has the page. Built once, on first use.
const ByteTable& Characters() {
    static const ByteTable table = [] {
        ByteTable built{};
        QStringDecoder decoder("windows-1253");
        for (int byte = 0; byte < 256; ++byte) {
            built[byte] = byte < 0x80 ? static_cast<char16_t>(byte) : kNoCharacter;
            if (byte < 0x80 || !decoder.isValid()) continue;
            const char raw = static_cast<char>(byte);
            const QString text = decoder.decode(QByteArrayView(&raw, 1));
            decoder.resetState();
            if (text.size() == 1) built[byte] = text.at(0).unicode();
        }
        return built;
    }();
    return table;
}

QString FromUtf16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// UTF-8 decoded by Qt; `wellFormed` tells whether every byte belonged to a proper character.
QString DecodeUtf8(std::string_view utf8, bool& wellFormed) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    wellFormed = !decoder.hasError();
    return text;
}

}  // namespace

char16_t GreekCharacter(unsigned char byte) {
    return Characters()[byte];
}

std::optional<unsigned char> GreekByte(char32_t character) {
    static const std::unordered_map<char32_t, unsigned char> bytes = [] {
        std::unordered_map<char32_t, unsigned char> inverse;
        for (int byte = 1; byte < 256; ++byte) {
            const char16_t shown = GreekCharacter(static_cast<unsigned char>(byte));
            if (shown != kNoCharacter) inverse.emplace(shown, static_cast<unsigned char>(byte));
        }
        return inverse;
    }();
    const auto found = bytes.find(character);
    if (found == bytes.end()) return std::nullopt;
    return found->second;
}

GreekBytes Utf16ToGreek(std::u16string_view text) {
    GreekBytes out;
    out.bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t character = text[i];
        const bool high = character >= 0xD800 && character <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
        // A surrogate, paired or not, stands for nothing the page holds.
        if (character >= 0xD800 && character <= 0xDFFF) character = kNoCharacter;
        const auto byte = GreekByte(character);
        out.bytes += byte ? static_cast<char>(*byte) : kUnencodableMark;
        out.complete = out.complete && byte.has_value();
    }
    return out;
}

GreekBytes Utf16ToGreekSearchText(std::u16string_view text) {
    GreekBytes out = Utf16ToGreek(text);
    if (out.complete) return out;
    // The characters come out one byte each, in order: each mark is looked at again.
    const QString whole = FromUtf16(text);
    std::size_t at = 0;
    out.complete = true;
    for (qsizetype i = 0; i < whole.size(); ++i, ++at) {
        const bool pair = whole.at(i).isHighSurrogate() && i + 1 < whole.size() &&
                          whole.at(i + 1).isLowSurrogate();
        const QString character = whole.mid(i, pair ? 2 : 1);
        if (pair) ++i;
        if (out.bytes[at] != kUnencodableMark || GreekByte(character.at(0).unicode())) continue;
        const QString parts = character.normalized(QString::NormalizationForm_D);
        const QChar base = parts.at(0);
        const bool latinWithMarks = parts.size() > 1 && base.unicode() < 0x80 && base.isLetter() &&
                                    std::all_of(parts.begin() + 1, parts.end(), [](QChar mark) {
                                        return mark.category() == QChar::Mark_NonSpacing;
                                    });
        if (latinWithMarks) {
            out.bytes[at] = static_cast<char>(base.unicode());
        } else {
            out.complete = false;
        }
    }
    return out;
}

std::string CharactersWithoutByte(std::u16string_view text) {
    QStringList missing;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t length = 1;
        if (QChar::isHighSurrogate(text[i]) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1])) {
            length = 2;
        }
        const std::u16string_view character = text.substr(i, length);
        i += length - 1;
        if (Utf16ToGreek(character).complete) continue;
        const QString shown = FromUtf16(character);
        if (!missing.contains(shown)) missing << shown;
    }
    return missing.join(' ').toStdString();
}

GreekBytes Utf8ToGreek(std::string_view utf8) {
    bool wellFormed = true;
    GreekBytes out = Utf16ToGreek(Utf16Of(DecodeUtf8(utf8, wellFormed)));
    out.complete = out.complete && wellFormed;
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    bool wellFormed = true;
    return std::u16string(Utf16Of(DecodeUtf8(utf8, wellFormed)));
}

std::u16string GreekToUtf16(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = GreekCharacter(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string GreekToUtf8(std::string_view bytes) {
    return FromUtf16(GreekToUtf16(bytes)).toUtf8().toStdString();
}

bool IsUtf8(std::string_view bytes) {
    bool wellFormed = true;
    DecodeUtf8(bytes, wellFormed);
    return wellFormed;
}

}  // namespace orvan
