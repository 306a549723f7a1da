#include "personal/entry_editor_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "lexicon/text_file.h"
#include "personal/store_messages.h"
#include "platform/busy_cursor.h"
#include "platform/desktop_look.h"
#include "platform/interface_language.h"
#include "richtext/code_pages.h"
#include "richtext/greek_code_page.h"

namespace orvan::personal {

namespace {

using platform::Caption;
using platform::kMaroon;
using platform::kTeal;

void Colour(QWidget* widget, const QColor& text, bool background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background) palette.setColor(QPalette::Base, platform::FieldBackground());
    widget->setPalette(palette);
}

QLabel* BoldLabel(QWidget* parent, const char* text, QPoint place) {
    auto* label = new QLabel(Caption(text), parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->move(place);
    label->adjustSize();
    return label;
}

}  // namespace

std::string DescriptionFromEditor(const QString& text) {
    QString lines = text;
    lines.replace(QChar::ParagraphSeparator, '\n');
    return WithCrLfLineEnds(lines.toStdString());
}

QString DescriptionForEditor(const std::string& description) {
    return QString::fromStdString(description).replace("\r\n", "\n");
}

EntryEditorDialog::EntryEditorDialog(EntryEditMode editMode, EntryKind editKind,
                                 const QStringList& fieldItems, const PendingEntry& entry,
                                 EditorActions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      editMode_(editMode),
      editKind_(editKind),
      fieldItems_(fieldItems),
      entry_(entry),
      actions_(std::move(actions)),
      englishField_(new QLineEdit(this)),
      greekField_(new QLineEdit(this)),
      fieldCombo_(new QComboBox(this)),
      descriptionEdit_(new QPlainTextEdit(this)),
      okButton_(new QPushButton(Caption("Εισαγωγή"), this)),
      cancelButton_(new QPushButton(Caption("Ακύρωση"), this)),
      roomLeftLabel_(new QLabel(this)) {
    setObjectName("EntryEditorDialog");
    setWindowTitle(Caption("Εισαγωγή Νέου Λήμματος"));
    setFixedSize(367, 249);
    setFont(platform::SansFont(11, false, true));
    const auto place = platform::Place;
    BoldLabel(this, "Λήμμα (Αγγλικά)", {8, 12});
    place(englishField_, "englishField", {112, 8, 242, 21});
    englishField_->setMaxLength(80);
    Colour(englishField_, kTeal, false);
    BoldLabel(this, "Λήμμα (Ελληνικά)", {8, 36});
    place(greekField_, "greekField", {112, 32, 242, 21});
    greekField_->setMaxLength(80);
    Colour(greekField_, kTeal, false);
    BoldLabel(this, "Επιστήμη", {8, 60});
    place(fieldCombo_, "fieldCombo", {112, 56, 242, 21});
    Colour(fieldCombo_, kMaroon, false);
    BoldLabel(this, "Περιγραφή", {8, 92});
    place(descriptionEdit_, "descriptionEdit", {112, 80, 242, 105});
    QFont fixed("DejaVu Sans Mono");
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(12);
    descriptionEdit_->setFont(fixed);
    descriptionEdit_->setTabChangesFocus(true);
    // Under the description, in the dialog's own colours: how many characters still fit.
    place(roomLeftLabel_, "roomLeftLabel", {112, 187, 242, 16});
    place(okButton_, "okButton", {112, 208, 113, 25});
    okButton_->setDefault(true);
    okButton_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    place(cancelButton_, "cancelButton", {244, 208, 113, 25});
    cancelButton_->setAutoDefault(false);

    setTabOrder(englishField_, greekField_);
    setTabOrder(greekField_, fieldCombo_);
    setTabOrder(fieldCombo_, descriptionEdit_);
    setTabOrder(descriptionEdit_, cancelButton_);
    setTabOrder(cancelButton_, okButton_);

    connect(okButton_, &QPushButton::clicked, this, &EntryEditorDialog::onOkClicked);
    connect(cancelButton_, &QPushButton::clicked, this,
            &EntryEditorDialog::onCancelClicked);
    connect(descriptionEdit_, &QPlainTextEdit::textChanged, this, &EntryEditorDialog::showRoomLeft);
    showRoomLeft();
}

void EntryEditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        onFirstShow();
    }
}

