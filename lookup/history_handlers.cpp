// Back and forward through the entries shown, by the two buttons and their pop-up lists.
#include <QCursor>
#include <QMenu>
#include <QToolButton>

#include "lookup/lookup_window.h"
#include "richtext/screen_text.h"

namespace orvan::lookup {

void LookupWindow::onBackClicked() {
    state_.back();
    render();
}

void LookupWindow::onForwardClicked() {
    state_.forward();
    render();
}

QPoint LookupWindow::menuPoint(const QWidget* button) const {
    return frameGeometry().topLeft() + QPoint(button->x() + 4, button->y() + button->height() + 22);
}

void LookupWindow::onBackMenuClicked() {
    popUpHistory(prevMenu_, state_.history().backItems(), true, menuPoint(c_.backButton));
}

void LookupWindow::onForwardMenuClicked() {
    popUpHistory(nextMenu_, state_.history().forwardItems(), false, menuPoint(c_.forwardButton));
}

void LookupWindow::popUpHistory(QMenu* menu, const std::deque<HistoryItem>& items, bool back,
                                QPoint at) {
    menu->clear();
    for (const HistoryItem& item : items) {
        // Captions are shown as they are: "&" is not an accelerator mark.
        QString caption = richtext::FromGreekCodePage(item.caption);
        caption.replace("&", "&&");
        QAction* action = menu->addAction(caption);
        action->setData(static_cast<qulonglong>(item.id));
        // The item is found again by its id: the lists may have changed since the menu opened.
        connect(action, &QAction::triggered, this, [this, back, id = item.id] {
            const auto& list =
                back ? state_.history().backItems() : state_.history().forwardItems();
            for (std::size_t i = 0; i < list.size(); ++i) {
                if (list[i].id != id) continue;
                if (back) {
                    state_.chooseBack(i);
                } else {
                    state_.chooseForward(i);
                }
                render();
                return;
            }
        });
    }
    if (!items.empty()) menu->popup(at);
}

}  // namespace orvan::lookup
