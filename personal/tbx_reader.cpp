#include "personal/tbx_reader.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <charconv>
#include <optional>

namespace orvan::personal {

namespace {

const QString kXmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

Error Damaged(const std::string& path, std::string message) {
    return Error{ErrorCode::Damaged, path, 0, std::move(message)};
}

std::string LineText(qint64 line) {
    return ", line " + std::to_string(line);
}

/// Which of the two languages a section's language tag names, if either.
enum class Language { English, Greek, Other };

Language LanguageOf(QStringView tag) {
    const QString lower = tag.trimmed().toString().toLower();
    const auto is = [&](const QString& code) {
        return lower == code || lower.startsWith(code + u'-');
    };
    if (is(QStringLiteral("en"))) return Language::English;
    if (is(QStringLiteral("el"))) return Language::Greek;
    return Language::Other;
}

/// The number after `prefix` in `id` when the rest is all digits.
std::optional<long long> NumberAfter(const std::string& id, std::string_view prefix) {
    if (!id.starts_with(prefix) || id.size() == prefix.size()) return std::nullopt;
    const char* first = id.data() + prefix.size();
    const char* last = id.data() + id.size();
    long long number = 0;
    const auto [end, failed] = std::from_chars(first, last, number);
    if (failed != std::errc() || end != last || *first == '-' || *first == '+') return std::nullopt;
    return number;
}

/// A text of the file as the entries hold it: UTF-8, each line end as CR LF.
std::string DescriptionText(const QString& text) {
    std::string out;
    const std::string utf8 = text.toStdString();
    out.reserve(utf8.size());
    for (const char c : utf8) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

/// Reads the document's concepts; the reader stands on the root's start tag.
class ConceptReader {
  public:
    ConceptReader(QXmlStreamReader& xml, std::vector<ExchangeEntry>& entries)
        : xml_(xml), entries_(entries) {}

    void readBody() {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.hasError()) return;
            if (!xml_.isStartElement()) continue;
            const QStringView name = xml_.name();
            if (name == u"conceptEntry" || name == u"termEntry") readConcept();
        }
    }

