// Turns the two FreeDict dictionaries into the plain sources of a sample lexicon: the English
// and Greek indexes, the description store and the list of science fields.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "lexicon/tables.h"
#include "tools/sample_builder/dictd.h"

namespace orvan::sample {

/// \brief The most records the sample puts in each of its tables (the English index and the
/// Greek index). The tables hold kTableCapacity records, the lexicon's and the user's own
/// entries together: what the sample leaves free is the room for the user's entries.
inline constexpr int kSampleTableRecords = 35000;
static_assert(kTableCapacity - kSampleTableRecords >= 5000,
              "the sample must leave room for at least 5000 entries of the user's own");

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

/// \brief The sample's sources, each index at most `room` lines. Of all English headwords the
/// dictionaries give, those kept are first the ones with a science field or a figure, then the
/// English-Greek headwords, then the Greek-English dictionary's other terms, those whose
/// descriptions carry most first; they are numbered in alphabetical order. The Greek index links
/// renderings, then Greek-English headwords, to kept entries only.
SampleSources BuildSampleSources(const std::vector<EnglishArticle>& englishGreek,
                                 const std::vector<GreekArticle>& greekEnglish,
                                 const SampleChoices& choices, size_t room = kSampleTableRecords);

/// \brief The 57601-byte prologue block that opens the description store: a font table whose
/// font 60 is in the Greek character set and a colour table, leaving two groups open for the
/// description that follows.
std::string DescriptionPrologue();

}  // namespace orvan::sample
