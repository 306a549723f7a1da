// What the program's command line asks of the window: words to look up at once, or the text
// selected in another program.
#pragma once

#include <QString>
#include <QStringList>

namespace orvan::lookup {

/// \brief The words `orvan WORD…` names, joined by single spaces: every argument after the
/// program's name that is not an option (options start with "-" and are Qt's or the program's
/// own, such as --language=en). Empty when none is named.
QString WordsToLookUp(const QStringList& arguments);

/// The most characters of a selection that `orvan --selection` looks up.
inline constexpr int kMostSelectedCharacters = 80;

/// \brief What `orvan --selection` looks up of the text `selected` in another program: its first
/// line that holds more than blanks (lines end at \n, \r, \r\n and the other line and paragraph
/// breaks), with tabs and other control characters taken as blanks, invisible formatting
/// characters (soft hyphens, zero-width spaces, byte order marks) dropped, runs of blanks made
/// one and blanks at either end trimmed; then its first kMostSelectedCharacters characters
/// (a letter outside the Basic Multilingual Plane counts as one and is never cut in two).
/// Empty when nothing but blanks is selected.
QString SelectionToLookUp(const QString& selected);

}  // namespace orvan::lookup
