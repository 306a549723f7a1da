#include "richtext/rtf_writer.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "richtext/code_pages.h"
#include "richtext/document_builder.h"
#include "richtext/greek_code_page.h"

namespace orvan::richtext {

namespace {

constexpr const char* kLineEnd = "\r\n";

int Twips(qreal pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

std::string Number(long long value) {
    return std::to_string(value);
}

QString FamilyOf(const QTextCharFormat& format, const QString& fallback) {
    const QVariant families = format.property(QTextFormat::FontFamilies);
    if (families.isValid()) {
        const QStringList list = families.toStringList();
        if (!list.isEmpty() && !list.first().isEmpty()) return list.first();
    }
    return fallback;
}

// Fonts and colours are numbered in the order they are first met.
class Tables {
  public:
    explicit Tables(const QTextDocument& document)
        : defaultFamily_(document.defaultFont().family()),
          defaultHalfPoints_(
              document.defaultFont().pointSizeF() > 0
                  ? static_cast<int>(std::lround(document.defaultFont().pointSizeF() * 2))
                  : 24) {
        font(QTextCharFormat());
        defaultTab_ = Twips(document.defaultTextOption().tabStopDistance());
    }

    int font(const QTextCharFormat& format) {
        const QString family = FamilyOf(format, defaultFamily_);
        const auto [found, added] = fontNumbers_.try_emplace(family, int(fonts_.size()));
        if (added) fonts_.push_back(family);
        return found->second;
    }

    int halfPoints(const QTextCharFormat& format) const {
        const qreal points = format.fontPointSize();
        return points > 0 ? static_cast<int>(std::lround(points * 2)) : defaultHalfPoints_;
    }

    int colour(const QBrush& brush) {
        if (brush.style() == Qt::NoBrush) return 0;
        const QRgb rgb = brush.color().rgb();
        const auto [found, added] = colourNumbers_.try_emplace(rgb, int(colours_.size() + 1));
        if (added) colours_.push_back(rgb);
        return found->second;
    }

    std::string header() const;

  private:
    QString defaultFamily_;
    int defaultHalfPoints_;
    int defaultTab_ = 720;
    std::vector<QString> fonts_;
    std::unordered_map<QString, int> fontNumbers_;
    std::vector<QRgb> colours_;
    std::unordered_map<QRgb, int> colourNumbers_;
};

void AppendEscaped(std::string& out, const QString& text) {
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
            case u'\\':
                out += "\\\\";
                continue;
            case u'{':
                out += "\\{";
                continue;
            case u'}':
                out += "\\}";
                continue;
            case u'\t':
                out += "\\tab ";
                continue;
            case u'\u2028':
                out += "\\line ";
                continue;
            case u'\u00A0':
                out += "\\~";
                continue;
            case u'\u00AD':
                out += "\\-";
                continue;
            case u'\u2011':
                out += "\\_";
                continue;
            case u'\uFFFC':
                continue;  // an embedded object has no text
            default:
                break;
        }
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            continue;
        }
        if (const auto byte = GreekByte(c)) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\'";
            out += kHex[*byte >> 4];
            out += kHex[*byte & 15];
        } else {
            out += "\\u" + Number(static_cast<std::int16_t>(c)) + "?";
        }
    }
}

std::string Tables::header() const {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1253\\deff0\\deftab" + Number(defaultTab_) + "\\uc1{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        out += "{\\f" + Number(static_cast<long long>(i)) + "\\fnil\\fcharset161 ";
        AppendEscaped(out, fonts_[i]);
        out += ";}";
    }
    out += "}";
    out += kLineEnd;
    out += "{\\colortbl;";
    for (QRgb rgb : colours_)
        out += "\\red" + Number(qRed(rgb)) + "\\green" + Number(qGreen(rgb)) + "\\blue" +
               Number(qBlue(rgb)) + ";";
    out += "}";
    out += kLineEnd;
    // The blank marks where the prologue ends and the text begins.
    out += "\\viewkind4\\uc1 ";
    return out;
}

class Writer {
  public:
    explicit Writer(const QTextDocument& document) : document_(document), tables_(document) {}

    std::string write(const QTextDocument& document) {
        writeFrame(document.rootFrame(), false);
        return tables_.header() + body_ + "}" + kLineEnd;
    }

