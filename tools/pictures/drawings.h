// The pictures of the lookup window that the program reads from the medium's content folder: the
// background, the rule under the tool row and the Greek flag. (The English flag is the language
// button's stored picture, which the sample builder draws from its SVG.)
#pragma once

#include <QImage>

namespace orvan::pictures {

/// \brief The window's background: a soft gradient with a lighter tool row and bottom band.
QImage BackgroundPicture();
/// \brief The rule under the tool row.
QImage RulePicture();
/// \brief The Greek flag, 43 x 33.
QImage GreekFlag();

}  // namespace orvan::pictures
