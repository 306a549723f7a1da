// The entry editor: English and Greek headwords, the science field and the description of a
// new entry or of the entry being modified (for a lexicon entry only its supplement can be
// written).
#pragma once

#include <QDialog>
#include <QStringList>

#include "personal/personal_store.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvan::personal {

/// What the editor is opened for: a new entry, or a change of the chosen one.
enum class EntryEditMode { Insert, Update };

class TInsertEntryFrm : public QDialog {
    Q_OBJECT
  public:
    /// `fieldItems` are the science list's items (" " and the field names); `entry` fills the
    /// fields for an update; `editKind` is the modified entry's kind. `check` is asked before the
    /// editor closes: while it refuses the entry, the editor stays open with the text typed and
    /// says why.
    TInsertEntryFrm(EntryEditMode editMode, EntryKind editKind, const QStringList& fieldItems,
                    const PendingEntry& entry, EntryCheck check, QWidget* parent = nullptr);

    /// What the editor hands to the store once confirmed (headwords in code page 1253, the
    /// description in UTF-8 with its lines in CR LF).
    const PendingEntry& entry() const { return entry_; }

    /// Characters that still fit in the description (its stored form is limited); negative when
    /// it is already too long.
    static long long RoomLeft(const std::string& description);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void InsertOk_ButtonClick();
    void InsertCancel_ButtonClick();
    void ShowRoomLeft();
    bool HeadwordFits(const QLineEdit* field, const char* language, std::string& bytes);
    void Refuse(const QString& message);

    EntryEditMode EditMode;
    EntryKind EditKind;
    QStringList fieldItems_;
    PendingEntry entry_;
    EntryCheck check_;
    bool shown_ = false;

    QLineEdit* InsertEntry_Text;
    QLineEdit* InsertEntry_Trans;
    QComboBox* InsertEntry_ShortCut;
    QPlainTextEdit* InsertEntry_Descr;
    QPushButton* InsertOk_Button;
    QPushButton* InsertCancel_Button;
    QLabel* RoomLeft_Label;
};

/// The editor's plain text with its line breaks as CR LF, and back.
std::string DescriptionFromEditor(const QString& text);
QString DescriptionForEditor(const std::string& description);

}  // namespace orvan::personal
