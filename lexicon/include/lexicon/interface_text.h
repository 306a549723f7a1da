// A text the program shows, written in plain C++ where no Qt is: its Greek source, marked with
// QT_TRANSLATE_NOOP so that lupdate collects it under its context, and the arguments for its
// %1, %2, ... The window translates it (QCoreApplication::translate(context, source)) and puts
// the arguments in; GreekText puts them into the Greek source as it stands.
//
//     InterfaceText{"Orvan::PersonalStore",
//                   QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αριθμός λήμματος: %1"), {"35002"}}
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The same definition as Qt's, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace orvan {

struct InterfaceText {
    const char* context = "";
    const char* source = "";  // UTF-8; empty when there is nothing to say
    std::vector<std::string> arguments;

    bool empty() const { return *source == '\0'; }
};

/// \brief `text` with "%1" to "%9" replaced, in one pass, by its arguments; a placeholder without
/// an argument stays as it is.
std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& arguments);

/// \brief The Greek source of `text` with its arguments in place.
inline std::string GreekText(const InterfaceText& text) {
    return FillPlaceholders(text.source, text.arguments);
}

}  // namespace orvan
