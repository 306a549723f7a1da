// How the lookup window shares its room: the controls follow the window's edges, the user moves
// the border between the entry list and the pane, the window is no smaller than its controls
// need to keep clear of each other, and it comes back at the size and place it was left at.
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "platform/control_overlap.h"
#include "platform/divider_handle.h"
#include "platform/edge_layout.h"
#include "platform/window_placement.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

void LookupWindow::followEdges() {
    constexpr Qt::Edges kAllEdges = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    constexpr Qt::Edges kTopLeft = Qt::LeftEdge | Qt::TopEdge;
    auto* layout = new platform::EdgeLayout(this, QSize(kFirstWidth, kFirstHeight),
                                            QSize(kFirstWidth, kFirstHeight));
    edgeLayout_ = layout;
    const auto shift = [this] { return listShiftAt(edgeLayout_->layingSize().width()); };
    layout->addWidget(c_.backgroundImage, kAllEdges);
    // The list and the search field above it widen by the user's share, which the pane gives.
    layout->addWidget(c_.searchField, kTopLeft,
                      [shift](const QRect& rect) { return rect.adjusted(0, 0, shift(), 0); });
    // The list shows whole rows only.
    layout->addWidget(c_.entriesList, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge,
                      [this, shift](const QRect& rect) {
                          return QRect(rect.topLeft(),
                                       QSize(rect.width() + shift(),
                                             c_.entriesList->wholeRowsHeight(rect.height())));
                      });
    layout->addWidget(c_.listDivider, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge,
                      [shift](const QRect& rect) { return rect.translated(shift(), 0); });
    // The description ends where the list's last whole row does.
    layout->addWidget(c_.descriptionView, kAllEdges, [this, shift](const QRect& rect) {
        const QRect list = c_.entriesList->geometry();
        return QRect(rect.topLeft() + QPoint(shift(), 0),
                     QSize(rect.width() - shift(), std::max(0, list.bottom() + 1 - rect.y())));
    });
    for (QWidget* widget :
         {static_cast<QWidget*>(c_.renderingField), static_cast<QWidget*>(c_.scienceField)}) {
        layout->addWidget(widget, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge,
                          [shift](const QRect& rect) { return rect.adjusted(shift(), 0, 0, 0); });
    }
    layout->addWidget(c_.scienceLabel, kTopLeft,
                      [shift](const QRect& rect) { return rect.translated(shift(), 0); });
    layout->addWidget(c_.ruleImage, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    for (QWidget* widget :
         {c_.helpButton, c_.ownEntriesButton, c_.insertEntryButton, c_.deleteEntryButton,
          c_.modifyEntryButton, c_.exitButton, c_.pinButton}) {
        layout->addWidget(widget, Qt::TopEdge | Qt::RightEdge);
    }
    layout->addWidget(c_.partnerLogo, Qt::LeftEdge | Qt::BottomEdge);
    layout->addWidget(c_.partnerDivisionLogo, Qt::LeftEdge | Qt::BottomEdge);
    layout->addWidget(c_.publisherLabel, Qt::RightEdge | Qt::BottomEdge);
    layout->addWidget(c_.listStatusLabel, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    // The rest keep their places from the top left corner; the headword labels span the
    // description (fixHeadwordLabels, once the layout has placed it).

    connect(c_.listDivider, &platform::DividerHandle::pressed, this,
            &LookupWindow::onListDividerPressed);
    connect(c_.listDivider, &platform::DividerHandle::dragged, this,
            &LookupWindow::onListDividerDragged);
    connect(c_.listDivider, &platform::DividerHandle::released, this,
            &LookupWindow::onListDividerReleased);
    if (const int width = windowSettings_.listWidth(); width > 0)
        listShift_ = width - layout->place(c_.entriesList).width();
}

int LookupWindow::listShiftAt(int width) const {
    // Each side keeps room for the least it can show; the pane first, when both cannot.
    const int listWidth = edgeLayout_->place(c_.entriesList).width();
    const QRect pane = edgeLayout_->place(c_.descriptionView);
    const int paneWidth = pane.width() + width - kFirstWidth;
    const int least = leastListWidth_ - listWidth;
    const int most = paneWidth - leastPaneWidth_;
    return std::min(std::max(listShift_, least), most);
}

void LookupWindow::onListDividerPressed() {
    listShiftAtPress_ = listShiftAt(width());
}

void LookupWindow::onListDividerDragged(int offset) {
    listShift_ = listShiftAtPress_ + offset;
    // What is kept is the border where it stands, not where the pointer went beyond it.
    listShift_ = listShiftAt(width());
    edgeLayout_->setGeometry(rect());
    followResize();
}

void LookupWindow::onListDividerReleased() {
    windowSettings_.setListWidth(edgeLayout_->place(c_.entriesList).width() + listShift_);
}

bool LookupWindow::controlsKeepClear() const {
    for (const platform::Overlap& overlap : platform::Overlaps(this, backdrops())) {
        if (std::find(designedOverlaps_.begin(), designedOverlaps_.end(), overlap) ==
            designedOverlaps_.end())
            return false;
    }
    return edgeLayout_->stretchedKeepTheirMinimum(backdrops());
}

std::vector<const QWidget*> LookupWindow::backdrops() const {
    // The pictures under the controls lie under them by design.
    return {c_.backgroundImage, c_.ruleImage};
}

void LookupWindow::fitSmallestSize() {
    // Asked once: the layout shares the width out again at every change of the window.
    leastListWidth_ = c_.entriesList->minimumSizeHint().width();
    leastPaneWidth_ = c_.descriptionView->minimumSizeHint().width();
    // Controls that touch as they were laid out (the history's arrows and their list buttons)
    // may go on touching; no others may meet.
    designedOverlaps_ = platform::Overlaps(this, backdrops());
    const QSize smallest = edgeLayout_->smallestSizeWhere([this] {
        fixHeadwordLabels();
        return controlsKeepClear();
    });
    fixHeadwordLabels();
    edgeLayout_->setMinimumSize(smallest);
    setMinimumSize(smallest);
}

void LookupWindow::restoreWindowGeometry() {
    const QByteArray kept = windowSettings_.geometry();
    geometryRestored_ = !kept.isEmpty() && restoreGeometry(kept);
    // Where the compositor places the window, the program never learns where it is: the place
    // kept from a desktop that let the window place itself is kept as it was.
    if (geometryRestored_ && !platform::WindowsPlaceThemselves()) keptPlace_ = geometry().topLeft();
}

void LookupWindow::closeEvent(QCloseEvent* event) {
    // Only the window's own idea of its place changes; the compositor moves nothing. move()
    // places the frame, which the compositor's decorations may have put around the window since.
    if (keptPlace_) move(*keptPlace_ + (pos() - geometry().topLeft()));
    windowSettings_.setGeometry(saveGeometry());
    QWidget::closeEvent(event);
}

}  // namespace orvan::lookup
