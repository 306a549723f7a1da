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
#include "platform/desktop_look.h"
#include "richtext/code_pages.h"
#include "richtext/greek_code_page.h"

namespace orvan::personal {

namespace {

using platform::Caption;
using platform::kMaroon;
using platform::kTeal;

// Below this many characters of room the editor says how many are left.
constexpr long long kRoomWarning = 2000;

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

long long TInsertEntryFrm::RoomLeft(const std::string& description) {
    const long long room =
        kMaxTextLength - static_cast<long long>(EscapeUserText(description).size());
    return room < 0 ? -1 : room / 4;  // each character takes four bytes stored
}

TInsertEntryFrm::TInsertEntryFrm(EntryEditMode editMode, EntryKind editKind,
                                 const QStringList& fieldItems, const PendingEntry& entry,
                                 EntryCheck check, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      EditMode(editMode),
      EditKind(editKind),
      fieldItems_(fieldItems),
      entry_(entry),
      check_(std::move(check)),
      InsertEntry_Text(new QLineEdit(this)),
      InsertEntry_Trans(new QLineEdit(this)),
      InsertEntry_ShortCut(new QComboBox(this)),
      InsertEntry_Descr(new QPlainTextEdit(this)),
      InsertOk_Button(new QPushButton(Caption("Εισαγωγή"), this)),
      InsertCancel_Button(new QPushButton(Caption("Ακύρωση"), this)),
      RoomLeft_Label(new QLabel(this)) {
    setObjectName("TInsertEntryFrm");
    setWindowTitle(Caption("Εισαγωγή Νέου Λήμματος"));
    setFixedSize(367, 233);
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
    place(RoomLeft_Label, "RoomLeft_Label", {8, 112, 100, 70});
    RoomLeft_Label->setWordWrap(true);
    RoomLeft_Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colour(RoomLeft_Label, kMaroon, false);
    {
        QPalette palette = RoomLeft_Label->palette();
        palette.setColor(QPalette::WindowText, kMaroon);
        RoomLeft_Label->setPalette(palette);
    }
    RoomLeft_Label->hide();
    place(InsertOk_Button, "InsertOk_Button", {112, 192, 113, 25});
    InsertOk_Button->setDefault(true);
    InsertOk_Button->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    place(InsertCancel_Button, "InsertCancel_Button", {244, 192, 113, 25});
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
    const StoreResult checked = check_(typed);
    if (const char* message = StoreMessage(checked.status)) {
        Refuse(Caption(message));
        return;
    }
    entry_ = std::move(typed);
    accept();
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

void TInsertEntryFrm::Refuse(const QString& message) {
    QMessageBox::information(this, windowTitle(), message);
}

void TInsertEntryFrm::InsertCancel_ButtonClick() {
    InsertEntry_Text->clear();
    InsertEntry_Trans->clear();
    InsertEntry_Descr->clear();
    InsertEntry_ShortCut->setCurrentIndex(-1);
    reject();
}

void TInsertEntryFrm::ShowRoomLeft() {
    const long long room = RoomLeft(DescriptionFromEditor(InsertEntry_Descr->toPlainText()));
    if (room >= kRoomWarning) {
        RoomLeft_Label->hide();
        return;
    }
    RoomLeft_Label->setText(room >= 0 ? Caption("Χωρούν ακόμη %1 χαρακτήρες.").arg(room)
                                      : Caption("Η περιγραφή είναι πολύ μεγάλη."));
    RoomLeft_Label->show();
}

}  // namespace orvan::personal
