// The full-text search of every description: its confirmation, its progress when it runs long,
// and the marks on a found entry where the searched text occurs.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressDialog>
#include <QScrollBar>
#include <QTextDocument>
#include <memory>

#include "lookup/full_text_search.h"
#include "lookup/main_window.h"
#include "lookup/message_form.h"
#include "platform/busy_cursor.h"
#include "richtext/code_pages.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

namespace {

// How many entries are read between two looks at the progress dialog.
constexpr int kEntriesPerStep = 1024;

// The colour that marks the searched text in a found entry.
const QColor kHitColour(255, 226, 96);

}  // namespace

void TMainLex::DescrSearch_ButtonClick() {
    if (c_.Entry_Text->text().isEmpty()) return;
    int answer = TMessageForm::kNo;
    {
        TMessageForm dialog(this);
        answer = dialog.exec();
    }
    activateWindow();
    if (answer == TMessageForm::kYes) RunFullTextSearch();
    c_.Entry_Text->setFocus();
}

void TMainLex::RunFullTextSearch() {
    platform::BusyCursor busy;
    const std::u16string term = FullTextTerm(richtext::Utf16Of(c_.Entry_Text->text()));
    c_.Entry_Text->setText(richtext::ToQString(term));
    ClearEntryDisplay();

    // While the progress dialog lets events through, another program's change waits, and the
    // search reads a copy of the tables: its finds are named by the numbers of the tables it
    // searched.
    const ReloadHold hold(*this);
    const EntryTables searched = state_.tables();
    const NoteList notes = notes_;
    const PersonalFiles reading = ReadingFiles(personal_, searched);
    const FullTextSources sources{searched, notes, files_, reading, rtfHeader_};
    FullTextSearch search(sources, term);
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    while (search.step(kEntriesPerStep)) {
        if (!progress && clock.elapsed() >= fullTextProgressDelay_) {
            progress =
                std::make_unique<QProgressDialog>(Caption("Αναζήτηση στις περιγραφές του Λεξικού…"),
                                                  Caption("Διακοπή"), 0, search.total(), this);
            progress->setObjectName("FullTextProgress");
            progress->setWindowTitle(Caption("Αναζήτηση στις Περιγραφές"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            progress->show();
        }
        if (!progress) continue;
        progress->setValue(search.searched());
        QCoreApplication::processEvents();
        // What was found before the user stopped the search stays found.
        if (progress->wasCanceled()) break;
    }
    std::vector<ListedEntry> found;
    found.reserve(search.results().size());
    for (const ListItem& item : search.results())
        found.push_back({item.text, searched.entries[item.slot].Number});
    state_.listFullTextResults(std::move(found), term);
    Render();
}

void TMainLex::HighlightFullTextHits() {
    richtext::RichTextView* view = c_.Description_Text;
    QList<QTextEdit::ExtraSelection> marks;
    const std::u16string& term = state_.fullTextTerm();
    if (!term.empty() && state_.selectedRow() >= 0) {
        QTextCharFormat mark;
        mark.setBackground(kHitColour);
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
