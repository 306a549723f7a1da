// The read-only rich-text pane: shows RTF documents (descriptions, presentation pages, print
// documents), gives their plain text, saves them as RTF, reports selection changes and mouse
// presses, copies with formatting and prints.
#pragma once

#include <QPoint>
#include <QTextEdit>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "richtext/colour_contrast.h"
#include "richtext/rtf_reader.h"

class QPrinter;

namespace orvan::richtext {

class RichTextView : public QTextEdit {
    Q_OBJECT

  public:
    explicit RichTextView(QWidget* parent = nullptr);

    /// \brief Replaces the content with `text`: an RTF document, or, when it does not begin with
    /// "{\rtf", the text itself (code page 1253). Returns whether it was read as RTF.
    bool loadRtf(std::string_view text);
    /// \brief Replaces the content with the RTF document `prologue` + `body`. A prologue equal to
    /// the previous one is not read again.
    bool loadRtf(std::string_view prologue, std::string_view body);
    /// \brief Replaces the content with plain text.
    void loadPlainText(const QString& text);
    /// \brief Reads the file at `path` (RTF or plain text). False, and the content as it was,
    /// when the file cannot be read.
    bool loadFile(const QString& path);

    /// The shown text, paragraphs separated by line ends.
    QString plainText() const { return toPlainText(); }
    /// The content as an RTF document, lines separated by CR LF.
    std::string saveRtf() const;

    QString selectedText() const;
    int selectionStart() const;
    int selectionLength() const;
    /// Selects `length` characters from `start` (clamped to the text) and always raises
    /// selectionChange, even when the selection was already so.
    void setSelection(int start, int length);

    /// Lays the content out on `printer` and sends it as one job named `documentName`. False when
    /// the printer cannot print.
    bool print(QPrinter* printer, const QString& documentName);

    /// \brief Paints the view's background `colour`. On a dark one, the coloured runs of the
    /// documents loaded from then on are lightened where they would not read.
    void setBackgroundColour(const QColor& colour);

  signals:
    /// The selection or the caret has moved.
    void selectionChange();
    /// A mouse button was pressed at `point`, in the view's own coordinates.
    void mousePressed(QPoint point, Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

  private:
    template <typename Load>
    bool replaceContent(Load load);

    std::unique_ptr<RtfPrologue> prologue_;
    std::optional<Rgb> darkBackground_;  // the view's background, when it is a dark one
    bool quiet_ = false;                 // while the view itself changes the selection
};

}  // namespace orvan::richtext
