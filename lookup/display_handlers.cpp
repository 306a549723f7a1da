// The entry pane: the chosen entry's headword, rendering, science and description, and the
// figures its description links to.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QToolButton>

#include "lexicon/entry_display.h"
#include "lexicon/figure_links.h"
#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "richtext/rich_text_view.h"
#include "richtext/screen_text.h"

namespace orvan::lookup {

namespace {

// The rendering field's hints as the lexicon's rules word them (kEnglishRenderingHint,
// kGreekRenderingHint), marked here for the translations.
[[maybe_unused]] constexpr const char* kRenderingHints[] = {
    QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Αγγλική Απόδοση"),
    QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Ελληνική Απόδοση"),
};

// How long the list's tooltip stays up once it carries the entry for a pane with no room.
constexpr int kLongHintMilliseconds = 10000;

}  // namespace

void LookupWindow::onEntriesListClicked() {
    state_.choose(c_.entriesList->selectedRow());
    render();
}

void LookupWindow::drawShownEntry() {
    const int slot = state_.shownSlot();
    if (slot == 0) {
        shownDisplay_.reset();
        clearEntryPane();
        return;
    }
    drawEntry(state_.describeShown());
}

void LookupWindow::refreshShownEntry() {
    const int slot = state_.shownSlot();
    if (slot == 0 || !shownDisplay_) return;
    EntryDisplay display = state_.describeShown();
    if (display != *shownDisplay_) drawEntry(display);
}

void LookupWindow::drawEntry(const EntryDisplay& display) {
    shownDisplay_ = display;
    c_.headwordLabel->setText(richtext::FromGreekCodePage(display.headwordLabel));
    // The hint names the rendering's language, in the interface's language.
    c_.renderingField->setToolTip(
        tr(richtext::FromGreekCodePage(display.renderingHint).toUtf8().constData()));
    c_.modifyEntryButton->setEnabled(display.modifyEnabled);
    c_.deleteEntryButton->setEnabled(display.deleteEnabled);
    c_.renderingField->setText(richtext::FromGreekCodePage(display.rendering));
    c_.scienceField->setText(richtext::FromGreekCodePage(display.fieldText));
    c_.renderingField->setCursorPosition(0);
    c_.scienceField->setCursorPosition(0);
    showDescription(display.body);
    highlightFullTextHits();
    fixHeadwordLabels();

    // When the window leaves the pane no room, the list's tooltip carries the entry.
    if (c_.descriptionView->width() == 0 || c_.descriptionView->height() == 0) {
        longListHint_ = true;
        const QString description =
            display.body ? richtext::ExtractPlainText(
                               richtext::RtfPrologue(state_.lexicon().rtfHeader + "\r\n"),
                               *display.body + "\r\n")
                         : QString();
        c_.entriesList->setHint(
            richtext::FromGreekCodePage(display.rendering) + tr(",  Επιστήμη:") +
                richtext::FromGreekCodePage(display.fieldText) + ",  " + description,
            kLongHintMilliseconds);
    } else {
        c_.entriesList->setHint({}, longListHint_ ? kLongHintMilliseconds : -1);
    }
}

void LookupWindow::showDescription(const std::optional<std::string>& body) {
    // A description that cannot be read leaves the pane empty rather than showing the previous
    // entry's text under this entry's headword.
    if (!body) {
        c_.descriptionView->clear();
        return;
    }
    const bool rtf =
        c_.descriptionView->loadRtf(state_.lexicon().rtfHeader + "\r\n", *body + "\r\n");
    if (!rtf || c_.descriptionView->plainText().startsWith(QStringLiteral("{\\rtf1"))) {
        c_.descriptionView->clear();
        return;
    }
    stepDescriptionSizes();
}

void LookupWindow::onDescriptionPressed(QPoint point) {
    descriptionPress_ = point;
}

void LookupWindow::onDescriptionSelectionChanged() {
    richtext::RichTextView* view = c_.descriptionView;
    const QString selected = view->selectedText();
    // The word of the lexicon's own figure links, part of the descriptions, not of the window.
    static const QString kWord = QString::fromUtf8("Σχήμα");
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
    if (c_.figurePanel->isVisible()) return;

    const long long number = state_.shownNumber();
    if (number == 0) return;
    const QPixmap picture(
        QString::fromStdString(startFolder_ + FigurePath(static_cast<int>(number), digit)));
    if (picture.isNull()) return;

    c_.figureImage->setPixmap(picture);
    c_.figureImage->resize(picture.size());
    c_.figurePanel->resize(picture.width() + 4, picture.height() + 4);
    const QRect pane = c_.descriptionView->geometry();
    const QSize outer = frameGeometry().size();
    c_.figurePanel->move(
        PlaceFigurePanel(pane.x() + descriptionPress_.x(), c_.figurePanel->width(), outer.width()),
        PlaceFigurePanel(pane.y() + descriptionPress_.y(), c_.figurePanel->height(),
                         outer.height()));
    c_.figurePanel->show();
    c_.figurePanel->raise();
    c_.figurePanel->setFocus();
}

void LookupWindow::hideFigure() {
    c_.figurePanel->hide();
}

}  // namespace orvan::lookup
