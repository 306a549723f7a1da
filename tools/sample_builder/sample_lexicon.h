// Turns the two FreeDict dictionaries into the plain sources of a sample lexicon: the English
// and Greek indexes, the description store and the list of science fields.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "tools/sample_builder/dictd.h"

namespace orvan::sample {

/// \brief What, besides the dictionaries, shapes the sample: the science fields with their term
/// lists and the entries that carry a figure.
struct SampleChoices {
    struct Field {
        std::string code;
        QString name;
        QStringList terms;  // lower case
    };
    std::vector<Field> fields;
    std::vector<std::pair<QString, QString>> figures;  // headword, shape
};

/// \brief Reads sample/fields.txt, sample/field-terms/ and sample/figures.txt.
SampleChoices ReadSampleChoices(const QString& sampleFolder);

struct FigureToDraw {
    int entryNumber = 0;
    QString shape;
};

struct SampleSources {
    std::vector<std::string> englishIndex;  // plain lines of data/i_.tbo
    std::vector<std::string> greekIndex;    // plain lines of data/igr_.tbo
    std::string descriptions;               // plain bytes of data/lex_.tbo
    std::vector<std::string> fields;        // lines of data/srt.tbo
    std::vector<FigureToDraw> figures;
};

SampleSources BuildSampleSources(const std::vector<EnglishArticle>& englishGreek,
                                 const std::vector<GreekArticle>& greekEnglish,
                                 const SampleChoices& choices);

/// \brief The 57601-byte prologue block that opens the description store: a font table whose
/// font 60 is in the Greek character set and a colour table, leaving two groups open for the
/// description that follows.
std::string DescriptionPrologue();

}  // namespace orvan::sample
