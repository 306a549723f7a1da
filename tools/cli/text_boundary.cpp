#include "tools/cli/text_boundary.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace orvan::cli {

namespace {
constexpr const char* kCodePage = "windows-1253";
}

bool IsUtf8(std::string_view bytes) {
    // Malformed sequences come back as U+FFFD: the round trip tells.
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text.toUtf8() == QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<std::string> ToCodePage(std::string_view utf8) {
    if (!IsUtf8(utf8)) return std::nullopt;
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QStringEncoder encoder(kCodePage);
    QStringDecoder decoder(kCodePage);
    if (!encoder.isValid() || !decoder.isValid()) return std::nullopt;
    const QByteArray bytes = encoder.encode(text);
    // A character the code page cannot hold comes back as a substitute: the round trip tells.
    if (encoder.hasError() || QString(decoder.decode(bytes)) != text) return std::nullopt;
    return bytes.toStdString();
}

std::string ToUtf8(std::string_view codePage) {
    QStringDecoder decoder(kCodePage);
    const QString text =
        decoder.decode(QByteArrayView(codePage.data(), static_cast<qsizetype>(codePage.size())));
    return text.toUtf8().toStdString();
}

}  // namespace orvan::cli
