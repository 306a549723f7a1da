#include "lookup/command_line.h"

namespace orvan::lookup {

namespace {

bool EndsLine(QChar c) {
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f' || u == 0x85 || u == 0x2028 ||
           u == 0x2029;
}

// The first `most` characters of `text`, a surrogate pair counting as one character.
QString FirstCharacters(const QString& text, int most) {
    qsizetype end = 0;
    for (int count = 0; end < text.size() && count < most; ++count) {
        const bool pair =
            text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

}  // namespace

QString WordsToLookUp(const QStringList& arguments) {
    QStringList words;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString word = arguments[i].simplified();
        if (word.isEmpty() || arguments[i].startsWith(QLatin1Char('-'))) continue;
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

QString SelectionToLookUp(const QString& selected) {
    // The selection may be a whole document: it is read a line at a time and only up to its
    // first line with text.
    QString line;
    for (qsizetype i = 0; i <= selected.size(); ++i) {
        if (i == selected.size() || EndsLine(selected[i])) {
            line = line.simplified();
            if (!line.isEmpty()) return FirstCharacters(line, kMostSelectedCharacters).trimmed();
            continue;
        }
        const QChar c = selected[i];
        if (c.category() == QChar::Other_Control)
            line += QLatin1Char(' ');
        else if (c.category() != QChar::Other_Format)
            line += c;
    }
    return {};
}

}  // namespace orvan::lookup
