// The tests' texts, written as UTF-8 in the sources, as the windows show them.
#pragma once

#include <QString>

namespace orvan::test {

inline QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace orvan::test
