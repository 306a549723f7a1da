#include "tools/sample_builder/dictd.h"

#include <zlib.h>

#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

namespace orvan::sample {

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

QByteArray Gunzip(const QByteArray& compressed) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) throw std::runtime_error("zlib");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    QByteArray out;
    char buffer[1 << 16];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) throw std::runtime_error("corrupt dictionary body");
    return out;
}

qint64 Base64Number(const QString& digits) {
    static const QString alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    qint64 value = 0;
    for (const QChar c : digits)
        value = value * 64 + alphabet.indexOf(c);
    return value;
}

bool HasGreek(const QString& text) {
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Greek) return true;
    }
    return false;
}

// "word /pron/ /pron2/ <pos>" -> the word and the pronunciations.
void SplitHeadLine(const QString& line, QString& headword, QString& pronunciation) {
    static const QRegularExpression pronunciations("\\s+(/[^/]*/(\\s+/[^/]*/)*)");
    const auto match = pronunciations.match(line);
    if (!match.hasMatch()) {
        headword = line.section('<', 0, 0).trimmed();
        return;
    }
    headword = line.left(match.capturedStart()).trimmed();
    pronunciation = match.captured(1).trimmed();
}

QStringList SplitTerms(const QString& text) {
    QStringList terms;
    for (const QString& part : text.split(QRegularExpression("[,;]"))) {
        const QString term = part.simplified();
        if (!term.isEmpty() && !terms.contains(term)) terms << term;
    }
    return terms;
}

}  // namespace

std::vector<DictdArticle> ReadDictd(const QString& indexPath, const QString& dictPath) {
    const QByteArray body = Gunzip(ReadFile(dictPath));
    std::vector<DictdArticle> articles;
    for (const QString& line : QString::fromUtf8(ReadFile(indexPath)).split('\n')) {
        const QStringList columns = line.split('\t');
        if (columns.size() != 3 || columns[0].startsWith("00database")) continue;
        const qint64 offset = Base64Number(columns[1]);
        const qint64 length = Base64Number(columns[2]);
        if (offset < 0 || length <= 0 || offset + length > body.size()) continue;
        articles.push_back({columns[0], QString::fromUtf8(body.mid(offset, length))});
    }
    return articles;
}

EnglishArticle ParseEnglishGreek(const DictdArticle& article) {
    EnglishArticle parsed;
    const QStringList lines = article.body.split('\n');
    SplitHeadLine(lines.value(0), parsed.headword, parsed.pronunciation);
    QString renderings;
    for (qsizetype i = 1; i < lines.size(); ++i)
        renderings += ' ' + lines[i].trimmed();
    parsed.renderings = SplitTerms(renderings);
    return parsed;
}

GreekArticle ParseGreekEnglish(const DictdArticle& article) {
    GreekArticle parsed;
    const QStringList lines = article.body.split('\n');
    SplitHeadLine(lines.value(0), parsed.headword, parsed.pronunciation);
    static const QRegularExpression numbered("^\\s*\\d+\\.\\s*");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        if (HasGreek(line)) {
            if (!parsed.senses.empty() && parsed.senses.back().note.isEmpty()) {
                parsed.senses.back().note = line;
            }
            continue;
        }
        QString terms = line;
        terms.remove(numbered);
        terms.remove(QRegularExpression("\\s*\\d+\\.$"));
        GreekSense sense{SplitTerms(terms), {}};
        if (!sense.terms.isEmpty()) parsed.senses.push_back(sense);
    }
    return parsed;
}

}  // namespace orvan::sample
