#include "lookup/command_line.h"

namespace orvan::lookup {

QString WordsToLookUp(const QStringList& arguments) {
    QStringList words;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString word = arguments[i].simplified();
        if (word.isEmpty() || arguments[i].startsWith(QLatin1Char('-'))) continue;
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

}  // namespace orvan::lookup
