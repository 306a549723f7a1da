// Writes the pictures stored with the lookup window as PNG files into the folder given, from
// which they are committed as the window's resources.
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "drawings.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: orvan-make-pictures FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const auto& picture : orvan::pictures::WindowPictures()) {
        const QString path = folder.filePath(picture.name + ".png");
        if (!picture.image.save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
