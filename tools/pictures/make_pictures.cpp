// Draws the pictures of the sample medium's content folder that are made by program (the start
// screen's background, logos, covers, slides and menus, and the lookup window's background, rule
// and Greek flag) and writes each as a PNG file into the folder given, named after the file the
// program opens with ".png" for its extension ("background.bmp" -> "background.png",
// "01.jpg" -> "01.png"). Their committed copies are in sample/pictures/, from which the sample
// builder writes the medium's files; run this again after changing a drawing:
//
//   orvan-make-pictures sample/pictures
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>

#include "tools/pictures/drawings.h"
#include "tools/pictures/start_screen_drawings.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: orvan-make-pictures FOLDER\n";
        return 2;
    }
    std::vector<orvan::pictures::ContentPicture> pictures = orvan::pictures::StartScreenPictures();
    pictures.push_back({QStringLiteral("backmain.bmp"), orvan::pictures::BackgroundPicture()});
    pictures.push_back({QStringLiteral("orangeline.bmp"), orvan::pictures::RulePicture()});
    pictures.push_back({QStringLiteral("flaggr.bmp"), orvan::pictures::GreekFlag()});
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::cerr << "cannot create " << argv[1] << "\n";
        return 1;
    }
    for (const auto& picture : pictures) {
        const QString path =
            folder.filePath(QFileInfo(picture.fileName).completeBaseName() + ".png");
        if (!picture.image.save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
