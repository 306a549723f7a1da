// Builds the sample distribution medium's plain lexicon sources and figures from the FreeDict
// English-Greek and Greek-English dictionaries.
//
//   orvan-sample-builder ENG_ELL_INDEX ENG_ELL_DICT ELL_ENG_INDEX ELL_ENG_DICT SAMPLE_DIR
//   MEDIUM_DIR

#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "lexicon/text_file.h"
#include "tools/pictures/drawings.h"
#include "tools/pictures/start_screen_drawings.h"
#include "tools/sample_builder/dictd.h"
#include "tools/sample_builder/figures.h"
#include "tools/sample_builder/sample_lexicon.h"

namespace {

void Write(const QString& path, const std::string& bytes) {
    if (!orvan::WriteFileAtomically(path.toStdString(), bytes)) {
        throw std::runtime_error("cannot write " + path.toStdString());
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
        const std::pair<const char*, QImage> windowPictures[] = {
            {"content/backmain.bmp", orvan::pictures::BackgroundPicture()},
            {"content/orangeline.bmp", orvan::pictures::RulePicture()},
            {"content/flagen.bmp", orvan::pictures::EnglishFlag()},
            {"content/flaggr.bmp", orvan::pictures::GreekFlag()},
        };
        for (const auto& [name, image] : windowPictures) {
            const QString path = medium.filePath(name);
            if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
                throw std::runtime_error("cannot write " + path.toStdString());
            }
        }
        // The start screen's pictures: bitmaps without alpha, slides as JPEG, the icon as PNG.
        for (const auto& picture : orvan::pictures::StartScreenPictures()) {
            const QString path = medium.filePath("content/" + picture.fileName);
            bool saved = false;
            if (picture.fileName.endsWith(".bmp")) {
                saved = picture.image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
            } else if (picture.fileName.endsWith(".jpg")) {
                saved = picture.image.save(path, "JPG", 88);
            } else if (picture.fileName.endsWith(".png")) {
                saved = picture.image.save(path, "PNG");
            }
            if (!saved) throw std::runtime_error("cannot write " + path.toStdString());
        }
        std::cout << sources.englishIndex.size() << " English entries, "
                  << sources.greekIndex.size() << " Greek headwords, " << sources.fields.size()
                  << " science fields, " << sources.figures.size() << " figures\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "orvan-sample-builder: " << error.what() << '\n';
        return 1;
    }
}
