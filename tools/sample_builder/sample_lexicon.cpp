#include "tools/sample_builder/sample_lexicon.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "richtext/greek_code_page.h"
#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "richtext/code_pages.h"

namespace orvan::sample {

namespace {

constexpr int kMaxReverseArticles = 8;
constexpr size_t kMaxHeadword = 80;
constexpr size_t kPrologueSize = 57601;

// The code page bytes of a text; nothing when a character has no place in the page.
std::optional<std::string> Cp1253(const QString& text) {
    GreekBytes bytes = Utf16ToGreek(richtext::Utf16Of(text));
    if (!bytes.complete) return std::nullopt;
    return std::move(bytes.bytes);
}

QStringList ReadListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#')) lines << trimmed;
    }
    return lines;
}

// English text without the accents that code page 1253 has no room for (café -> cafe).
QString WithoutLatinAccents(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) plain += c;
    }
    return plain.normalized(QString::NormalizationForm_C);
}

std::optional<std::string> Headword(const QString& text) {
    auto bytes = Cp1253(text);
    if (!bytes || bytes->empty() || bytes->size() > kMaxHeadword) return std::nullopt;
    return bytes;
}

// Where the alphabetical key of an English headword starts: past a leading article, infinitive
// "to" or marks, so that "the engine" sorts and is found under "engine".
int KeyStartOf(const std::string& headword) {
    for (const char* article : {"a ", "an ", "the ", "to "}) {
        const std::string prefix(article);
        if (headword.size() > prefix.size() && headword.compare(0, prefix.size(), prefix) == 0) {
            return static_cast<int>(prefix.size()) + 1;
        }
    }
    size_t first = 0;
    while (first < headword.size() && !std::isalnum(static_cast<unsigned char>(headword[first]))) {
        ++first;
    }
    return first < headword.size() && first < 99 ? static_cast<int>(first) + 1 : 1;
}

// RTF text: code page bytes with the RTF specials escaped, bytes above 127 as hexadecimal
// escapes (so the stored plain bytes stay within 10..217), other characters as \u escapes.
std::string Rtf(const QString& text) {
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (const QChar c : text) {
        const auto byte = GreekByte(c.unicode());
        if (!byte) {
            out += "\\u" + std::to_string(static_cast<int16_t>(c.unicode())) + "?";
        } else if (*byte == '\\' || *byte == '{' || *byte == '}') {
            out += '\\';
            out += static_cast<char>(*byte);
        } else if (*byte >= 0x80) {
            out += "\\'";
            out += hex[*byte >> 4];
            out += hex[*byte & 15];
        } else if (*byte >= 0x20) {
            out += static_cast<char>(*byte);
        }
    }
    return out;
}

struct SampleEntry {
    std::string headword;
    int keyStart = 1;
    std::string sortKey;
    QString pronunciation;
    QStringList renderings;
    std::vector<const GreekArticle*> reverse;
    std::string fieldCode;
    QString figureShape;
    int number = 0;
};

std::string Description(const SampleEntry& entry) {
    std::string rtf;
    if (!entry.pronunciation.isEmpty())
        rtf += "{\\cf2 " + Rtf(entry.pronunciation) + "}\\par\\par ";
    if (!entry.renderings.isEmpty()) {
        rtf += "{\\b " + Rtf("Απόδοση:") + "} " + Rtf(entry.renderings.join(", ")) + "\\par ";
    }
    if (!entry.reverse.empty()) {
        if (!entry.renderings.isEmpty()) rtf += "\\par ";
        rtf += "{\\b " + Rtf("Από το ελληνοαγγλικό λεξικό:") + "}\\par ";
        for (const GreekArticle* article : entry.reverse) {
            rtf += "{\\b\\cf3 " + Rtf(article->headword) + "}";
            if (!article->pronunciation.isEmpty()) {
                rtf += " {\\cf2 " + Rtf(article->pronunciation) + "}";
            }
            QStringList senses;
            for (const GreekSense& sense : article->senses) {
                QString text = sense.terms.join(", ");
                if (!sense.note.isEmpty()) text += " (" + sense.note + ")";
                senses << text;
            }
            rtf += " " + Rtf(QString(QChar(0x2014))) + " " + Rtf(senses.join("; ")) + "\\par ";
        }
    }
    if (!entry.figureShape.isEmpty()) rtf += "\\par " + Rtf("[Σχήμα 1]") + "\\par ";
    return rtf;
}

