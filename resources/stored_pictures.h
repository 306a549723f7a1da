// Where the pictures stored with the program are found among its resources.
#pragma once

#include <QString>

namespace orvan::assets {

/// \brief The program's icon, the one picture of it: the window's icon, and drawn from it the
/// medium's "content/orvan.png" that desktop entries name; the Debian package installs the file.
QString ProgramIconPath();

/// \brief The button picture or dialog picture `name` (":/icons/copy.svg").
QString IconPath(const QString& name);

/// \brief The logo `name` (":/logos/division-logo.svg").
QString LogoPath(const QString& name);

}  // namespace orvan::assets
