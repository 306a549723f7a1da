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

/// What the editor does with what was typed, while it is still open: whatever is refused, the
/// editor stays open with the text.
struct EditorActions {
    /// Asked first: what the store would refuse, known without the files.
    EntryCheck check;
    /// Writes the entry. Done closes the editor, and so does NothingToDo (nothing to write).
    EntryCheck save;
    /// Offered when `save` finds the entry changed or deleted by another program: the text is
    /// written as a new entry of the user's.
    EntryCheck saveAsNew;
};

class EntryEditorDialog : public QDialog {
    Q_OBJECT
  public:
    /// `fieldItems` are the science list's items (" " and the field names); `entry` fills the
    /// fields for an update; `editKind` is the modified entry's kind.
    EntryEditorDialog(EntryEditMode editMode, EntryKind editKind, const QStringList& fieldItems,
                      const PendingEntry& entry, EditorActions actions, QWidget* parent = nullptr);

    /// What the editor handed to the store once confirmed (headwords in code page 1253, the
    /// description in UTF-8 with its lines in CR LF).
    const PendingEntry& entry() const { return entry_; }
    /// What the store answered to the save that closed the editor.
    const StoreResult& result() const { return result_; }
    /// Whether that save wrote the text as a new entry, the entry edited being gone or changed.
    bool savedAsNew() const { return savedAsNew_; }

  private:
    void onFirstShow();
    void onOkClicked();
    void onCancelClicked();
    void showRoomLeft();
    bool headwordFits(const QLineEdit* field, const QString& language, std::string& bytes);
    /// After the entry was found changed or deleted elsewhere: true when the user chose to save
    /// the text as a new entry and that was done.
    bool offerSaveAsNew(const PendingEntry& typed, const StoreResult& refused);
    void refuse(const QString& message, const StoreResult& result = {});

    EntryEditMode editMode_;
    EntryKind editKind_;
    QStringList fieldItems_;
    PendingEntry entry_;
    EditorActions actions_;
    StoreResult result_;
    bool savedAsNew_ = false;

    QLineEdit* englishField_;
    QLineEdit* greekField_;
    QComboBox* fieldCombo_;
    QPlainTextEdit* descriptionEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QLabel* roomLeftLabel_;
};

/// The editor's plain text with its line breaks as CR LF, and back.
std::string DescriptionFromEditor(const QString& text);
QString DescriptionForEditor(const std::string& description);

}  // namespace orvan::personal
