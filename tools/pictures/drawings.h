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

/// \brief Every picture stored with the window, each at the size its control shows it.
std::vector<NamedPicture> WindowPictures();

/// \brief The pictures of the folder choice dialog: a notepad with a pen (29 x 22) for the
/// personal folder, a computer with a software box (41 x 41) for the installation.
std::vector<NamedPicture> FolderDialogPictures();

/// \brief The window's background: a soft gradient with a lighter tool row and bottom band.
QImage BackgroundPicture();
/// \brief The rule under the tool row.
QImage RulePicture();
/// \brief The language flags, 43 x 33.
QImage EnglishFlag();
QImage GreekFlag();

}  // namespace orvan::pictures