  private:
    void writeFrame(QTextFrame* frame, bool inTable) {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child); table && !inTable)
                    writeTable(table);
                else
                    writeFrame(child, inTable);
                continue;
            }
            const QTextBlock block = it.currentBlock();
            writeParagraph(block, inTable);
            // A block is ended by \par unless a table or the end of its frame follows it: the
            // reader places a table after the paragraph before it.
            auto next = it;
            ++next;
            if (!next.atEnd() && next.currentFrame() == nullptr) {
                body_ += "\\par";
                body_ += kLineEnd;
            }
        }
    }

    void writeTable(QTextTable* table) {
        const int columns = table->columns();
        const int width = 9000 / (columns > 0 ? columns : 1);
        for (int row = 0; row < table->rows(); ++row) {
            body_ += "\\trowd";
            for (int column = 1; column <= columns; ++column)
                body_ += "\\cellx" + Number(column * width);
            body_ += kLineEnd;
            for (int column = 0; column < columns; ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                bool first = true;
                for (auto it = cell.begin(); !it.atEnd(); ++it) {
                    const QTextBlock block = it.currentBlock();
                    if (!block.isValid()) continue;
                    if (!first) {
                        body_ += "\\par";
                        body_ += kLineEnd;
                    }
                    first = false;
                    writeParagraph(block, true);
                }
                if (first) body_ += "\\pard\\intbl ";
                body_ += "\\cell";
                body_ += kLineEnd;
            }
            body_ += "\\row";
            body_ += kLineEnd;
        }
    }

    void writeParagraph(const QTextBlock& block, bool inTable) {
        const QTextBlockFormat format = block.blockFormat();
        body_ += "\\pard";
        if (inTable) body_ += "\\intbl";
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            body_ += "\\qc";
        else if (alignment & Qt::AlignJustify)
            body_ += "\\qj";
        else if (alignment & Qt::AlignRight)
            body_ += "\\qr";
        else
            body_ += "\\ql";
        appendMeasure("\\li", format.leftMargin());
        appendMeasure("\\ri", format.rightMargin());
        appendMeasure("\\fi", format.textIndent());
        appendMeasure("\\sb", format.topMargin());
        appendMeasure("\\sa", format.bottomMargin());
        switch (format.lineHeightType()) {
            case QTextBlockFormat::ProportionalHeight:
                body_ +=
                    "\\sl" + Number(std::lround(format.lineHeight() * 240.0 / 100.0)) + "\\slmult1";
                break;
            case QTextBlockFormat::MinimumHeight:
                body_ += "\\sl" + Number(Twips(format.lineHeight())) + "\\slmult0";
                break;
            case QTextBlockFormat::FixedHeight:
                body_ += "\\sl-" + Number(Twips(format.lineHeight())) + "\\slmult0";
                break;
            default:
                break;
        }
        // Tab stops go back to being measured from the left margin; the stop a hanging first
        // line has at the left indent anyway is not written.
        const qreal lineStart = format.leftMargin() + format.textIndent();
        bool first = true;
        for (const QTextOption::Tab& tab : format.tabPositions()) {
            const bool atHangingIndent = first && format.textIndent() < 0 &&
                                         Twips(tab.position) == Twips(-format.textIndent()) &&
                                         tab.type == QTextOption::LeftTab;
            first = false;
            if (atHangingIndent) continue;
            if (tab.type == QTextOption::CenterTab) body_ += "\\tqc";
            if (tab.type == QTextOption::RightTab) body_ += "\\tqr";
            if (tab.type == QTextOption::DelimiterTab) body_ += "\\tqdec";
            body_ += "\\tx" + Number(Twips(tab.position + lineStart));
        }
        // The block's own character format, so that even an empty paragraph has its size.
        const QTextCharFormat blockChars = block.charFormat();
        body_ += "\\plain\\f" + Number(tables_.font(blockChars)) + "\\fs" +
                 Number(tables_.halfPoints(blockChars)) + " ";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) writeRun(fragment.charFormat(), fragment.text());
        }
    }

    void appendMeasure(const char* word, qreal pixels) {
        const int twips = Twips(pixels);
        if (twips != 0) body_ += word + Number(twips);
    }

    // A picture goes out as PNG data in hexadecimal, with the size it is shown at.
    void writePicture(const QTextImageFormat& format) {
        const QVariant resource =
            document_.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QImage image = resource.value<QImage>();
        if (image.isNull()) image = resource.value<QPixmap>().toImage();
        if (image.isNull()) return;  // nothing to write for a picture that never loaded
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const qreal width = format.width() > 0 ? format.width() : image.width();
        const qreal height = format.height() > 0 ? format.height() : image.height();
        body_ += "{\\pict\\pngblip\\picwgoal" + Number(Twips(width)) + "\\pichgoal" +
                 Number(Twips(height)) + kLineEnd;
        const QByteArray hex = png.toHex();
        for (qsizetype line = 0; line < hex.size(); line += 128) {
            body_.append(hex.constData() + line,
                         std::size_t(std::min<qsizetype>(128, hex.size() - line)));
            body_ += kLineEnd;
        }
        body_ += "}";
    }

    void writeRun(const QTextCharFormat& format, const QString& text) {
        if (format.isImageFormat()) {
            for (const QChar c : text)
                if (c == QChar::ObjectReplacementCharacter) writePicture(format.toImageFormat());
            return;
        }
        body_ +=
            "{\\f" + Number(tables_.font(format)) + "\\fs" + Number(tables_.halfPoints(format));
        if (format.fontWeight() >= QFont::DemiBold) body_ += "\\b";
        if (format.fontItalic()) body_ += "\\i";
        if (format.fontStrikeOut()) body_ += "\\strike";
        switch (format.underlineStyle()) {
            case QTextCharFormat::NoUnderline:
                break;
            case QTextCharFormat::DotLine:
                body_ += "\\uld";
                break;
            case QTextCharFormat::DashUnderline:
                body_ += "\\uldash";
                break;
            case QTextCharFormat::WaveUnderline:
                body_ += "\\ulwave";
                break;
            default:
                body_ += "\\ul";
                break;
        }
        if (format.fontCapitalization() == QFont::AllUppercase) body_ += "\\caps";
        if (format.fontCapitalization() == QFont::SmallCaps) body_ += "\\scaps";
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) body_ += "\\super";
        if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) body_ += "\\sub";
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            body_ += "\\cf" + Number(tables_.colour(format.foreground()));
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            body_ += "\\highlight" + Number(tables_.colour(format.background()));
        body_ += " ";
        AppendEscaped(body_, text);
        body_ += "}";
    }

    const QTextDocument& document_;
    Tables tables_;
    std::string body_;
};

}  // namespace

std::string WriteRtf(const QTextDocument& document) {
    return Writer(document).write(document);
}

}  // namespace orvan::richtext
