#include "lookup/entries_list.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace orvan::lookup {

class EntriesModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;
    // The role under which a row gives the note it shows after its text.
    static constexpr int kNoteRole = Qt::UserRole;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(texts_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= texts_.size()) return {};
        if (role == Qt::DisplayRole) return texts_.at(index.row());
        if (role == kNoteRole) return noteOf(index.row());
        return {};
    }
    void setTexts(QStringList texts, QStringList notes) {
        beginResetModel();
        texts_ = std::move(texts);
        notes_ = std::move(notes);
        endResetModel();
    }
    void removeText(int row) {
        beginRemoveRows({}, row, row);
        texts_.removeAt(row);
        if (row < notes_.size()) notes_.removeAt(row);
        endRemoveRows();
    }
    const QStringList& texts() const { return texts_; }
    QString noteOf(int row) const {
        return row >= 0 && row < notes_.size() ? notes_.at(row) : QString();
    }

  private:
    QStringList texts_;
    QStringList notes_;  // parallel to texts_, or shorter: a row past its end has no note
};

namespace {

// Each row shows the item's text, 2 pixels from the left, in the list's font; a row that reads
// like another goes on with " — " and its note in the list's dim colour.
class RowPainter : public QStyledItemDelegate {
  public:
    explicit RowPainter(EntriesList* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, list_->rowHeight()};
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        if (selected) painter->fillRect(option.rect, palette.brush(QPalette::Highlight));
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect textRect = option.rect.adjusted(2, 0, 0, 0);
        QRect drawn;
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString(),
                          &drawn);
        const QString note = index.data(EntriesModel::kNoteRole).toString();
        if (!note.isEmpty()) {
            // A selected row keeps its note in the selection's text colour, which alone is
            // sure to read on the selection.
            if (!selected) painter->setPen(palette.color(QPalette::PlaceholderText));
            painter->drawText(textRect.adjusted(drawn.width(), 0, 0, 0),
                              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral(" \u2014 ") + note);
        }
        painter->restore();
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
            QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
        }
    }

  private:
    EntriesList* list_;
};

}  // namespace

EntriesList::EntriesList(QWidget* parent) : QListView(parent), model_(new EntriesModel(this)) {
    setModel(model_);
    setItemDelegate(new RowPainter(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &EntriesList::currentRowChanged);
}

void EntriesList::setItems(QStringList texts, QStringList notes) {
    const QScopedValueRollback programSelects(selectingForProgram_, true);
    model_->setTexts(std::move(texts), std::move(notes));
}

void EntriesList::removeItem(int row) {
    if (row < 0 || row >= count()) return;
    const QScopedValueRollback programSelects(selectingForProgram_, true);
    model_->removeText(row);
}

int EntriesList::count() const {
    return model_->rowCount();
}

QString EntriesList::itemText(int row) const {
    return row >= 0 && row < count() ? model_->texts().at(row) : QString();
}

QString EntriesList::itemNote(int row) const {
    return model_->noteOf(row);
}

int EntriesList::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void EntriesList::selectRow(int row) {
    const QScopedValueRollback programSelects(selectingForProgram_, true);
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (index.isValid()) scrollTo(index);
}

void EntriesList::setHint(const QString& hint, int showMilliseconds) {
    setToolTip(hint);
    hintMilliseconds_ = showMilliseconds;
}

int EntriesList::wholeRowsHeight(int height) const {
    const int frame = 2 * frameWidth();
    const int rows = std::max(0, (height - frame) / rowHeight_);
    return frame + rows * rowHeight_;
}

void EntriesList::setRowHeight(int height) {
    height = std::max(1, height);
    if (height == rowHeight_) return;
    rowHeight_ = height;
    // The rows are laid out again at their new height, the selected one still in sight.
    doItemsLayout();
    if (currentIndex().isValid()) scrollTo(currentIndex());
}

bool EntriesList::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (toolTip().isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), toolTip(), this, {}, hintMilliseconds_);
        }
        return true;
    }
    return QListView::event(event);
}

void EntriesList::mousePressEvent(QMouseEvent* event) {
    pressing_ = event->button() == Qt::LeftButton;
    QListView::mousePressEvent(event);
}

void EntriesList::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    pressing_ = false;
    if (selectedRow() >= 0 && indexAt(event->position().toPoint()).isValid()) emit chosen();
}

void EntriesList::keyPressEvent(QKeyEvent* event) {
    pressing_ = false;  // a key moves the row by itself, whatever became of a press
    QListView::keyPressEvent(event);
}

void EntriesList::currentRowChanged() {
    // A press moves the current row before the click is complete; the release tells then.
    if (selectingForProgram_ || pressing_) return;
    if (selectedRow() >= 0) emit chosen();
}

}  // namespace orvan::lookup
