#include "richtext/rich_text_view.h"

#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "richtext/document_builder.h"
#include "richtext/rtf_writer.h"

namespace orvan::richtext {

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap at the view's width
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (!quiet_) emit selectionChange();
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (!quiet_ && !textCursor().hasSelection()) emit selectionChange();
    });
}

// While a document is replaced, the vertical scroll bar keeps its place: the old document
// emptied and the new one growing past the view's height would otherwise take the bar away and
// bring it back, and every change of the view's width lays the whole document out again. With
// the bar held, the new document is laid out once, at the width it is shown at when it is taller
// than the view; a shorter one is laid out again at the full width when the bar goes, which
// costs little since it fits in the view.
template <typename Load>
bool RichTextView::replaceContent(Load load) {
    const QScopedValueRollback quiet(quiet_, true);  // a new document is no change of the user's
    const Qt::ScrollBarPolicy policy = verticalScrollBarPolicy();
    if (policy == Qt::ScrollBarAsNeeded) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const bool rtf = load();
    if (policy == Qt::ScrollBarAsNeeded) setVerticalScrollBarPolicy(policy);
    verticalScrollBar()->setValue(0);
    return rtf;
}

bool RichTextView::loadRtf(std::string_view text) {
    return replaceContent([&] { return LoadDocument(*document(), text, darkBackground_); });
}

bool RichTextView::loadRtf(std::string_view prologue, std::string_view body) {
    if (!prologue_ || prologue_->source() != prologue)
        prologue_ = std::make_unique<RtfPrologue>(prologue);
    return replaceContent(
        [&] { return LoadDocument(*document(), *prologue_, body, darkBackground_); });
}

void RichTextView::loadPlainText(const QString& text) {
    const QScopedValueRollback quiet(quiet_, true);
    setPlainText(text);
}

bool RichTextView::loadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    loadRtf(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return true;
}

std::string RichTextView::saveRtf() const {
    return WriteRtf(*document());
}

QString RichTextView::selectedText() const {
    return textCursor().selection().toPlainText();
}

int RichTextView::selectionStart() const {
    return textCursor().selectionStart();
}

int RichTextView::selectionLength() const {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextView::setSelection(int start, int length) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int end = cursor.position();
    const int from = std::clamp(start, 0, end);
    const int to = from + std::clamp(length, 0, end - from);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    {
        const QScopedValueRollback quiet(quiet_, true);
        setTextCursor(cursor);
    }
    emit selectionChange();
}

bool RichTextView::print(QPrinter* printer, const QString& documentName) {
    if (printer == nullptr || !printer->isValid()) return false;
    printer->setDocName(documentName);
    document()->print(printer);
    return printer->printerState() != QPrinter::Error;
}

void RichTextView::setBackgroundColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
    const Rgb background{colour.red(), colour.green(), colour.blue()};
    darkBackground_ = IsDark(background) ? std::optional<Rgb>(background) : std::nullopt;
}

void RichTextView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->position().toPoint(), event->button());
    QTextEdit::mousePressEvent(event);
}

// The selection goes out as RTF besides Qt's HTML and plain text, so that word processors keep
// its fonts and colours.
QMimeData* RichTextView::createMimeDataFromSelection() const {
    QMimeData* data = QTextEdit::createMimeDataFromSelection();
    const QTextDocumentFragment selection = textCursor().selection();
    if (selection.isEmpty()) return data;
    QTextDocument fragment;
    fragment.setDefaultFont(document()->defaultFont());
    QTextCursor(&fragment).insertFragment(selection);
    const std::string rtf = WriteRtf(fragment);
    const QByteArray bytes(rtf.data(), qsizetype(rtf.size()));
    data->setData(QStringLiteral("text/rtf"), bytes);
    data->setData(QStringLiteral("application/rtf"), bytes);
    return data;
}

}  // namespace orvan::richtext
