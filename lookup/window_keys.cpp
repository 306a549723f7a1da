// The window's keys: each key presses the button it belongs to (so a button that is off takes
// no key either) or runs one of the window's own commands, from wherever the focus is in the
// window; the buttons' hints name their keys. And the text size of the entry list and the
// description pane, which Ctrl+plus, Ctrl+minus and Ctrl+0 change.
#include <QAbstractButton>
#include <QAction>
#include <QFontInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <functional>
#include <vector>

#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "lookup/text_size.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

namespace {

using Keys = QList<QKeySequence>;

QKeySequence Key(QKeyCombination combination) {
    return QKeySequence(combination);
}

// The hint names the button's first key as the desktop writes it ("Alt+Left"); the hint's own
// words stay translated as they were.
void NameKey(QAbstractButton* button, const QKeySequence& key) {
    const QString hint =
        button->toolTip() + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + ')';
    button->setToolTip(hint);
    button->setAccessibleName(hint);
}

// A menu command shows its key in the menu's key column, as menus do; the key itself is the
// window's, so that it works while the menu is closed.
void NameKey(QAction* action, const QKeySequence& key) {
    action->setText(action->text() + '\t' + key.toString(QKeySequence::NativeText));
}

QShortcut* MakeShortcut(QWidget* owner, const Keys& keys, Qt::ShortcutContext context,
                        bool repeats) {
    auto* shortcut = new QShortcut(owner);
    shortcut->setKeys(keys);
    shortcut->setContext(context);
    // A held key that opens a dialog or a document opens it once.
    shortcut->setAutoRepeat(repeats);
    return shortcut;
}

}  // namespace

