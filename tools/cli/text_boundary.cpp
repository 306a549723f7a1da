#include "text_boundary.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace orvan::cli {

namespace {
constexpr const char* kCodePage = "windows-1253";
}

std::optional<std::string> ToCodePage(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (text.toUtf8() != QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size()))) {
        return std::nullopt;  // not valid UTF-8
    }
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
