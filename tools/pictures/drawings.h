// The pictures of the lookup window: the button pictures and logos stored with the window, and
// the background, rule and flags that the program reads from the content folder.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace orvan::pictures {

struct NamedPicture {
    QString name;  // file name without extension
    QImage image;
};

/// \brief Every picture stored with the window, each at the size its control shows it, drawn at
/// `scale` pixels a point (2 for the "@2x" pictures of fine screens).
std::vector<NamedPicture> WindowPictures(int scale = 1);

/// \brief The pictures of the folder choice dialog: a notepad with a pen (29 x 22) for the
/// personal folder, a computer with a software box (41 x 41) for the installation.
/// Drawn at `scale` pixels a point.
std::vector<NamedPicture> FolderDialogPictures(int scale = 1);

/// \brief The window's background: a soft gradient with a lighter tool row and bottom band.
QImage BackgroundPicture();
/// \brief The rule under the tool row.
QImage RulePicture();
/// \brief The language flags, 43 x 33 (the English one also at `scale` pixels a point, as the
/// window's stored language picture).
QImage EnglishFlag(int scale = 1);
QImage GreekFlag();

}  // namespace orvan::pictures
