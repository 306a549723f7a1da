// What the program's command line asks of the window: words to look up at once.
#pragma once

#include <QString>
#include <QStringList>

namespace orvan::lookup {

/// \brief The words `orvan WORD…` names, joined by single spaces: every argument after the
/// program's name that is not an option (options start with "-" and are Qt's or the program's
/// own, such as --language=en). Empty when none is named.
QString WordsToLookUp(const QStringList& arguments);

}  // namespace orvan::lookup
