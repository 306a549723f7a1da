// The pictures of the start screen and of the sample medium's presentations: the start screen's
// background, logos, covers and book details, the slides, the menu pictures and the title
// pictures, and the installed program's icon.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace orvan::pictures {

struct ContentPicture {
    QString fileName;  // in the content folder, with its extension: "background.bmp", "01.jpg"
    QImage image;
};

/// \brief Every picture the start screen reads from the content folder, at the size its control
/// shows it, and the program's icon "orvan.png".
std::vector<ContentPicture> StartScreenPictures();

/// \brief The small setup icon stored with the start screen (18 x 18 points), drawn at `scale`
/// pixels a point.
QImage InstallIcon(int scale = 1);

}  // namespace orvan::pictures
