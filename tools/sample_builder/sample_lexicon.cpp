#include "tools/sample_builder/sample_lexicon.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <stdexcept>
#include <string_view>
#include <tuple>

#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "richtext/greek_code_page.h"
#include "richtext/screen_text.h"

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

// Keeps the first `room` items by `rank` (lower ranks first). The rank that has room for only
// part of its items gives them up evenly along `order` (alphabetical), so that it loses items
// all through the alphabet rather than all of its end.
template <typename Item, typename Rank, typename Order>
void KeepFirstRanked(std::vector<Item>& items, size_t room, const Rank& rank, const Order& order) {
    if (items.size() <= room) return;
    std::sort(items.begin(), items.end(),
              [&](const Item& a, const Item& b) { return rank(a) < rank(b); });
    const auto boundary = rank(items[room]);
    const auto tierBegin = std::partition_point(
        items.begin(), items.end(), [&](const Item& item) { return rank(item) < boundary; });
    const auto tierEnd = std::partition_point(
        tierBegin, items.end(), [&](const Item& item) { return !(boundary < rank(item)); });
    std::sort(tierBegin, tierEnd, order);
    const size_t tier = static_cast<size_t>(tierEnd - tierBegin);
    const size_t wanted = room - static_cast<size_t>(tierBegin - items.begin());
    auto kept = tierBegin;
    for (size_t i = 0; i < tier; ++i) {
        // Exactly `wanted` of the `tier` items pass, spread evenly: item i passes when
        // i * wanted / tier reaches the next whole number.
        if ((i + 1) * wanted / tier == i * wanted / tier) continue;
        if (kept != tierBegin + static_cast<std::ptrdiff_t>(i))
            *kept = std::move(tierBegin[static_cast<std::ptrdiff_t>(i)]);
        ++kept;
    }
    items.erase(kept, items.end());
}

// A Greek-English article an entry shows, and where the article names the entry's headword
// among its English terms (0 for its first term).
struct ReverseArticle {
    const GreekArticle* article;
    int place;
};

