// The entry list: headwords at fixed 16-pixel rows, drawn 2 pixels from the left edge, showing
// whole rows only. It tells the window when the user chooses an item, by mouse or keyboard.
#pragma once

#include <QListView>
#include <QStringList>

namespace orvan::lookup {

class EntriesModel;

class EntriesList : public QListView {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 16;

    explicit EntriesList(QWidget* parent = nullptr);

    /// Replaces the items; none is selected afterwards. `notes`, parallel to `texts` (or empty),
    /// is what a row shows after its text, dimmed, to tell it from rows that read alike; it is
    /// no part of the item's text.
    void setItems(QStringList texts, QStringList notes = {});
    void clear() { setItems({}); }
    void removeItem(int row);
    int count() const;
    QString itemText(int row) const;
    /// What `row` shows after its text; empty for none.
    QString itemNote(int row) const;
    /// The selected row, -1 for none.
    int selectedRow() const;
    /// Selects `row` as the program does, without telling that the user chose it.
    void selectRow(int row);

    /// The tooltip and how long it stays up (milliseconds; -1 for the desktop's own time).
    void setHint(const QString& hint, int showMilliseconds);

    /// The height, at most `height`, at which the list shows whole rows only.
    int wholeRowsHeight(int height) const;

    /// The height of a row: kRowHeight, more for a larger text size.
    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int height);

  signals:
    /// The user chose an item: a click on it, or a move to it with the keyboard.
    void chosen();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void currentRowChanged();

    EntriesModel* model_;
    bool selectingForProgram_ = false;
    // A press in the list whose release has not come yet: the release tells the choice. Kept by
    // the list itself, not read from the application's button state, which a press elsewhere
    // (a double click that opened a figure) may leave behind.
    bool pressing_ = false;
    int hintMilliseconds_ = -1;
    int rowHeight_ = kRowHeight;
};

}  // namespace orvan::lookup