std::vector<SampleEntry> CollectEnglishEntries(const std::vector<EnglishArticle>& englishGreek,
                                               const std::vector<GreekArticle>& greekEnglish) {
    std::vector<SampleEntry> entries;
    QHash<QString, size_t> byTerm;
    const auto entryFor = [&](const QString& term) -> SampleEntry* {
        const QString plain = WithoutLatinAccents(term);
        const QString lower = plain.toLower();
        if (const auto it = byTerm.find(lower); it != byTerm.end()) return &entries[*it];
        if (entries.size() >= static_cast<size_t>(kTableCapacity)) return nullptr;
        const auto headword = Headword(plain);
        if (!headword || LatinSearchKey(*headword, true).empty() ||
            StartsWithGreekLetter(*headword)) {
            return nullptr;
        }
        byTerm.insert(lower, entries.size());
        SampleEntry entry;
        entry.headword = *headword;
        entries.push_back(std::move(entry));
        return &entries.back();
    };
    for (const EnglishArticle& article : englishGreek) {
        SampleEntry* entry = entryFor(article.headword);
        if (entry == nullptr) continue;
        if (entry->pronunciation.isEmpty()) entry->pronunciation = article.pronunciation;
        for (const QString& rendering : article.renderings) {
            if (!entry->renderings.contains(rendering)) entry->renderings << rendering;
        }
    }
    for (const GreekArticle& article : greekEnglish) {
        std::set<SampleEntry*> attached;
        for (const GreekSense& sense : article.senses) {
            for (const QString& term : sense.terms) {
                SampleEntry* entry = entryFor(term);
                if (entry == nullptr || attached.contains(entry) ||
                    entry->reverse.size() >= kMaxReverseArticles) {
                    continue;
                }
                attached.insert(entry);
                entry->reverse.push_back(&article);
            }
        }
    }
    return entries;
}

void AssignFieldsAndFigures(std::vector<SampleEntry>& entries, const SampleChoices& choices) {
    QHash<QString, std::string> fieldOfTerm;
    for (const auto& field : choices.fields) {
        for (const QString& term : field.terms) {
            if (!fieldOfTerm.contains(term)) fieldOfTerm.insert(term, field.code);
        }
    }
    QHash<QString, QString> shapeOf;
    for (const auto& [headword, shape] : choices.figures)
        shapeOf.insert(headword.toLower(), shape);
    for (SampleEntry& entry : entries) {
        const QString lower = QString::fromLatin1(entry.headword.c_str()).toLower();
        entry.fieldCode = fieldOfTerm.value(lower);
        entry.figureShape = shapeOf.value(lower);
    }
}

struct GreekLine {
    std::string key;
    std::string headword;
    int number;
};

std::vector<std::string> GreekIndex(const std::vector<SampleEntry>& entries) {
    // Renderings come first; headwords of the Greek-English dictionary fill what room is left.
    std::vector<GreekLine> lines;
    std::set<std::pair<std::string, int>> seen;
    for (int pass = 0; pass < 2; ++pass) {
        for (const SampleEntry& entry : entries) {
            QStringList words = entry.renderings;
            if (pass == 1) {
                words.clear();
                for (const GreekArticle* article : entry.reverse)
                    words << article->headword;
            }
            for (const QString& word : words) {
                if (lines.size() >= static_cast<size_t>(kTableCapacity)) break;
                const auto headword = Headword(word.simplified());
                if (!headword || !seen.insert({*headword, entry.number}).second) continue;
                std::string key = GreekSearchKey(*headword, true);
                if (key.empty()) continue;
                lines.push_back({std::move(key), *headword, entry.number});
            }
        }
    }
    std::sort(lines.begin(), lines.end(), [](const GreekLine& a, const GreekLine& b) {
        return std::tie(a.key, a.headword, a.number) < std::tie(b.key, b.headword, b.number);
    });
    std::vector<std::string> index;
    for (const GreekLine& line : lines) {
        index.push_back(FormatGreekIndexLine({static_cast<uint16_t>(line.number), line.headword}));
    }
    return index;
}

}  // namespace

