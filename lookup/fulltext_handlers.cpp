// The full-text search of every description: its confirmation, its progress when it runs long,
// and the marks on a found entry where the searched text occurs.
#include <QLineEdit>
#include <QScrollBar>
#include <QTextDocument>

#include "lookup/full_text_question_dialog.h"
#include "lookup/full_text_run.h"
#include "lookup/full_text_search.h"
#include "lookup/lookup_window.h"
#include "platform/busy_cursor.h"
#include "platform/desktop_look.h"
#include "richtext/rich_text_view.h"
#include "richtext/screen_text.h"

namespace orvan::lookup {

namespace {

// The colour that marks the searched text in a found entry.
const QColor kHitColour(255, 226, 96);

}  // namespace

void LookupWindow::onFullTextSearchClicked() {
    if (c_.searchField->text().isEmpty()) return;
    int answer = FullTextQuestionDialog::kNo;
    {
        FullTextQuestionDialog dialog(this);
        answer = dialog.exec();
    }
    activateWindow();
    if (answer == FullTextQuestionDialog::kYes) runFullTextSearch();
    c_.searchField->setFocus();
}

void LookupWindow::runFullTextSearch() {
    platform::BusyCursor busy;
    const std::u16string term = FullTextTerm(richtext::Utf16Of(c_.searchField->text()));
    c_.searchField->setText(richtext::ToQString(term));
    clearEntryDisplay();
    // The search reads the load of this moment while the window may read the files again; its
    // finds are found again by number in the load the window then holds.
    std::vector<ListedEntry> found =
        RunFullTextSearch(state_.snapshot(), term, this, fullTextProgressDelay_);
    state_.listFullTextResults(std::move(found), term);
    render();
}

void LookupWindow::highlightFullTextHits() {
    richtext::RichTextView* view = c_.descriptionView;
    QList<QTextEdit::ExtraSelection> marks;
    const std::u16string& term = state_.fullTextTerm();
    if (!term.empty() && state_.selectedRow() >= 0) {
        QTextCharFormat mark;
        mark.setBackground(kHitColour);
        // The mark is light whatever the desktop: under a dark one the description's light
        // texts are written dark on it.
        if (platform::IsDarkPalette(palette())) mark.setForeground(QColor(Qt::black));
        const QString text = richtext::ToQString(term);
        const QTextDocument* document = view->document();
        for (QTextCursor hit = document->find(text, 0, QTextDocument::FindCaseSensitively);
             !hit.isNull(); hit = document->find(text, hit, QTextDocument::FindCaseSensitively)) {
            marks.append({hit, mark});
        }
    }
    // Marks, not a selection: the selection stays the user's, and the figure links with it.
    view->setExtraSelections(marks);
    if (marks.isEmpty()) return;
    const QRect first = view->cursorRect(marks.front().cursor);
    if (first.top() < 0 || first.bottom() > view->viewport()->height()) {
        QScrollBar* bar = view->verticalScrollBar();
        bar->setValue(bar->value() + first.top() - view->viewport()->height() / 3);
    }
}

}  // namespace orvan::lookup