  private:
    // Reads one concept, from its start tag to its end tag.
    void readConcept() {
        ExchangeEntry entry;
        entry.origin = xml_.name().toString().toStdString() + " " +
                       std::to_string(entries_.size() + 1) + " (line " +
                       std::to_string(xml_.lineNumber()) + ")";
        const std::string id = idOf();
        bool haveEnglish = false;
        bool haveGreek = false;
        bool haveField = false;
        std::string description;
        const auto addText = [&](const QString& text) {
            if (text.isEmpty()) return;
            if (!description.empty()) description += "\r\n";
            description += DescriptionText(text);
        };
        // The language of each open language section, innermost last.
        std::vector<Language> languages;
        int depth = 0;
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.hasError()) return;
            if (xml_.isEndElement()) {
                if (depth == 0) break;
                --depth;
                const QStringView name = xml_.name();
                if ((name == u"langSec" || name == u"langSet") && !languages.empty())
                    languages.pop_back();
                continue;
            }
            if (!xml_.isStartElement()) continue;
            const QStringView name = xml_.name();
            const Language language = languages.empty() ? Language::English : languages.back();
            const bool inLanguage = !languages.empty();
            if (name == u"langSec" || name == u"langSet") {
                ++depth;
                languages.push_back(LanguageOf(languageTag()));
                continue;
            }
            // Whatever stands in another language's section is passed over.
            if (inLanguage && language == Language::Other) {
                xml_.skipCurrentElement();
                continue;
            }
            if (name == u"term") {
                const QString term = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
                if (inLanguage && language == Language::English && !haveEnglish) {
                    entry.english = term.toStdString();
                    haveEnglish = true;
                } else if (inLanguage && language == Language::Greek && !haveGreek) {
                    entry.greek = term.toStdString();
                    haveGreek = true;
                }
                continue;
            }
            // A field or a definition is a descrip of that type, or (as tools that write each
            // kind of information as an element of its own do) an element of that name.
            QString type = name.toString();
            if (name == u"descrip") {
                type = xml_.attributes().value(QLatin1StringView("type")).toString();
                if (type == u"note") type.clear();
            } else if (name != u"note" && name != u"subjectField" && name != u"definition") {
                ++depth;
                continue;
            }
            if (type == u"subjectField") {
                const QString field = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!haveField) {
                    entry.fieldName = field.toStdString();
                    haveField = true;
                }
            } else if (type == u"definition" || type == u"note") {
                addText(xml_.readElementText(QXmlStreamReader::IncludeChildElements));
            } else {
                xml_.skipCurrentElement();
            }
            continue;
        }
        if (xml_.hasError()) return;
        entry.description = std::move(description);
        if (const auto number = NumberAfter(id, "entry-")) {
            entry.number = *number;
        } else if (const auto note = NumberAfter(id, "note-")) {
            entry.kind = ExchangeKind::Note;
            entry.number = *note;
            entry.lexiconHeadword = entry.english;
        }
        entries_.push_back(std::move(entry));
    }

    std::string idOf() const {
        const QXmlStreamAttributes attributes = xml_.attributes();
        if (attributes.hasAttribute(QLatin1StringView("id")))
            return attributes.value(QLatin1StringView("id")).toString().toStdString();
        return attributes.value(kXmlNamespace, QStringLiteral("id")).toString().toStdString();
    }

    QString languageTag() const {
        const QXmlStreamAttributes attributes = xml_.attributes();
        if (attributes.hasAttribute(kXmlNamespace, QStringLiteral("lang")))
            return attributes.value(kXmlNamespace, QStringLiteral("lang")).toString();
        return attributes.value(QLatin1StringView("lang")).toString();
    }

    QXmlStreamReader& xml_;
    std::vector<ExchangeEntry>& entries_;
};

}  // namespace

Result<std::vector<ExchangeEntry>> ReadTbx(std::string_view bytes, const std::string& path) {
    const QByteArray data =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QXmlStreamReader xml(data);
    std::vector<ExchangeEntry> entries;
    bool rootSeen = false;
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.tokenType() == QXmlStreamReader::DTD) {
            // A document type that declares entities could make a small file expand into an
            // enormous one, or name another file to read in: it is refused before any of its
            // content is read. The reader never opens a file of its own accord either way.
            const QString text = xml.text().toString();
            if (!xml.entityDeclarations().isEmpty() || text.contains(QStringLiteral("<!ENTITY"))) {
                const qsizetype start = text.indexOf(QStringLiteral("<!DOCTYPE"));
                const qint64 line = xml.lineNumber() - text.mid(start < 0 ? 0 : start).count(u'\n');
                return Failure(Damaged(path, path + LineText(line) +
                                                 ": the document declares entities, which are "
                                                 "refused"));
            }
            continue;
        }
        if (!xml.isStartElement()) continue;
        if (!rootSeen) {
            rootSeen = true;
            const QStringView root = xml.name();
            if (root != u"tbx" && root != u"martif") {
                return Failure(Damaged(path, path + " is not a TBX file: its root element is " +
                                                 xml.qualifiedName().toString().toStdString()));
            }
            ConceptReader(xml, entries).readBody();
        }
    }
    if (xml.hasError()) {
        return Failure(Damaged(path, path + LineText(xml.lineNumber()) + ", column " +
                                         std::to_string(xml.columnNumber()) + ": " +
                                         xml.errorString().toStdString()));
    }
    if (!rootSeen) {
        return Failure(Damaged(path, path + LineText(xml.lineNumber()) + ", column " +
                                         std::to_string(xml.columnNumber()) +
                                         ": the document has no root element"));
    }
    return entries;
}

}  // namespace orvan::personal
