// Builds the sample distribution medium's plain lexicon sources and figures from the FreeDict
// English-Greek and Greek-English dictionaries.
//
//   orvan-sample-builder ENG_ELL_INDEX ENG_ELL_DICT ELL_ENG_INDEX ELL_ENG_DICT SAMPLE_DIR
//   MEDIUM_DIR

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <iostream>

#include "lexicon/text_file.h"
#include "resources/stored_pictures.h"
#include "tools/sample_builder/dictd.h"
#include "tools/sample_builder/figures.h"
#include "tools/sample_builder/sample_lexicon.h"

namespace {

void Write(const QString& path, const std::string& bytes) {
    if (!orvan::WriteFileAtomically(path.toStdString(), bytes)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

// The stored SVG picture at `path` drawn at its own size on an opaque white ground (white, so
// that the edges of an opaque picture blend as they would on paper).
QImage SvgOnWhite(const QString& path) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) throw std::runtime_error("cannot read " + path.toStdString());
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The SVG picture drawn at `size` on a clear ground, for the program's icon.
QImage SvgClear(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) throw std::runtime_error("cannot read " + path.toStdString());
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Writes the medium's content pictures from the committed PNG files of `pictures` (drawn by
// orvan-make-pictures): the slides, named by two digits, as JPEG, every other one as a bitmap
// without alpha, each under the name the program opens.
void WritePictures(const QDir& pictures, const QDir& content) {
    const QStringList names = pictures.entryList({"*.png"}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        throw std::runtime_error("no pictures in " + pictures.path().toStdString());
    static const QRegularExpression slide("^\\d\\d\\.png$");
    for (const QString& name : names) {
        const QImage image(pictures.filePath(name));
        if (image.isNull()) throw std::runtime_error("cannot read " + name.toStdString());
        const QString stem = name.chopped(4);
        bool saved = false;
        if (slide.match(name).hasMatch()) {
            saved = image.save(content.filePath(stem + ".jpg"), "JPG", 88);
        } else {
            saved = image.convertToFormat(QImage::Format_RGB888)
                        .save(content.filePath(stem + ".bmp"), "BMP");
        }
        if (!saved) throw std::runtime_error("cannot write " + stem.toStdString());
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvan::sample;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::cerr << "usage: orvan-sample-builder ENG_ELL_INDEX ENG_ELL_DICT ELL_ENG_INDEX "
                     "ELL_ENG_DICT SAMPLE_DIR MEDIUM_DIR\n";
        return 2;
    }
    try {
        std::vector<EnglishArticle> englishGreek;
        for (const DictdArticle& article : ReadDictd(args[1], args[2])) {
            englishGreek.push_back(ParseEnglishGreek(article));
        }
        std::vector<GreekArticle> greekEnglish;
        for (const DictdArticle& article : ReadDictd(args[3], args[4])) {
            greekEnglish.push_back(ParseGreekEnglish(article));
        }
        const SampleSources sources =
            BuildSampleSources(englishGreek, greekEnglish, ReadSampleChoices(args[5]));

        const QDir medium(args[6]);
        if (!medium.mkpath("data") || !medium.mkpath("content")) {
            throw std::runtime_error("cannot create the medium's folders");
        }
        Write(medium.filePath("data/i_.tbo"), orvan::JoinLinesCrLf(sources.englishIndex));
        Write(medium.filePath("data/igr_.tbo"), orvan::JoinLinesCrLf(sources.greekIndex));
        Write(medium.filePath("data/lex_.tbo"), sources.descriptions);
        Write(medium.filePath("data/srt.tbo"), orvan::JoinLinesCrLf(sources.fields));
        for (const FigureToDraw& figure : sources.figures) {
            const QString path =
                medium.filePath(QString("content/fig%1%2.bmp").arg(figure.entryNumber).arg(1));
            if (!DrawFigure(figure.shape, path)) {
                throw std::runtime_error("cannot draw " + path.toStdString());
            }
        }
        // The content folder's drawn pictures, the English flag from the language button's
        // picture, and the program's icon (which the desktop entry names) from its SVG.
        WritePictures(QDir(args[5] + "/pictures"), QDir(medium.filePath("content")));
        const QString flag = medium.filePath("content/flagen.bmp");
        if (!SvgOnWhite(orvan::assets::IconPath("language"))
                 .convertToFormat(QImage::Format_RGB888)
                 .save(flag, "BMP"))
            throw std::runtime_error("cannot write " + flag.toStdString());
        const QString icon = medium.filePath("content/orvan.png");
        if (!SvgClear(orvan::assets::ProgramIconPath(), QSize(48, 48)).save(icon, "PNG"))
            throw std::runtime_error("cannot write " + icon.toStdString());
        std::cout << sources.englishIndex.size() << " English entries, "
                  << sources.greekIndex.size() << " Greek headwords, " << sources.fields.size()
                  << " science fields, " << sources.figures.size() << " figures\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "orvan-sample-builder: " << error.what() << '\n';
        return 1;
    }
}
