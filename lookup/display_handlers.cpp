// The entry pane: the chosen entry's headword, rendering, science and description, and the
// figures its description links to.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QToolButton>

#include "lexicon/entry_display.h"
#include "lookup/entries_list.h"
#include "lookup/figure_links.h"
#include "lookup/main_window.h"
#include "richtext/code_pages.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

namespace {

// How long the list's tooltip stays up once it carries the entry for a pane with no room.
constexpr int kLongHintMilliseconds = 10000;

}  // namespace

void TMainLex::Entries_ListClick() {
    state_.choose(c_.Entries_List->selectedRow());
    Render();
}

void TMainLex::DrawShownEntry() {
    const int slot = state_.shownSlot();
    if (slot == 0) {
        shownDisplay_.reset();
        ClearEntryPane();
        return;
    }
    static const FieldTable kNoFields;
    DrawEntry(DescribeEntry(slot, state_.tables(), fields_ ? *fields_ : kNoFields, notes_,
                            state_.shownGreek(), files_, ReadingFiles(personal_, state_.tables())));
}

void TMainLex::RefreshShownEntry() {
    const int slot = state_.shownSlot();
    if (slot == 0 || !shownDisplay_) return;
    static const FieldTable kNoFields;
    EntryDisplay display =
        DescribeEntry(slot, state_.tables(), fields_ ? *fields_ : kNoFields, notes_,
                      state_.shownGreek(), files_, ReadingFiles(personal_, state_.tables()));
    if (display != *shownDisplay_) DrawEntry(display);
}

void TMainLex::DrawEntry(const EntryDisplay& display) {
    shownDisplay_ = display;
    c_.Entry_Label->setText(richtext::FromGreekCodePage(display.headwordLabel));
    c_.Trans_Text->setToolTip(richtext::FromGreekCodePage(display.renderingHint));
    c_.ModifyEntry_Button->setEnabled(display.modifyEnabled);
    c_.DeleteEntry_Button->setEnabled(display.deleteEnabled);
    c_.Trans_Text->setText(richtext::FromGreekCodePage(display.rendering));
    c_.ShortCut_Text->setText(richtext::FromGreekCodePage(display.fieldText));
    c_.Trans_Text->setCursorPosition(0);
    c_.ShortCut_Text->setCursorPosition(0);
    ShowDescription(display.body);
    HighlightFullTextHits();
    FixHeadwordLabels();

    // When the window leaves the pane no room, the list's tooltip carries the entry.
    if (c_.Description_Text->width() == 0 || c_.Description_Text->height() == 0) {
        longListHint_ = true;
        c_.Entries_List->setHint(c_.Trans_Text->text() + Caption(",  Επιστήμη:") +
                                     c_.ShortCut_Text->text() + ",  " +
                                     c_.Description_Text->plainText(),
                                 kLongHintMilliseconds);
    } else {
        c_.Entries_List->setHint({}, longListHint_ ? kLongHintMilliseconds : -1);
    }
}

void TMainLex::ShowDescription(const std::optional<std::string>& body) {
    // A description that cannot be read leaves the pane empty rather than showing the previous
    // entry's text under this entry's headword.
    if (!body) {
        c_.Description_Text->clear();
        return;
    }
    const bool rtf = c_.Description_Text->loadRtf(rtfHeader_ + "\r\n", *body + "\r\n");
    if (!rtf || c_.Description_Text->plainText().startsWith(QStringLiteral("{\\rtf1"))) {
        c_.Description_Text->clear();
    }
}

void TMainLex::Description_TextMouseDown(QPoint point) {
    descriptionPress_ = point;
}

void TMainLex::Description_TextSelectionChange() {
    richtext::RichTextView* view = c_.Description_Text;
    const QString selected = view->selectedText();
    static const QString kWord = Caption("Σχήμα");
    static const QString kLink = "[" + kWord;
    if (selected != kWord && !selected.contains(kLink)) return;

    const QString raw = view->document()->toRawText();
    const std::u16string_view text(reinterpret_cast<const char16_t*>(raw.utf16()),
                                   static_cast<std::size_t>(raw.size()));
    const TextSelection current{view->selectionStart(), view->selectionLength()};
    const std::optional<TextSelection> link = WidenFigureLink(text, current);
    if (!link) return;
    if (*link != current && !wideningFigureLink_) {
        // Widening raises the selection event again; that inner run opens the figure, once.
        const QScopedValueRollback widening(wideningFigureLink_, true);
        view->setSelection(link->start, link->length);
    }
    const char digit = FigureDigit(text, {view->selectionStart(), view->selectionLength()});
    if (c_.FigPanel->isVisible()) return;

    const long long number = state_.shownNumber();
    if (number == 0) return;
    const QPixmap picture(
        QString::fromStdString(startFolder_ + FigurePath(static_cast<int>(number), digit)));
    if (picture.isNull()) return;

    c_.FigImage->setPixmap(picture);
    c_.FigImage->resize(picture.size());
    c_.FigPanel->resize(picture.width() + 4, picture.height() + 4);
    const QRect pane = c_.Description_Text->geometry();
    const QSize outer = frameGeometry().size();
    c_.FigPanel->move(
        PlaceFigurePanel(pane.x() + descriptionPress_.x(), c_.FigPanel->width(), outer.width()),
        PlaceFigurePanel(pane.y() + descriptionPress_.y(), c_.FigPanel->height(), outer.height()));
    c_.FigPanel->show();
    c_.FigPanel->raise();
    c_.FigPanel->setFocus();
}

void TMainLex::HideFigure() {
    c_.FigPanel->hide();
}

}  // namespace orvan::lookup
