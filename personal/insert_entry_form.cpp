#include "personal/insert_entry_form.h"

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

TInsertEntryFrm::TInsertEntryFrm(EntryEditMode editMode, EntryKind editKind,
                                 const QStringList& fieldItems, const PendingEntry& entry,
                                 EditorActions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      EditMode(editMode),
      EditKind(editKind),
      fieldItems_(fieldItems),
      entry_(entry),
      actions_(std::move(actions)),
      InsertEntry_Text(new QLineEdit(this)),
      InsertEntry_Trans(new QLineEdit(this)),
      InsertEntry_ShortCut(new QComboBox(this)),
      InsertEntry_Descr(new QPlainTextEdit(this)),
      InsertOk_Button(new QPushButton(Caption("Εισαγωγή"), this)),
      InsertCancel_Button(new QPushButton(Caption("Ακύρωση"), this)),
      RoomLeft_Label(new QLabel(this)) {
    setObjectName("TInsertEntryFrm");
    setWindowTitle(Caption("Εισαγωγή Νέου Λήμματος"));
    setFixedSize(367, 249);
    setFont(platform::SansFont(11, false, true));
    const auto place = platform::Place;
    BoldLabel(this, "Λήμμα (Αγγλικά)", {8, 12});
    place(InsertEntry_Text, "InsertEntry_Text", {112, 8, 242, 21});
    InsertEntry_Text->setMaxLength(80);
    Colour(InsertEntry_Text, kTeal, false);
    BoldLabel(this, "Λήμμα (Ελληνικά)", {8, 36});
    place(InsertEntry_Trans, "InsertEntry_Trans", {112, 32, 242, 21});
    InsertEntry_Trans->setMaxLength(80);
    Colour(InsertEntry_Trans, kTeal, false);
    BoldLabel(this, "Επιστήμη", {8, 60});
    place(InsertEntry_ShortCut, "InsertEntry_ShortCut", {112, 56, 242, 21});
    Colour(InsertEntry_ShortCut, kMaroon, false);
    BoldLabel(this, "Περιγραφή", {8, 92});
    place(InsertEntry_Descr, "InsertEntry_Descr", {112, 80, 242, 105});
    QFont fixed("DejaVu Sans Mono");
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPixelSize(12);
    InsertEntry_Descr->setFont(fixed);
    InsertEntry_Descr->setTabChangesFocus(true);
    // Under the description, in the dialog's own colours: how many characters still fit.
    place(RoomLeft_Label, "RoomLeft_Label", {112, 187, 242, 16});
    place(InsertOk_Button, "InsertOk_Button", {112, 208, 113, 25});
    InsertOk_Button->setDefault(true);
    InsertOk_Button->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    place(InsertCancel_Button, "InsertCancel_Button", {244, 208, 113, 25});
    InsertCancel_Button->setAutoDefault(false);

    setTabOrder(InsertEntry_Text, InsertEntry_Trans);
    setTabOrder(InsertEntry_Trans, InsertEntry_ShortCut);
    setTabOrder(InsertEntry_ShortCut, InsertEntry_Descr);
    setTabOrder(InsertEntry_Descr, InsertCancel_Button);
    setTabOrder(InsertCancel_Button, InsertOk_Button);

    connect(InsertOk_Button, &QPushButton::clicked, this, &TInsertEntryFrm::InsertOk_ButtonClick);
    connect(InsertCancel_Button, &QPushButton::clicked, this,
            &TInsertEntryFrm::InsertCancel_ButtonClick);
    connect(InsertEntry_Descr, &QPlainTextEdit::textChanged, this, &TInsertEntryFrm::ShowRoomLeft);
    ShowRoomLeft();
}

void TInsertEntryFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TInsertEntryFrm::FormShow() {
    platform::CentreOver(this, parentWidget());
    for (QWidget* field :
         {static_cast<QWidget*>(InsertEntry_Text), static_cast<QWidget*>(InsertEntry_Trans),
          static_cast<QWidget*>(InsertEntry_Descr)}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, platform::FieldBackground());
        field->setPalette(palette);
    }
    InsertEntry_ShortCut->clear();
    InsertEntry_ShortCut->addItems(fieldItems_);
    if (EditMode == EntryEditMode::Insert) {
        InsertEntry_Text->clear();
        InsertEntry_Trans->clear();
        InsertEntry_Descr->clear();
        InsertEntry_ShortCut->setCurrentIndex(-1);
        InsertEntry_Text->setFocus();
    } else {
        InsertEntry_Text->setText(richtext::FromGreekCodePage(entry_.english));
        InsertEntry_Trans->setText(richtext::FromGreekCodePage(entry_.greek));
        InsertEntry_Descr->setPlainText(DescriptionForEditor(entry_.description));
        InsertEntry_ShortCut->setCurrentIndex(
            entry_.fieldIndex < InsertEntry_ShortCut->count() ? entry_.fieldIndex : -1);
        setWindowTitle(Caption("Μεταβολή Λήμματος"));
        InsertOk_Button->setText("Ok");
        if (EditKind == EntryKind::Annotated || EditKind == EntryKind::Lexicon) {
            // Only the supplement of a lexicon entry can be written.
            InsertEntry_Text->setEnabled(false);
            InsertEntry_Trans->setEnabled(false);
            InsertEntry_ShortCut->setEnabled(false);
        }
        InsertEntry_Descr->setFocus();
    }
}