struct SampleEntry {
    std::string headword;
    int keyStart = 1;
    std::string sortKey;
    QString pronunciation;
    QStringList renderings;
    std::vector<ReverseArticle> reverse;
    std::string fieldCode;
    QString figureShape;
    bool englishGreekHeadword = false;
    bool leadsASense = false;  // the first English term of a Greek-English sense
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
        for (const auto& [article, place] : entry.reverse) {
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

// Every English headword the two dictionaries give: the English-Greek headwords, then the
// English terms of the Greek-English senses, each with what its description will show.
std::vector<SampleEntry> CollectEnglishEntries(const std::vector<EnglishArticle>& englishGreek,
                                               const std::vector<GreekArticle>& greekEnglish) {
    std::vector<SampleEntry> entries;
    QHash<QString, size_t> byTerm;
    const auto entryFor = [&](const QString& term) -> SampleEntry* {
        const QString plain = WithoutLatinAccents(term);
        const QString lower = plain.toLower();
        if (const auto it = byTerm.find(lower); it != byTerm.end()) return &entries[*it];
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
        entry->englishGreekHeadword = true;
        if (entry->pronunciation.isEmpty()) entry->pronunciation = article.pronunciation;
        for (const QString& rendering : article.renderings) {
            if (!entry->renderings.contains(rendering)) entry->renderings << rendering;
        }
    }
    for (const GreekArticle& article : greekEnglish) {
        std::set<SampleEntry*> attached;
        int place = 0;
        for (const GreekSense& sense : article.senses) {
            for (const QString& term : sense.terms) {
                SampleEntry* entry = entryFor(term);
                const bool leads = &term == &sense.terms.front();
                const int termPlace = place++;
                if (entry == nullptr) continue;
                entry->leadsASense = entry->leadsASense || leads;
                if (attached.contains(entry) || entry->reverse.size() >= kMaxReverseArticles) {
                    continue;
                }
                attached.insert(entry);
                entry->reverse.push_back({&article, termPlace});
            }
        }
    }
    for (SampleEntry& entry : entries) {
        entry.keyStart = KeyStartOf(entry.headword);
        entry.sortKey = LatinSearchKey(entry.headword.substr(entry.keyStart - 1), true);
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

// The words of a headword's alphabetical part ("to run" and "run" are one word).
int KeyWords(const SampleEntry& entry) {
    const std::string_view key = std::string_view(entry.headword).substr(entry.keyStart - 1);
    return 1 + static_cast<int>(std::count(key.begin(), key.end(), ' '));
}

bool InAlphabeticalOrder(const SampleEntry& a, const SampleEntry& b) {
    return std::tie(a.sortKey, a.headword) < std::tie(b.sortKey, b.headword);
}

// Keeps `room` entries at most, chosen in this order: the entries with a science field or a
// figure; the English-Greek headwords; the Greek-English dictionary's other terms. Within each
// of these, an entry whose description carries more (Greek renderings and Greek-English
// articles) comes first, then a headword of fewer words, then the first term of a
// Greek-English sense. The kept entries are left in alphabetical order.
void KeepMostUseful(std::vector<SampleEntry>& entries, size_t room) {
    const auto rank = [](const SampleEntry& entry) {
        const int group = !entry.fieldCode.empty() || !entry.figureShape.isEmpty() ? 0
                          : entry.englishGreekHeadword                             ? 1
                                                                                   : 2;
        const int carried = static_cast<int>(entry.renderings.size() + entry.reverse.size());
        return std::make_tuple(group, -carried, KeyWords(entry), !entry.leadsASense);
    };
    KeepFirstRanked(entries, room, rank, InAlphabeticalOrder);
    std::sort(entries.begin(), entries.end(), InAlphabeticalOrder);
}

struct GreekLine {
    std::string key;
    std::string headword;
    int number;
};

bool InKeyOrder(const GreekLine& a, const GreekLine& b) {
    return std::tie(a.key, a.headword, a.number) < std::tie(b.key, b.headword, b.number);
}

// The Greek index of the kept entries, each line linking a Greek headword to an English entry,
// at most `room` lines chosen in this order: the renderings of the entries; one line for each
// headword of a Greek-English article an entry shows that is no rendering yet (linked to the
// entry of the article's first English term that is kept); every other link of a Greek-English
// headword to an entry that shows its article.
std::vector<std::string> GreekIndex(const std::vector<SampleEntry>& entries, size_t room) {
    std::vector<std::pair<int, GreekLine>> lines;  // group, line
    std::set<std::pair<std::string, int>> linked;
    const auto add = [&](int group, const std::string& headword, int number) {
        std::string key = GreekSearchKey(headword, true);
        if (key.empty() || !linked.insert({headword, number}).second) return;
        lines.push_back({group, {std::move(key), headword, number}});
    };
    for (const SampleEntry& entry : entries) {
        for (const QString& rendering : entry.renderings) {
            if (const auto headword = Headword(rendering.simplified()))
                add(0, *headword, entry.number);
        }
    }
    std::set<std::string> renderings;
    for (const auto& [group, line] : lines)
        renderings.insert(line.headword);
    // Each Greek-English headword that is no rendering, with its first link: the lowest place.
    std::map<std::string, std::pair<int, int>> firstLinks;  // headword -> place, entry number
    for (const SampleEntry& entry : entries) {
        for (const auto& [article, place] : entry.reverse) {
            const auto headword = Headword(article->headword.simplified());
            if (!headword || renderings.contains(*headword)) continue;
            const auto [it, added] = firstLinks.try_emplace(*headword, place, entry.number);
            if (!added && place < it->second.first) it->second = {place, entry.number};
        }
    }
    for (const auto& [headword, link] : firstLinks)
        add(1, headword, link.second);
    for (const SampleEntry& entry : entries) {
        for (const auto& [article, place] : entry.reverse) {
            if (const auto headword = Headword(article->headword.simplified()))
                add(2, *headword, entry.number);
        }
    }
    const auto inKeyOrder = [](const auto& a, const auto& b) {
        return InKeyOrder(a.second, b.second);
    };
    KeepFirstRanked(
        lines, room, [](const auto& line) { return line.first; }, inKeyOrder);
    std::sort(lines.begin(), lines.end(), inKeyOrder);
    std::vector<std::string> index;
    for (const auto& [group, line] : lines) {
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
                                 const SampleChoices& choices, size_t room) {
    std::vector<SampleEntry> entries = CollectEnglishEntries(englishGreek, greekEnglish);
    AssignFieldsAndFigures(entries, choices);
    KeepMostUseful(entries, room);

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
    sources.greekIndex = GreekIndex(entries, room);
    for (const auto& field : choices.fields) {
        const auto name = Cp1253(field.name);
        if (!name) throw std::runtime_error("field name outside code page 1253");
        sources.fields.push_back(FormatFieldLine({field.code, *name}));
    }
    return sources;
}

}  // namespace orvan::sample
