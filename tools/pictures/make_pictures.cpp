// Writes the pictures stored with the lookup window and with the folder choice dialog (with the
// start screen's small setup icon, install.png) as PNG files into the two folders given, from
// which they are committed as resources: each as "name.png" and, drawn at twice the size,
// "name@2x.png".
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "tools/pictures/drawings.h"
#include "tools/pictures/start_screen_drawings.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: orvan-make-pictures WINDOW_FOLDER DIALOG_FOLDER\n";
        return 2;
    }
    // Each picture twice: "name.png" at a pixel a point, and "name@2x.png" drawn again at two
    // pixels a point, which the program shows on screens of device pixel ratio 2.
    for (const int scale : {1, 2}) {
        // The dialog's folder also holds the start screen's small setup icon.
        std::vector<orvan::pictures::NamedPicture> dialogPictures =
            orvan::pictures::FolderDialogPictures(scale);
        dialogPictures.push_back({"install", orvan::pictures::InstallIcon(scale)});
        const std::pair<const char*, std::vector<orvan::pictures::NamedPicture>> sets[] = {
            {argv[1], orvan::pictures::WindowPictures(scale)},
            {argv[2], dialogPictures},
        };
        const QString suffix = scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale);
        for (const auto& [folderName, pictures] : sets) {
            const QDir folder(QString::fromLocal8Bit(folderName));
            for (const auto& picture : pictures) {
                const QString path = folder.filePath(picture.name + suffix);
                if (!picture.image.save(path, "PNG")) {
                    std::cerr << "cannot write " << path.toStdString() << "\n";
                    return 1;
                }
            }
        }
    }
    return 0;
}