void TInsertEntryFrm::InsertOk_ButtonClick() {
    PendingEntry typed;
    if (!HeadwordFits(InsertEntry_Text, "Αγγλικό", typed.english) ||
        !HeadwordFits(InsertEntry_Trans, "Ελληνικό", typed.greek)) {
        return;
    }
    typed.fieldIndex = InsertEntry_ShortCut->currentIndex();
    typed.description = DescriptionFromEditor(InsertEntry_Descr->toPlainText());
    if (actions_.check) {
        const StoreResult checked = actions_.check(typed);
        if (const std::string message = StoreMessage(checked.status); !message.empty()) {
            Refuse(QString::fromStdString(message));
            return;
        }
    }
    StoreResult saved;
    if (actions_.save) {
        platform::BusyCursor busy;
        saved = actions_.save(typed);
    }
    if (saved.status == StoreStatus::EntryChanged && actions_.saveAsNew) {
        if (!OfferSaveAsNew(typed, saved)) return;
    } else if (!saved.done() && saved.status != StoreStatus::NothingToDo) {
        Refuse(QString::fromStdString(StoreMessage(saved.status)), saved);
        return;
    } else {
        result_ = saved;
    }
    entry_ = std::move(typed);
    accept();
}

bool TInsertEntryFrm::OfferSaveAsNew(const PendingEntry& typed, const StoreResult& refused) {
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    QString::fromStdString(StoreMessage(refused.status)), QMessageBox::NoButton,
                    this);
    box.setObjectName("EntryChangedBox");
    box.setInformativeText(
        Caption("Ό,τι γράψατε δεν χάνεται: μπορείτε να το αποθηκεύσετε ως νέο "
                "λήμμα ή να συνεχίσετε την επεξεργασία."));
    box.setDetailedText(QString::fromStdString(StoreDetails(refused)));
    QPushButton* asNew = box.addButton(Caption("Αποθήκευση ως νέο λήμμα"), QMessageBox::AcceptRole);
    QPushButton* back =
        box.addButton(Caption("Επιστροφή στην επεξεργασία"), QMessageBox::RejectRole);
    asNew->setObjectName("SaveAsNew_Button");
    back->setObjectName("BackToEditing_Button");
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
        Refuse(QString::fromStdString(StoreMessage(saved.status)), saved);
        return false;
    }
    result_ = saved;
    savedAsNew_ = true;
    return true;
}

// A headword goes into a code page 1253 field of the index files: a character the page lacks
// would be stored as "?". The editor names such characters and stays open.
bool TInsertEntryFrm::HeadwordFits(const QLineEdit* field, const char* language,
                                   std::string& bytes) {
    const QString text = field->text();
    GreekBytes converted = Utf16ToGreek(richtext::Utf16Of(text));
    if (converted.complete) {
        bytes = std::move(converted.bytes);
        return true;
    }
    Refuse(Caption("Το %1 Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: %2")
               .arg(Caption(language),
                    QString::fromStdString(CharactersWithoutByte(richtext::Utf16Of(text)))));
    return false;
}

void TInsertEntryFrm::Refuse(const QString& message, const StoreResult& result) {
    QMessageBox box(QMessageBox::Information, windowTitle(), message, QMessageBox::Ok, this);
    box.setDetailedText(QString::fromStdString(StoreDetails(result)));
    box.exec();
}

void TInsertEntryFrm::InsertCancel_ButtonClick() {
    InsertEntry_Text->clear();
    InsertEntry_Trans->clear();
    InsertEntry_Descr->clear();
    InsertEntry_ShortCut->setCurrentIndex(-1);
    reject();
}

void TInsertEntryFrm::ShowRoomLeft() {
    RoomLeft_Label->setText(QString::fromStdString(DescriptionRoomText(
        DescriptionRoomLeft(DescriptionFromEditor(InsertEntry_Descr->toPlainText())))));
}

}  // namespace orvan::personal