void LookupWindow::makeKeys() {
    struct ButtonKeys {
        QAbstractButton* button;
        Keys keys;
        bool repeats;
    };
    const ButtonKeys buttons[] = {
        {c_.backButton, {Key(Qt::ALT | Qt::Key_Left)}, true},
        {c_.forwardButton, {Key(Qt::ALT | Qt::Key_Right)}, true},
        {c_.copyButton, {Key(Qt::CTRL | Qt::Key_C)}, false},
        {c_.pasteButton, {Key(Qt::CTRL | Qt::Key_V)}, false},
        {c_.printButton, {Key(Qt::CTRL | Qt::Key_P)}, false},
        {c_.fullTextSearchButton, {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_F)}, false},
        {c_.insertEntryButton, {Key(Qt::CTRL | Qt::Key_N)}, false},
        {c_.modifyEntryButton, {Key(Qt::CTRL | Qt::Key_E), Key(Qt::Key_F2)}, false},
        {c_.helpButton, {Key(Qt::Key_F1)}, false},
    };
    struct CommandKeys {
        Keys keys;
        std::function<void()> command;
        bool repeats;
    };
    const CommandKeys commands[] = {
        {{Key(Qt::CTRL | Qt::Key_F), Key(Qt::CTRL | Qt::Key_L)},
         [this] { onSelectSearchFieldPressed(); },
         false},
        {{Key(Qt::Key_Escape)}, [this] { onEscapePressed(); }, false},
        // Ctrl and the plus key, with or without Shift as the keyboard has it.
        {{Key(Qt::CTRL | Qt::Key_Plus), Key(Qt::CTRL | Qt::Key_Equal)},
         [this] { setTextSizeStep(textSizeStep_ + 1); },
         true},
        {{Key(Qt::CTRL | Qt::Key_Minus)}, [this] { setTextSizeStep(textSizeStep_ - 1); }, true},
        {{Key(Qt::CTRL | Qt::Key_0)}, [this] { setTextSizeStep(kFirstTextSizeStep); }, false},
        {{Key(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}, [this] { onExportClicked(); }, false},
        {{Key(Qt::CTRL | Qt::SHIFT | Qt::Key_I)}, [this] { onImportClicked(); }, false},
    };

    for (const ButtonKeys& entry : buttons) {
        QShortcut* shortcut = MakeShortcut(this, entry.keys, Qt::WindowShortcut, entry.repeats);
        connect(shortcut, &QShortcut::activated, entry.button, &QAbstractButton::click);
        NameKey(entry.button, entry.keys.first());
        windowKeys_.append(entry.keys);
    }
    for (const CommandKeys& entry : commands) {
        QShortcut* shortcut = MakeShortcut(this, entry.keys, Qt::WindowShortcut, entry.repeats);
        connect(shortcut, &QShortcut::activated, this, entry.command);
        windowKeys_.append(entry.keys);
    }
    NameKey(c_.exportAction, Key(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    NameKey(c_.importAction, Key(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    // Delete deletes only from the list: in the fields it deletes text as ever.
    const QKeySequence remove = Key(Qt::Key_Delete);
    QShortcut* shortcut = MakeShortcut(c_.entriesList, {remove}, Qt::WidgetShortcut, false);
    connect(shortcut, &QShortcut::activated, c_.deleteEntryButton, &QAbstractButton::click);
    NameKey(c_.deleteEntryButton, remove);

    // The data fields have their own uses for some of these keys (Ctrl+E ends the line, Ctrl+V
    // pastes at the caret); the window's keys act in them as anywhere else.
    for (QWidget* field :
         {static_cast<QWidget*>(c_.renderingField), static_cast<QWidget*>(c_.scienceField),
          static_cast<QWidget*>(c_.descriptionView)}) {
        field->installEventFilter(this);
    }
}

bool LookupWindow::isWindowKey(const QKeyEvent* event) const {
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const QKeySequence& key : windowKeys_) {
        if (key.matches(pressed) == QKeySequence::ExactMatch) return true;
    }
    return false;
}

void LookupWindow::onSelectSearchFieldPressed() {
    // Entering the field selects its text; when it had the focus already, it is selected here.
    c_.searchField->setFocus(Qt::ShortcutFocusReason);
    c_.searchField->selectAll();
}

void LookupWindow::onEscapePressed() {
    if (c_.figurePanel->isVisible()) {
        hideFigure();
        return;
    }
    // The list keeps what the last search found.
    c_.searchField->clear();
}

void LookupWindow::setTextSizeStep(int step) {
    step = BoundedTextSizeStep(step);
    if (step == textSizeStep_) return;
    textSizeStep_ = step;
    // Kept for the next start; a size that cannot be kept is still shown now.
    windowSettings_.setTextSizeStep(step);

    QFont listFont = firstListFont_;
    if (step != kFirstTextSizeStep) {
        listFont.setPointSizeF(SteppedPointSize(QFontInfo(firstListFont_).pointSizeF(), step));
    }
    c_.entriesList->setFont(listFont);
    // The rows grow with the text and never shrink below their first height.
    const int firstPixels = std::max(1, QFontInfo(firstListFont_).pixelSize());
    const int pixels = QFontInfo(listFont).pixelSize();
    c_.entriesList->setRowHeight(
        std::max(EntriesList::kRowHeight,
                 (EntriesList::kRowHeight * pixels + firstPixels - 1) / firstPixels));
    // The list shows whole rows of the new height, and the description ends where it does.
    if (layout() != nullptr) layout()->setGeometry(rect());
    followResize();

    if (shownDisplay_) {
        const EntryDisplay display = *shownDisplay_;
        drawEntry(display);
    }
}

void LookupWindow::stepDescriptionSizes() {
    if (textSizeStep_ == kFirstTextSizeStep) return;
    QTextDocument* document = c_.descriptionView->document();
    struct Run {
        int start;
        int end;
        double points;
    };
    // Read first, changed after: a change of format may join or split the document's runs.
    std::vector<Run> runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const QTextCharFormat format = fragment.charFormat();
            const double first = format.hasProperty(QTextFormat::FontPointSize)
                                     ? format.fontPointSize()
                                     : firstDescriptionPoints_;
            runs.push_back({fragment.position(), fragment.position() + fragment.length(),
                            SteppedPointSize(first, textSizeStep_)});
        }
    }
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const Run& run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        QTextCharFormat size;
        size.setFontPointSize(run.points);
        cursor.mergeCharFormat(size);
    }
    cursor.endEditBlock();
}

}  // namespace orvan::lookup
