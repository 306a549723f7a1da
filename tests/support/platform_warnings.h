// The warnings Qt's platform layer gave while the tests of a real display ran.
#pragma once

#include <QStringList>

namespace orvan::test {

/// The platform's warnings since the last call, oldest first; they are forgotten.
QStringList TakePlatformWarnings();

}  // namespace orvan::test
