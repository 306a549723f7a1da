// Back and forward through the entries shown, by the two buttons and their pop-up lists.
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "lookup/main_window.h"
#include "richtext/code_pages.h"

namespace orvan::lookup {

void TMainLex::RecordShown(const QString& caption, int slot) {
    history_.record(richtext::ToGreekCodePage(caption), slot);
}

void TMainLex::ShowHistoryItem(const HistoryItem& item) {
    c_.Entry_Text->setText(richtext::FromGreekCodePage(item.caption));
    DetectInputLanguage();
    FillList("SPECIFIC", item.slot, false);
}

void TMainLex::Prev_ButtonClick() {
    history_.back([this](const HistoryItem& item) { ShowHistoryItem(item); });
}

void TMainLex::Next_ButtonClick() {
    history_.forward([this](const HistoryItem& item) { ShowHistoryItem(item); });
}

QPoint TMainLex::MenuPoint(const QWidget* button) const {
    return frameGeometry().topLeft() + QPoint(button->x() + 4, button->y() + button->height() + 22);
}

void TMainLex::PrevMenu_ButtonClick() {
    PopUp(prevMenu_, history_.backItems(), true, MenuPoint(c_.Prev_Button));
}

void TMainLex::NextMenu_ButtonClick() {
    PopUp(nextMenu_, history_.forwardItems(), false, MenuPoint(c_.Next_Button));
}

void TMainLex::PopUp(QMenu* menu, const std::deque<HistoryItem>& items, bool back, QPoint at) {
    menu->clear();
    for (std::size_t index = 0; index < items.size(); ++index) {
        // Captions are shown as they are: "&" is not an accelerator mark.
        QString caption = richtext::FromGreekCodePage(items[index].caption);
        caption.replace("&", "&&");
        QAction* action = menu->addAction(caption);
        action->setData(static_cast<qulonglong>(items[index].id));
        connect(action, &QAction::triggered, this, [this, back, id = items[index].id] {
            const auto& list = back ? history_.backItems() : history_.forwardItems();
            for (std::size_t i = 0; i < list.size(); ++i) {
                if (list[i].id != id) continue;
                const auto show = [this](const HistoryItem& item) { ShowHistoryItem(item); };
                if (back) {
                    history_.chooseBack(i, show);
                } else {
                    history_.chooseForward(i, show);
                }
                return;
            }
        });
    }
    if (!items.empty()) menu->popup(at);
}

}  // namespace orvan::lookup