void EntryEditorDialog::onFirstShow() {
    platform::CentreOver(this, parentWidget());
    for (QWidget* field :
         {static_cast<QWidget*>(englishField_), static_cast<QWidget*>(greekField_),
          static_cast<QWidget*>(descriptionEdit_)}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, platform::FieldBackground());
        field->setPalette(palette);
    }
    fieldCombo_->clear();
    fieldCombo_->addItems(fieldItems_);
    if (editMode_ == EntryEditMode::Insert) {
        englishField_->clear();
        greekField_->clear();
        descriptionEdit_->clear();
        fieldCombo_->setCurrentIndex(-1);
        englishField_->setFocus();
    } else {
        englishField_->setText(richtext::FromGreekCodePage(entry_.english));
        greekField_->setText(richtext::FromGreekCodePage(entry_.greek));
        descriptionEdit_->setPlainText(DescriptionForEditor(entry_.description));
        fieldCombo_->setCurrentIndex(
            entry_.fieldIndex < fieldCombo_->count() ? entry_.fieldIndex : -1);
        setWindowTitle(Caption("Μεταβολή Λήμματος"));
        okButton_->setText("Ok");
        if (editKind_ == EntryKind::Annotated || editKind_ == EntryKind::Lexicon) {
            // Only the supplement of a lexicon entry can be written.
            englishField_->setEnabled(false);
            greekField_->setEnabled(false);
            fieldCombo_->setEnabled(false);
        }
        descriptionEdit_->setFocus();
    }
}

void EntryEditorDialog::onOkClicked() {
    PendingEntry typed;
    if (!headwordFits(englishField_, "Αγγλικό", typed.english) ||
        !headwordFits(greekField_, "Ελληνικό", typed.greek)) {
        return;
    }
    typed.fieldIndex = fieldCombo_->currentIndex();
    typed.description = DescriptionFromEditor(descriptionEdit_->toPlainText());
    if (actions_.check) {
        const StoreResult checked = actions_.check(typed);
        if (const QString message = platform::Translated(StoreMessageText(checked.status));
            !message.isEmpty()) {
            refuse(message);
            return;
        }
    }
    StoreResult saved;
    if (actions_.save) {
        platform::BusyCursor busy;
        saved = actions_.save(typed);
    }
    if (saved.status == StoreStatus::EntryChanged && actions_.saveAsNew) {
        if (!offerSaveAsNew(typed, saved)) return;
    } else if (!saved.done() && saved.status != StoreStatus::NothingToDo) {
        refuse(platform::Translated(StoreMessageText(saved.status)), saved);
        return;
    } else {
        result_ = saved;
    }
    entry_ = std::move(typed);
    accept();
}

bool EntryEditorDialog::offerSaveAsNew(const PendingEntry& typed, const StoreResult& refused) {
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    platform::Translated(StoreMessageText(refused.status)), QMessageBox::NoButton,
                    this);
    box.setObjectName("EntryChangedBox");
    box.setInformativeText(
        Caption("Ό,τι γράψατε δεν χάνεται: μπορείτε να το αποθηκεύσετε ως νέο "
                "λήμμα ή να συνεχίσετε την επεξεργασία."));
    box.setDetailedText(platform::Translated(StoreDetailsText(refused)));
    QPushButton* asNew = box.addButton(Caption("Αποθήκευση ως νέο λήμμα"), QMessageBox::AcceptRole);
    QPushButton* back =
        box.addButton(Caption("Επιστροφή στην επεξεργασία"), QMessageBox::RejectRole);
    asNew->setObjectName("saveAsNewButton");
    back->setObjectName("backToEditingButton");
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    if (box.clickedButton() != asNew) return false;
    StoreResult saved;
    {
        platform::BusyCursor busy;
        saved = actions_.saveAsNew(typed);
    }
    if (!saved.done()) {
        refuse(platform::Translated(StoreMessageText(saved.status)), saved);
        return false;
    }
    result_ = saved;
    savedAsNew_ = true;
    return true;
}

// A headword goes into a code page 1253 field of the index files: a character the page lacks
// would be stored as "?". The editor names such characters and stays open.
bool EntryEditorDialog::headwordFits(const QLineEdit* field, const char* language,
                                   std::string& bytes) {
    const QString text = field->text();
    GreekBytes converted = Utf16ToGreek(richtext::Utf16Of(text));
    if (converted.complete) {
        bytes = std::move(converted.bytes);
        return true;
    }
    refuse(Caption("Το %1 Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: %2")
               .arg(Caption(language),
                    QString::fromStdString(CharactersWithoutByte(richtext::Utf16Of(text)))));
    return false;
}

void EntryEditorDialog::refuse(const QString& message, const StoreResult& result) {
    QMessageBox box(QMessageBox::Information, windowTitle(), message, QMessageBox::Ok, this);
    box.setDetailedText(platform::Translated(StoreDetailsText(result)));
    box.exec();
}

void EntryEditorDialog::onCancelClicked() {
    englishField_->clear();
    greekField_->clear();
    descriptionEdit_->clear();
    fieldCombo_->setCurrentIndex(-1);
    reject();
}

void EntryEditorDialog::showRoomLeft() {
    roomLeftLabel_->setText(platform::Translated(DescriptionRoomMessage(
        DescriptionRoomLeft(DescriptionFromEditor(descriptionEdit_->toPlainText())))));
}

}  // namespace orvan::personal
