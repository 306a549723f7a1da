// The window's commands: copying from the field last worked in, pasting into the search field,
// printing, keeping the window on top, the help document and leaving the program; the edit
// buttons are forwarded to the editing, the export and import commands to the exchange.
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "lookup/entries_list.h"
#include "lookup/entry_printing.h"
#include "lookup/help_window.h"
#include "lookup/lookup_window.h"
#include "lookup/print_surface.h"
#include "platform/window_placement.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

namespace {

// How long after a request to come to the front the window asks again when not yet active.
constexpr int kFrontAgainMilliseconds = 250;

void CopyText(const QString& text) {
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

}  // namespace

PrintSurface& LookupWindow::printSurface() {
    if (!printSurface_) printSurface_ = std::make_unique<PrintSurface>();
    return *printSurface_;
}

void LookupWindow::trackFocus(QWidget* entered) {
    if (entered == nullptr) return;
    const std::pair<QWidget*, FocusField> fields[] = {
        {c_.searchField, FocusField::EntryText},
        {c_.renderingField, FocusField::TransText},
        {c_.scienceField, FocusField::ShortCutText},
        {c_.descriptionView, FocusField::DescriptionText},
        {c_.entriesList, FocusField::EntriesList},
    };
    for (const auto& [widget, field] : fields) {
        if (entered != widget && !widget->isAncestorOf(entered)) continue;
        focusField_ = field;
        if (field == FocusField::EntryText) onSearchFieldEntered();
        return;
    }
}

void LookupWindow::onSearchFieldEntered() {
    // Typing replaces the whole search text. A click that gave the focus would place the caret
    // after this, so the selection is made once the click is through.
    c_.searchField->selectAll();
    QTimer::singleShot(0, c_.searchField, [field = c_.searchField] {
        if (field->hasFocus()) field->selectAll();
    });
}

void LookupWindow::onCopyClicked() {
    switch (focusField_) {
        case FocusField::EntryText:
            CopyText(c_.searchField->selectedText());
            break;
        case FocusField::TransText:
            CopyText(c_.renderingField->selectedText());
            break;
        case FocusField::ShortCutText:
            CopyText(c_.scienceField->selectedText());
            break;
        case FocusField::DescriptionText:
            // The view offers its selection as rich text, HTML and plain text.
            if (c_.descriptionView->textCursor().hasSelection()) c_.descriptionView->copy();
            break;
        case FocusField::EntriesList: {
            const int row = c_.entriesList->selectedRow();
            if (row >= 0) CopyText(c_.entriesList->itemText(row));
            break;
        }
        case FocusField::None:
            break;
    }
}

void LookupWindow::onPasteClicked() {
    c_.searchField->clear();
    c_.searchField->paste();
    c_.searchField->setFocus();
    onSearchFieldEntered();
}

void LookupWindow::comeToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // A window manager still bringing a minimised window back may pass over the first request:
    // it is asked again once the window is back.
    QTimer::singleShot(kFrontAgainMilliseconds, this, [this] {
        if (isActiveWindow()) return;
        raise();
        activateWindow();
    });
}

void LookupWindow::onPinClicked() {
    // Where the flag cannot keep the window on top, hiding and showing the window for it would
    // only make the compositor place it anew.
    if (!platform::WindowsCanStayOnTop()) {
        c_.pinButton->setChecked(false);
        return;
    }
    const bool onTop = !windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    // Changing a window's flags takes it off the screen; it comes back where it was.
    const QRect place = geometry();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        setGeometry(place);
        show();
        activateWindow();
    }
    c_.pinButton->setChecked(onTop);
}

void LookupWindow::onHelpClicked() {
    const QString path = contentPath("OrvanHelp.htm");
    const QFileInfo page(path);
    if (!page.isFile() || !page.isReadable()) {
        QMessageBox box(QMessageBox::Warning, tr("Πρόβλημα"), tr("Το αρχείο βοήθειας δε βρέθηκε"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    // The desktop's browser first; where the desktop has none, or it fails, the page is shown
    // in the program's own window.
    if (openDocument_(QUrl::fromLocalFile(page.absoluteFilePath()))) return;
    if (helpWindow_ == nullptr) {
        helpWindow_ = new HelpWindow([this](const QUrl& url) { return openDocument_(url); }, this);
    }
    helpWindow_->showPage(path);
}

void LookupWindow::onExitClicked() {
    close();
}

void LookupWindow::onPrintClicked() {
    // Taken now from the load of this moment: the print dialog lets events through, and the
    // window may read the files again meanwhile without changing what is printed.
    const std::optional<EntryPrint> print =
        PrintOfChosenEntry(state_, c_.descriptionView->font(), startFolder_);
    if (print) PrintWithDialog(*print, this, *printSurface().view);
}

void LookupWindow::onInsertEntryClicked() {
    editing_.insertEntry();
}

void LookupWindow::onModifyEntryClicked() {
    editing_.modifyEntry(state_.selectedRow());
}

void LookupWindow::onDeleteEntryClicked() {
    editing_.deleteEntry(state_.selectedRow());
}

void LookupWindow::onExportClicked() {
    exchange_.exportEntries();
}

void LookupWindow::onImportClicked() {
    exchange_.importEntries();
}

void LookupWindow::showSaved(long long number) {
    state_.showSaved(number);
    render();
}

}  // namespace orvan::lookup
