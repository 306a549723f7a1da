#include "personal/entry_editor_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <iterator>
#include <utility>

#include "lexicon/text_file.h"
#include "personal/store_messages.h"
#include "platform/busy_cursor.h"
#include "platform/desktop_look.h"
#include "platform/dialog_face.h"
#include "platform/interface_language.h"
#include "richtext/greek_code_page.h"
#include "richtext/screen_text.h"

namespace orvan::personal {

namespace {

using platform::kMaroon;
using platform::kTeal;

// Under a dark desktop the colour is lightened to read on the control's own background.
void Colour(QWidget* widget, const QColor& text, bool background) {
    QPalette palette = widget->palette();
    if (background) palette.setColor(QPalette::Base, platform::FieldBackground());
    const QColor readable = platform::ReadableOnControl(text, palette);
    palette.setColor(QPalette::Text, readable);
    palette.setColor(QPalette::ButtonText, readable);
    widget->setPalette(palette);
}

// A caption of the form's left column, in bold, level with the text of the field beside it
// (`drop` pixels below the field's top).
QLabel* BoldLabel(QWidget* parent, const QString& text, int drop) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setContentsMargins(0, drop, 0, 0);
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
      okButton_(new QPushButton(tr("Εισαγωγή"), this)),
      cancelButton_(new QPushButton(tr("Ακύρωση"), this)),
      roomLeftLabel_(new QLabel(this)) {
    setObjectName("EntryEditorDialog");
    setWindowTitle(tr("Εισαγωγή Νέου Λήμματος"));
    setFont(platform::SansFont(11, false, true));
    englishField_->setObjectName("englishField");
    englishField_->setMaxLength(80);
    Colour(englishField_, kTeal, false);
    greekField_->setObjectName("greekField");
    greekField_->setMaxLength(80);
    Colour(greekField_, kTeal, false);
    fieldCombo_->setObjectName("fieldCombo");
    Colour(fieldCombo_, kMaroon, false);
    descriptionEdit_->setObjectName("descriptionEdit");
    QFont fixed("DejaVu Sans Mono");
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(12);
    descriptionEdit_->setFont(fixed);
    descriptionEdit_->setTabChangesFocus(true);
    roomLeftLabel_->setObjectName("roomLeftLabel");
    okButton_->setObjectName("okButton");
    okButton_->setDefault(true);
    okButton_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setAutoDefault(false);

    // The fields in one column of one width, their captions in a column to their left; under
    // the description, in the dialog's own colours, how many characters still fit; then the
    // two buttons under the fields. The dialog keeps its size.
    constexpr int kCaptionWidth = 104;
    constexpr int kFieldWidth = 242;
    constexpr int kFieldHeight = 21;
    englishField_->setFixedSize(kFieldWidth, kFieldHeight);
    greekField_->setFixedSize(kFieldWidth, kFieldHeight);
    fieldCombo_->setFixedSize(kFieldWidth, kFieldHeight);
    descriptionEdit_->setFixedSize(kFieldWidth, 105);
    roomLeftLabel_->setFixedSize(kFieldWidth, 16);
    okButton_->setFixedSize(113, 25);
    cancelButton_->setFixedSize(113, 25);

    auto* form = new QGridLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(0);
    form->setVerticalSpacing(3);
    form->setColumnMinimumWidth(0, kCaptionWidth);
    form->setColumnStretch(2, 1);
    const std::pair<QLabel*, QWidget*> rows[] = {
        {BoldLabel(this, tr("Λήμμα (Αγγλικά)"), 4), englishField_},
        {BoldLabel(this, tr("Λήμμα (Ελληνικά)"), 4), greekField_},
        {BoldLabel(this, tr("Επιστήμη"), 4), fieldCombo_},
        {BoldLabel(this, tr("Περιγραφή"), 12), descriptionEdit_},
    };
    for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
        form->addWidget(rows[row].first, row, 0, Qt::AlignLeft | Qt::AlignTop);
        form->addWidget(rows[row].second, row, 1, Qt::AlignLeft | Qt::AlignTop);
    }
    auto* roomLeft = new QHBoxLayout;
    roomLeft->setSpacing(0);
    roomLeft->addSpacing(kCaptionWidth);
    roomLeft->addWidget(roomLeftLabel_);
    roomLeft->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addSpacing(kCaptionWidth);
    buttons->addWidget(okButton_);
    buttons->addSpacing(19);
    buttons->addWidget(cancelButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 10, 16);
    layout->setSpacing(0);
    layout->addLayout(form);
    layout->addSpacing(2);
    layout->addLayout(roomLeft);
    layout->addSpacing(5);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(englishField_, greekField_);
    setTabOrder(greekField_, fieldCombo_);
    setTabOrder(fieldCombo_, descriptionEdit_);
    setTabOrder(descriptionEdit_, cancelButton_);
    setTabOrder(cancelButton_, okButton_);

    connect(okButton_, &QPushButton::clicked, this, &EntryEditorDialog::onOkClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &EntryEditorDialog::onCancelClicked);
    connect(descriptionEdit_, &QPlainTextEdit::textChanged, this, &EntryEditorDialog::showRoomLeft);
    showRoomLeft();

    // Centred over the window on its first show, which fills the fields.
    platform::DialogFace face;
    face.firstShow = [this] { onFirstShow(); };
    platform::GiveDialogFace(this, std::move(face));
}

void EntryEditorDialog::onFirstShow() {
    for (QWidget* field : {static_cast<QWidget*>(englishField_), static_cast<QWidget*>(greekField_),
                           static_cast<QWidget*>(descriptionEdit_)}) {
        QPalette palette = field->palette();
        // The near-white of the lookup window's fields, or the dark desktop's own base.
        palette.setColor(QPalette::Base, platform::FieldBackground(palette));
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
        fieldCombo_->setCurrentIndex(entry_.fieldIndex < fieldCombo_->count() ? entry_.fieldIndex
                                                                              : -1);
        setWindowTitle(tr("Μεταβολή Λήμματος"));
        okButton_->setText(tr("Ok"));
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
    if (!headwordFits(englishField_, tr("Αγγλικό"), typed.english) ||
        !headwordFits(greekField_, tr("Ελληνικό"), typed.greek)) {
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
        tr("Ό,τι γράψατε δεν χάνεται: μπορείτε να το αποθηκεύσετε ως νέο "
           "λήμμα ή να συνεχίσετε την επεξεργασία."));
    box.setDetailedText(platform::Translated(StoreDetailsText(refused)));
    QPushButton* asNew = box.addButton(tr("Αποθήκευση ως νέο λήμμα"), QMessageBox::AcceptRole);
    QPushButton* back = box.addButton(tr("Επιστροφή στην επεξεργασία"), QMessageBox::RejectRole);
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
bool EntryEditorDialog::headwordFits(const QLineEdit* field, const QString& language,
                                     std::string& bytes) {
    const QString text = field->text();
    GreekBytes converted = Utf16ToGreek(richtext::Utf16Of(text));
    if (converted.complete) {
        bytes = std::move(converted.bytes);
        return true;
    }
    refuse(
        tr("Το %1 Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: %2")
            .arg(language, QString::fromStdString(CharactersWithoutByte(richtext::Utf16Of(text)))));
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
