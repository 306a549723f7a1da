// Reading the FreeDict dictionaries the sample lexicon is made from (dictd format: an index of
// headword, base-64 offset and length, and a gzip-compressed body file).
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orvan::sample {

struct DictdArticle {
    QString headword;
    QString body;
};

/// \brief Every article of a dictd dictionary but its "00database..." records; throws
/// std::runtime_error when a file cannot be read.
std::vector<DictdArticle> ReadDictd(const QString& indexPath, const QString& dictPath);

/// \brief An English-Greek article: the headword, its pronunciation and its Greek renderings.
struct EnglishArticle {
    QString headword;
    QString pronunciation;
    QStringList renderings;
};
EnglishArticle ParseEnglishGreek(const DictdArticle& article);

/// \brief A Greek-English article: the headword, its pronunciation and part of speech, and its
/// senses, each a list of English terms with an optional Greek note.
struct GreekSense {
    QStringList terms;
    QString note;
};
struct GreekArticle {
    QString headword;
    QString pronunciation;
    std::vector<GreekSense> senses;
};
GreekArticle ParseGreekEnglish(const DictdArticle& article);

}  // namespace orvan::sample
