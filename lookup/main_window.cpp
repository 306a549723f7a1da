#include "lookup/main_window.h"

#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "lexicon/settings.h"
#include "lookup/dummy_form.h"
#include "lookup/entries_list.h"
#include "platform/busy_cursor.h"
#include "platform/desktop_look.h"
#include "richtext/code_pages.h"
#include "richtext/rich_text_view.h"
#include "setup/select_custom_dir_form.h"

namespace orvan::lookup {

namespace {

std::string StandardFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

// The background is stretched only in a window larger than the picture is drawn for.
constexpr int kStretchWidth = 750;
constexpr int kStretchHeight = 485;

}  // namespace

TMainLex::TMainLex(std::unique_ptr<platform::KeyboardLayouts> layouts, QWidget* parent)
    : QWidget(parent),
      c_(BuildLookupFace(this)),
      anchors_(QSize(kFirstWidth, kFirstHeight)),
      files_(GetStartFolder()),
      layouts_(std::move(layouts)),
      prevMenu_(new QMenu(this)),
      nextMenu_(new QMenu(this)) {
    setWindowTitle("Orvan");
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(kFirstWidth, kFirstHeight);
    FollowEdges();
    ConnectHandlers();
    FormCreate();
}

TMainLex::~TMainLex() {
    // The children lose their focus while QWidget's destructor runs, when this window is no
    // longer a TMainLex: the focus is no longer followed from here on.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TMainLex::ConnectHandlers() {
    c_.Entry_Text->installEventFilter(this);
    c_.FigPanel->installEventFilter(this);
    c_.FigImage->installEventFilter(this);
    for (QWidget* opener :
         {static_cast<QWidget*>(c_.CalderImage), static_cast<QWidget*>(c_.VelImage),
          static_cast<QWidget*>(c_.Korvath_Label)}) {
        opener->installEventFilter(this);
    }
    const auto onClick = [this](QAbstractButton* button, void (TMainLex::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(c_.Fill_List_Button, &TMainLex::Fill_List_ButtonClick);
    onClick(c_.CustomEntries_Button, &TMainLex::CustomEntries_ButtonClick);
    onClick(c_.Search_Button, &TMainLex::Search_ButtonClick);
    onClick(c_.WholeLex_Button, &TMainLex::WholeLex_ButtonClick);
    onClick(c_.Lang_Button, &TMainLex::Lang_ButtonClick);
    onClick(c_.Prev_Button, &TMainLex::Prev_ButtonClick);
    onClick(c_.Next_Button, &TMainLex::Next_ButtonClick);
    onClick(c_.PrevMenu_Button, &TMainLex::PrevMenu_ButtonClick);
    onClick(c_.NextMenu_Button, &TMainLex::NextMenu_ButtonClick);
    onClick(c_.DescrSearch_Button, &TMainLex::DescrSearch_ButtonClick);
    onClick(c_.Print_Button, &TMainLex::Print_ButtonClick);
    onClick(c_.Copy_Button, &TMainLex::Copy_ButtonClick);
    onClick(c_.Paste_Button, &TMainLex::Paste_ButtonClick);
    onClick(c_.Pin_Button, &TMainLex::Pin_ButtonClick);
    onClick(c_.Help_Button, &TMainLex::Help_ButtonClick);
    onClick(c_.Exit_Button, &TMainLex::Exit_ButtonClick);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { TrackFocus(now); });
    onClick(c_.InsertEntry_Button, &TMainLex::InsertEntry_ButtonClick);
    onClick(c_.ModifyEntry_Button, &TMainLex::ModifyEntry_ButtonClick);
    onClick(c_.DeleteEntry_Button, &TMainLex::DeleteEntry_ButtonClick);
    onClick(c_.Convert_Button, &TMainLex::Convert_ButtonClick);
    onClick(c_.Reload_Button, &TMainLex::Reload_ButtonClick);
    onClick(c_.ByteRange_Button, &TMainLex::ByteRange_ButtonClick);
    connect(c_.Entries_List, &EntriesList::chosen, this, &TMainLex::Entries_ListClick);
    connect(c_.Description_Text, &richtext::RichTextView::mousePressed, this,
            [this](QPoint point, Qt::MouseButton) { Description_TextMouseDown(point); });
    connect(c_.Description_Text, &richtext::RichTextView::selectionChange, this,
            &TMainLex::Description_TextSelectionChange);
    // The forward list is also the right-click menu of its arrow button.
    c_.NextMenu_Button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c_.NextMenu_Button, &QWidget::customContextMenuRequested, this,
            [this] { PopUp(nextMenu_, state_.history().forwardItems(), false, QCursor::pos()); });
    c_.PrevMenu_Button->setContextMenuPolicy(Qt::NoContextMenu);
}

void TMainLex::FormCreate() {
    startFolder_ = GetStartFolder();
    FindKeyboardLayouts();
    ShowInputLanguage(false);

    const SettingsFolders folders{StandardFolder(QStandardPaths::GenericConfigLocation),
                                  GetPersonalDocumentsFolder(),
                                  StandardFolder(QStandardPaths::HomeLocation)};
    const StartUpSettings settings = PrepareSettings(folders, SettingsProbe());
    settingsPath_ = settings.path;
    settingsProblem_ = settings.problem;
    showStartScreen_ = settings.showStartScreen;
    // A folder not named from the root, or a damaged line, names no folder: the first edit asks.
    if (!settings.personalFolder.empty() &&
        PersonalFolderLineProblem(settings.personalFolder).empty()) {
        personal_ = PersonalFiles(settings.personalFolder);
    }
    // The lookup window is not yet visible while the start screen runs.
    if (showStartScreen_) {
        OpenStartScreen(setup::Presentation::None, 0);
        if (quitRequested_) return;
    }

    const QColor background = platform::FieldBackground();
    for (QWidget* field :
         {static_cast<QWidget*>(c_.Entry_Text), static_cast<QWidget*>(c_.Entries_List),
          static_cast<QWidget*>(c_.Trans_Text), static_cast<QWidget*>(c_.ShortCut_Text)}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, background);
        field->setPalette(palette);
    }
    c_.Description_Text->setBackgroundColour(background);
}