SampleChoices ReadSampleChoices(const QString& sampleFolder) {
    SampleChoices choices;
    for (const QString& line : ReadListFile(sampleFolder + "/fields.txt")) {
        const QString code = line.section('|', 0, 0).trimmed();
        QStringList terms;
        for (const QString& term : ReadListFile(sampleFolder + "/field-terms/" + code + ".txt")) {
            terms << term.toLower();
        }
        choices.fields.push_back({code.toStdString(), line.section('|', 1).trimmed(), terms});
    }
    for (const QString& line : ReadListFile(sampleFolder + "/figures.txt")) {
        choices.figures.emplace_back(line.section('|', 0, 0).trimmed(),
                                     line.section('|', 1).trimmed());
    }
    return choices;
}

std::string DescriptionPrologue() {
    std::string block =
        "\\rtf1\\ansi\\ansicpg1253\\deff0\\uc1"
        "{\\fonttbl{\\f0\\fswiss\\fcharset161 DejaVu Sans;}"
        "{\\f60\\fswiss\\fcharset161 DejaVu Sans;}}"
        "{\\colortbl;\\red0\\green0\\blue128;\\red0\\green110\\blue110;\\red150\\green40\\blue0;}"
        "\\viewkind4\\pard\\plain\r\n";
    // The block has a fixed size; line breaks, which RTF readers pass over, fill it up.
    const std::string open = "{{";
    while (block.size() + open.size() + 2 <= kPrologueSize)
        block += "\r\n";
    while (block.size() + open.size() < kPrologueSize)
        block += ' ';
    return block + open;
}

SampleSources BuildSampleSources(const std::vector<EnglishArticle>& englishGreek,
                                 const std::vector<GreekArticle>& greekEnglish,
                                 const SampleChoices& choices) {
    std::vector<SampleEntry> entries = CollectEnglishEntries(englishGreek, greekEnglish);
    for (SampleEntry& entry : entries) {
        entry.keyStart = KeyStartOf(entry.headword);
        entry.sortKey = LatinSearchKey(entry.headword.substr(entry.keyStart - 1), true);
    }
    std::sort(entries.begin(), entries.end(), [](const SampleEntry& a, const SampleEntry& b) {
        return std::tie(a.sortKey, a.headword) < std::tie(b.sortKey, b.headword);
    });
    AssignFieldsAndFigures(entries, choices);

    SampleSources sources;
    sources.descriptions = DescriptionPrologue();
    for (size_t i = 0; i < entries.size(); ++i) {
        SampleEntry& entry = entries[i];
        entry.number = static_cast<int>(i) + 1;
        const std::string description = Description(entry);
        IndexLine line;
        line.number = static_cast<uint16_t>(entry.number);
        line.headword = entry.headword;
        line.descPos = static_cast<int32_t>(sources.descriptions.size());
        line.descLen = static_cast<int32_t>(description.size());
        line.keyStart = static_cast<uint8_t>(entry.keyStart);
        line.fieldCode = entry.fieldCode;
        sources.descriptions += description;
        sources.englishIndex.push_back(FormatIndexLine(line));
        if (!entry.figureShape.isEmpty())
            sources.figures.push_back({entry.number, entry.figureShape});
    }
    sources.greekIndex = GreekIndex(entries);
    for (const auto& field : choices.fields) {
        const auto name = Cp1253(field.name);
        if (!name) throw std::runtime_error("field name outside code page 1253");
        sources.fields.push_back(FormatFieldLine({field.code, *name}));
    }
    return sources;
}

}  // namespace orvan::sample
