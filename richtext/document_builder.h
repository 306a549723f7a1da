// Builds a QTextDocument from RTF: fonts, sizes, colours, emphasis, paragraph alignment, indents,
// spacing, tab stops, hyperlinks and tables.
#pragma once

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cstddef>
#include <optional>
#include <string_view>

#include "richtext/colour_contrast.h"
#include "richtext/rtf_reader.h"

namespace orvan::richtext {

/// One twip is a twentieth of a point; the document lays out in pixels of 1/96 inch.
inline constexpr double kTwipsPerPixel = 15.0;

/// Pictures are kept as image resources of the document under names with this scheme.
inline constexpr char kPictureScheme[] = "rtf-picture";

/// \brief A document with a longer stretch than this without a blank (a pasted code, a hostile
/// document) wraps its lines anywhere rather than at word boundaries: wrapping such a stretch at
/// word boundaries takes time growing with the square of its length.
inline constexpr std::size_t kMaxUnbrokenRun = 2048;

/// An RtfOutput that appends to a QTextDocument.
class DocumentBuilder final : public RtfOutput {
  public:
    /// Empties `document` and builds into it.
    explicit DocumentBuilder(QTextDocument& document);
    ~DocumentBuilder() override;
    DocumentBuilder(const DocumentBuilder&) = delete;
    DocumentBuilder& operator=(const DocumentBuilder&) = delete;

    /// \brief The document is shown on the dark `background`: a run's text colour that would
    /// read poorly on it (below RunContrastFor the colour) is lightened. Nothing: the colours as
    /// written.
    void showOn(std::optional<Rgb> darkBackground) { darkBackground_ = darkBackground; }

    void useTables(const RtfTables& tables) override { tables_ = &tables; }
    void addText(std::u16string_view text, const RtfCharFormat& format) override;
    void addImage(const RtfImage& image, const RtfCharFormat& format) override;
    void endParagraph(const RtfParagraphFormat& format) override;
    void addTable(const RtfTable& table) override;
    void finish(const RtfParagraphFormat& format) override;

  private:
    const QTextCharFormat& charFormat(const RtfCharFormat& format);
    QTextBlockFormat blockFormat(const RtfParagraphFormat& format) const;
    void insertRuns(QTextCursor& cursor, const RtfParagraph& paragraph);
    void insertImage(QTextCursor& cursor, const RtfImage& image, const RtfCharFormat& format);
    void measure(std::u16string_view text);

    QTextDocument& document_;
    QTextCursor cursor_;
    const RtfTables* tables_ = nullptr;
    RtfCharFormat lastFormat_;
    QTextCharFormat lastCharFormat_;
    bool haveLastFormat_ = false;
    int pictureCount_ = 0;
    std::size_t unbroken_ = 0;         // the stretch without a blank that the text ends with
    std::size_t longestUnbroken_ = 0;  // the longest such stretch so far
    std::optional<Rgb> darkBackground_;
};

/// \brief Loads `text` into `document`: as RTF when it begins with "{\rtf" (returns true),
/// otherwise as the plain text it is (returns false).
/// With `darkBackground`, the document is for a view of that dark background (DocumentBuilder::
/// showOn); the text itself is the same.
bool LoadDocument(QTextDocument& document, std::string_view text,
                  std::optional<Rgb> darkBackground = std::nullopt);

/// \brief Loads the RTF document made of `prologue` followed by `body` into `document`.
bool LoadDocument(QTextDocument& document, const RtfPrologue& prologue, std::string_view body,
                  std::optional<Rgb> darkBackground = std::nullopt);

}  // namespace orvan::richtext