void TMainLex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (rtfHeader_.empty()) FormShow();
}

void TMainLex::FormShow() {
    setWindowTitle("Orvan");
    resize(kFirstWidth, kFirstHeight);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // A missing decoration leaves its place empty; the dictionary is loaded all the same.
    c_.Main_Image->setPixmap(QPixmap(ContentPath("backmain.bmp")));
    c_.Line_Image->setPixmap(QPixmap(ContentPath("orangeline.bmp")));
    LoadTables();
    ClearEntryDisplay();
    state_.setSearchMode(SearchMode::Start);
    // Said once the window stands, so that the user sees what is missing it.
    if (!state_.tables().lexiconProblem.empty() && !lexiconWarned_) {
        lexiconWarned_ = true;
        QTimer::singleShot(0, this, &TMainLex::WarnMissingLexicon);
    }
    if (!settingsProblem_.empty()) {
        // The program works with its first settings meanwhile.
        WarnAside(
            "Το αρχείο ρυθμίσεων δεν διαβάστηκε· το Orvan ξεκίνησε με τις αρχικές "
            "ρυθμίσεις.",
            settingsProblem_)
            ->setObjectName("SettingsProblemBox");
        settingsProblem_.clear();
    }
}

void TMainLex::WarnMissingLexicon() {
    const QString folder = QString::fromStdString(startFolder_);
    QMessageBox box(QMessageBox::Warning, "Orvan",
                    Caption("Δεν βρέθηκε το λεξικό στον φάκελο «%1»: το αρχείο data/i.tbo λείπει "
                            "ή δεν διαβάζεται. Ξεκινήστε το πρόγραμμα από τον φάκελο του "
                            "λεξικού.")
                        .arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Ok, this);
    box.setDetailedText(QString::fromStdString(state_.tables().lexiconProblem));
    box.exec();
}

void TMainLex::LoadTables() {
    platform::BusyCursor busy;
    fields_ = LoadFieldTable(files_);
    c_.ShortCuts_Combo->clear();
    if (fields_) {
        for (const std::string& item : fields_->ListItems()) {
            c_.ShortCuts_Combo->addItem(richtext::FromGreekCodePage(item));
        }
    }
    ReloadTables();
    rtfHeader_ = LoadRtfHeader(files_);
}

void TMainLex::FollowEdges() {
    anchors_.follow(c_.Main_Image, Left | Top | Right | Bottom);
    anchors_.follow(c_.Description_Text, Left | Top | Right | Bottom);
    anchors_.follow(c_.Entries_List, Left | Top | Bottom, [this](const QRect& rect) {
        return QRect(rect.topLeft(),
                     QSize(rect.width(), c_.Entries_List->wholeRowsHeight(rect.height())));
    });
    for (QWidget* widget :
         {static_cast<QWidget*>(c_.Trans_Text), static_cast<QWidget*>(c_.ShortCut_Text),
          static_cast<QWidget*>(c_.Line_Image)}) {
        anchors_.follow(widget, Left | Top | Right);
    }
    for (QWidget* widget :
         {c_.Help_Button, c_.CustomEntries_Button, c_.InsertEntry_Button, c_.DeleteEntry_Button,
          c_.ModifyEntry_Button, c_.Exit_Button, c_.Pin_Button}) {
        anchors_.follow(widget, Top | Right);
    }
    anchors_.follow(c_.CalderImage, Left | Bottom);
    anchors_.follow(c_.VelImage, Left | Bottom);
    anchors_.follow(c_.Korvath_Label, Right | Bottom);
    anchors_.follow(c_.ListStatus_Label, Left | Right | Bottom);
    // Entry_Label follows the top only; its left edge and width come from FixHeadwordLabels.
}

