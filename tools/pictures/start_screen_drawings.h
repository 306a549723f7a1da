// The pictures of the start screen and of the sample medium's presentations: the start screen's
// background, logos, covers and book details, the slides, the menu pictures and the title
// pictures.
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
/// shows it (the program's icon "orvan.png" is drawn from its SVG by the sample builder).
std::vector<ContentPicture> StartScreenPictures();

}  // namespace orvan::pictures
