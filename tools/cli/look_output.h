// How `look` sets out whole entries on a terminal: wrapped to its width, the headword in bold and
// the field dim when colour is wanted, through a pager when the text is longer than the screen.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::cli {

/// \brief One entry as `look` prints it, all UTF-8.
struct Article {
    std::string headword;                  // in the language the word was typed in
    std::string rendering;                 // the headword(s) in the other language
    std::string field;                     // the science field's name
    std::vector<std::string> description;  // a paragraph a line; empty when it cannot be read
};

/// \brief What the standard output is: a terminal and its size, or not.
struct Screen {
    bool terminal = false;
    int columns = 80;  // $COLUMNS when it is set, else the terminal's width, else 80
    int rows = 24;     // the terminal's height, else $LINES, else 24
};

/// \brief The standard output as it is now.
Screen StandardOutput();

/// \brief Whether to colour: --color=always or never as given; auto (or no option) colours a
/// terminal only, and not when NO_COLOR is set to anything but empty (`noColor`, null when
/// unset). Another value of the option is a usage error.
bool WantColour(const std::optional<std::string>& option, bool terminal, const char* noColor);

/// \brief `paragraph` broken at blanks into lines of at most `width` characters (a word longer
/// than that stands alone); each line starts with the paragraph's own leading blanks and
/// `indent` more, and ends without a blank. An empty paragraph is one empty line.
std::vector<std::string> Wrapped(std::string_view paragraph, int width, int indent = 0);

/// \brief The articles as text: how many there are, then each after an empty line, its
/// headword (bold when `colour`), rendering and field (dim), then its description indented by
/// two and wrapped to `width`.
std::string ArticlesText(const std::vector<Article>& articles, int width, bool colour);

/// \brief Writes `text` to `out`, or, when `screen` is a terminal, paging is allowed and the
/// text has more lines than the screen, through $PAGER (else "less -R"). A pager that cannot
/// be started leaves the text written to `out` as though there were none.
void WritePaged(const std::string& text, std::ostream& out, const Screen& screen,
                bool pagingAllowed);

}  // namespace orvan::cli