void TMainLex::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    anchors_.place(size());
    FormResize();
}

void TMainLex::FormResize() {
    c_.Main_Image->setScaledContents(width() > kStretchWidth || height() > kStretchHeight);
    const QRect list = c_.Entries_List->geometry();
    QRect description = c_.Description_Text->geometry();
    if (description.bottom() != list.bottom()) {
        description.setHeight(std::max(0, list.y() + list.height() - description.y()));
        c_.Description_Text->setGeometry(description);
    }
    FixHeadwordLabels();
}

void TMainLex::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere that does not take it itself presses the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        c_.Fill_List_Button->click();
        return;
    }
    // Escape closes an open figure, wherever the focus is.
    if (event->key() == Qt::Key_Escape && c_.FigPanel->isVisible()) {
        HideFigure();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TMainLex::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.Entry_Text && event->type() == QEvent::KeyPress) {
        return Entry_TextKeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    // A click, or Enter or Space on the focused logo.
    if (platform::IsActivation(event)) {
        if (watched == c_.CalderImage) return CalderImageClick(), true;
        if (watched == c_.VelImage) return VelImageClick(), true;
        if (watched == c_.Korvath_Label) return Korvath_LabelClick(), true;
    }
    const bool escape = event->type() == QEvent::KeyPress &&
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if ((watched == c_.FigPanel && (event->type() == QEvent::FocusOut || escape)) ||
        (watched == c_.FigImage && event->type() == QEvent::MouseButtonPress)) {
        HideFigure();
        if (escape) return true;
    }
    return QWidget::eventFilter(watched, event);
}

std::string TMainLex::GetStartFolder() {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string TMainLex::GetPersonalDocumentsFolder() {
    return StandardFolder(QStandardPaths::DocumentsLocation);
}

QString TMainLex::ContentPath(const char* name) const {
    return QString::fromStdString(startFolder_) + "content/" + QString::fromLatin1(name);
}

bool TMainLex::CheckPersonalFolder() {
    const PersonalFolderCheck check = CheckPersonalFolderSetting(settingsPath_, SettingsProbe());
    bool known = false;
    std::string folder;
    switch (check.state) {
        case PersonalFolderState::Valid:
            known = true;
            folder = check.folder;
            break;
        case PersonalFolderState::Unset:
            known = AskPersonalFolder(setup::FolderDialogMode::NoPersonalFolder);
            folder = personalFolder_;
            break;
        case PersonalFolderState::Invalid:
            known = AskPersonalFolder(setup::FolderDialogMode::InvalidPersonalFolder);
            folder = personalFolder_;
            break;
    }
    personal_ = known ? PersonalFiles(folder) : PersonalFiles();
    WatchPersonalFolder();
    return known;
}

bool TMainLex::AskPersonalFolder(setup::FolderDialogMode mode) {
    bool chosen = false;
    {
        setup::TSelectCustomDirForm dialog(mode, this);
        const bool confirmed = dialog.exec() == QDialog::Accepted;
        activateWindow();
        if (confirmed && !dialog.folder().isEmpty()) {
            personalFolder_ = QFile::encodeName(dialog.folder()).toStdString();
            WriteSettings(settingsPath_, "", personalFolder_);
            chosen = true;
        }
    }
    // Data paths are relative to the start folder, whatever the dialog browsed.
    QDir::setCurrent(QString::fromStdString(startFolder_));
    return chosen;
}

void TMainLex::ClearEntryDisplay() {
    state_.clearList();
    Render();
}

void TMainLex::ClearEntryPane() {
    c_.Entry_Label->setText({});
    c_.Trans_Text->clear();
    c_.ShortCut_Text->clear();
    c_.Description_Text->clear();
    c_.Description_Text->setExtraSelections({});
    c_.ModifyEntry_Button->setEnabled(false);
    c_.DeleteEntry_Button->setEnabled(false);
}

void TMainLex::FixHeadwordLabels() {
    const QRect description = c_.Description_Text->geometry();
    c_.Entry_Label->setGeometry(description.x(), c_.Entry_Label->y(), description.width(), 28);
    c_.Trans_Label->setGeometry(description.x(), c_.Trans_Label->y(), description.width(), 32);
}

}  // namespace orvan::lookup
