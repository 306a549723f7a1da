#include "lookup/lookup_window.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontInfo>
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
#include "lookup/entries_list.h"
#include "lookup/print_surface.h"
#include "platform/busy_cursor.h"
#include "platform/desktop_look.h"
#include "platform/edge_layout.h"
#include "platform/interface_language.h"
#include "richtext/rich_text_view.h"
#include "richtext/screen_text.h"
#include "setup/folder_choice_dialog.h"
#include "spelling/stem_finder.h"

namespace orvan::lookup {

namespace {

std::string StandardFolder(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

// A word that finds nothing as it is typed is offered the nearest headwords once the typing
// stops for this long: looking for them at each keystroke would slow the typing, and the offers
// would change under the user's eyes.
constexpr int kSuggestionDelayMilliseconds = 300;

// The background is stretched only in a window larger than the picture is drawn for.
constexpr int kStretchWidth = 750;
constexpr int kStretchHeight = 485;

// The headings the window writes into the pane's and the printed page's documents, in the
// interface language.
DocumentHeadings TranslatedDocumentHeadings() {
    const auto text = [](const char* greek) {
        return richtext::ToGreekCodePage(
            QCoreApplication::translate("orvan::lookup::LookupWindow", greek));
    };
    DocumentHeadings headings;
    headings.supplement =
        text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Συμπλήρωση δική σας:"));
    headings.headword = text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Λήμμα"));
    headings.rendering = text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Απόδοση"));
    headings.field = text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επιστήμη"));
    headings.description = text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Περιγραφή"));
    return headings;
}

}  // namespace

LookupWindow::LookupWindow(std::unique_ptr<platform::KeyboardLayouts> layouts, QWidget* parent)
    : QWidget(parent),
      c_(BuildLookupFace(this)),
      files_(findStartFolder()),
      windowSettings_(platform::LanguageSettingsPath()),
      searchAsYouType_(windowSettings_.searchAsYouType()),
      layouts_(std::move(layouts)),
      prevMenu_(new QMenu(this)),
      nextMenu_(new QMenu(this)) {
    setWindowTitle("Orvan");
    openDocument_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    resize(kFirstWidth, kFirstHeight);
    followEdges();
    connectHandlers();
    makeKeys();
    firstListFont_ = c_.entriesList->font();
    firstDescriptionPoints_ = QFontInfo(c_.descriptionView->font()).pointSizeF();
    state_.setDocumentHeadings(TranslatedDocumentHeadings());
    // Inflected words that find nothing are offered their stems' entries, when the system has
    // the Hunspell dictionaries; they load in the background while the window comes up.
    state_.setStemFinder(spelling::SystemStemFinder());
    offerPreferences();
    offerRecentSearches();
    setUp();
    render();
    // The text size the user chose last time (bounded as every step is).
    setTextSizeStep(windowSettings_.textSizeStep());
    fitSmallestSize();
    restoreWindowGeometry();
}

LookupWindow::~LookupWindow() {
    // The children lose their focus while QWidget's destructor runs, when this window is no
    // longer a LookupWindow: the focus is no longer followed from here on.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void LookupWindow::connectHandlers() {
    c_.searchField->installEventFilter(this);
    connect(c_.searchField, &QLineEdit::textEdited, this, &LookupWindow::onSearchFieldEdited);
    suggestionTimer_ = new QTimer(this);
    suggestionTimer_->setSingleShot(true);
    suggestionTimer_->setInterval(kSuggestionDelayMilliseconds);
    connect(suggestionTimer_, &QTimer::timeout, this, &LookupWindow::onTypingPaused);
    connect(c_.listStatusLabel, &QLabel::linkActivated, this, &LookupWindow::onSuggestionClicked);
    c_.figurePanel->installEventFilter(this);
    c_.figureImage->installEventFilter(this);
    for (QWidget* opener :
         {static_cast<QWidget*>(c_.partnerLogo), static_cast<QWidget*>(c_.partnerDivisionLogo),
          static_cast<QWidget*>(c_.publisherLabel)}) {
        opener->installEventFilter(this);
    }
    const auto onClick = [this](QAbstractButton* button, void (LookupWindow::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick(c_.fillListButton, &LookupWindow::onFillListClicked);
    onClick(c_.ownEntriesButton, &LookupWindow::onOwnEntriesClicked);
    onClick(c_.criteriaSearchButton, &LookupWindow::onCriteriaSearchClicked);
    onClick(c_.wholeLexiconButton, &LookupWindow::onWholeLexiconClicked);
    onClick(c_.languageButton, &LookupWindow::onLanguageClicked);
    onClick(c_.backButton, &LookupWindow::onBackClicked);
    onClick(c_.forwardButton, &LookupWindow::onForwardClicked);
    onClick(c_.backMenuButton, &LookupWindow::onBackMenuClicked);
    onClick(c_.forwardMenuButton, &LookupWindow::onForwardMenuClicked);
    onClick(c_.fullTextSearchButton, &LookupWindow::onFullTextSearchClicked);
    onClick(c_.printButton, &LookupWindow::onPrintClicked);
    onClick(c_.copyButton, &LookupWindow::onCopyClicked);
    onClick(c_.pasteButton, &LookupWindow::onPasteClicked);
    onClick(c_.pinButton, &LookupWindow::onPinClicked);
    onClick(c_.helpButton, &LookupWindow::onHelpClicked);
    onClick(c_.exitButton, &LookupWindow::onExitClicked);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { trackFocus(now); });
    onClick(c_.insertEntryButton, &LookupWindow::onInsertEntryClicked);
    onClick(c_.modifyEntryButton, &LookupWindow::onModifyEntryClicked);
    onClick(c_.deleteEntryButton, &LookupWindow::onDeleteEntryClicked);
    connect(c_.exportAction, &QAction::triggered, this, &LookupWindow::onExportClicked);
    connect(c_.importAction, &QAction::triggered, this, &LookupWindow::onImportClicked);
    connect(c_.entriesList, &EntriesList::chosen, this, &LookupWindow::onEntriesListClicked);
    connect(c_.descriptionView, &richtext::RichTextView::mousePressed, this,
            [this](QPoint point, Qt::MouseButton) { onDescriptionPressed(point); });
    connect(c_.descriptionView, &richtext::RichTextView::selectionChange, this,
            &LookupWindow::onDescriptionSelectionChanged);
    // The forward list is also the right-click menu of its arrow button.
    c_.forwardMenuButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c_.forwardMenuButton, &QWidget::customContextMenuRequested, this, [this] {
        popUpHistory(nextMenu_, state_.history().forwardItems(), false, QCursor::pos());
    });
    c_.backMenuButton->setContextMenuPolicy(Qt::NoContextMenu);
}

void LookupWindow::setUp() {
    startFolder_ = findStartFolder();
    findKeyboardLayouts();
    showInputLanguage(false);
    // The program starts in the language of the layout the person is typing in.
    if (layoutKeeper_->greekActive()) state_.setInputLanguage(true);

    const SettingsFolders folders{StandardFolder(QStandardPaths::GenericConfigLocation),
                                  documentsFolder(), StandardFolder(QStandardPaths::HomeLocation)};
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
        openStartScreen(setup::Presentation::None, 0);
        if (quitRequested_) return;
    }

    const QColor background = platform::FieldBackground(palette());
    for (QWidget* field :
         {static_cast<QWidget*>(c_.searchField), static_cast<QWidget*>(c_.entriesList),
          static_cast<QWidget*>(c_.renderingField), static_cast<QWidget*>(c_.scienceField)}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, background);
        field->setPalette(palette);
    }
    c_.descriptionView->setBackgroundColour(background);
}

void LookupWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (state_.lexicon().generation == 0) onFirstShow();
}

void LookupWindow::onFirstShow() {
    setWindowTitle("Orvan");
    if (!geometryRestored_) {
        resize(kFirstWidth, kFirstHeight);
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    // A missing decoration leaves its place empty; the dictionary is loaded all the same.
    c_.backgroundImage->setPixmap(QPixmap::fromImage(
        platform::BackgroundPicture(QImage(contentPath("backmain.bmp")), palette())));
    c_.ruleImage->setPixmap(QPixmap(contentPath("orangeline.bmp")));
    loadTables();
    clearEntryDisplay();
    state_.setSearchMode(SearchMode::Start);
    // Said once the window stands, so that the user sees what is missing it.
    if (state_.tables().lexiconProblem && !lexiconWarned_) {
        lexiconWarned_ = true;
        QTimer::singleShot(0, this, &LookupWindow::warnMissingLexicon);
    }
    if (!settingsProblem_.empty()) {
        // The program works with its first settings meanwhile.
        warnAside(tr("Το αρχείο ρυθμίσεων δεν διαβάστηκε· το Orvan ξεκίνησε με τις αρχικές "
                     "ρυθμίσεις."),
                  settingsProblem_)
            ->setObjectName("SettingsProblemBox");
        settingsProblem_.clear();
    }
}

void LookupWindow::warnMissingLexicon() {
    const QString folder = QString::fromStdString(startFolder_);
    QMessageBox box(QMessageBox::Warning, "Orvan",
                    tr("Δεν βρέθηκε το λεξικό στον φάκελο «%1»: το αρχείο data/i.tbo λείπει "
                       "ή δεν διαβάζεται. Ξεκινήστε το πρόγραμμα από τον φάκελο του "
                       "λεξικού.")
                        .arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Ok, this);
    if (const std::optional<Error>& problem = state_.tables().lexiconProblem)
        box.setDetailedText(QString::fromStdString(problem->message));
    box.exec();
}

void LookupWindow::loadTables() {
    platform::BusyCursor busy;
    reloadTables();
    c_.fieldFilterCombo->clear();
    for (const std::string& item : state_.lexicon().fieldList().listItems()) {
        c_.fieldFilterCombo->addItem(richtext::FromGreekCodePage(item));
    }
}

void LookupWindow::resizeEvent(QResizeEvent* event) {
    // The layout has placed the controls for the new size before this runs.
    QWidget::resizeEvent(event);
    followResize();
}

void LookupWindow::followResize() {
    c_.backgroundImage->setScaledContents(width() > kStretchWidth || height() > kStretchHeight);
    fixHeadwordLabels();
}

void LookupWindow::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere that does not take it itself presses the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        c_.fillListButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool LookupWindow::eventFilter(QObject* watched, QEvent* event) {
    // Left unaccepted, the key goes on to the window's own use of it.
    if (event->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (watched == c_.searchField && event->type() == QEvent::KeyPress) {
        return onSearchFieldKey(static_cast<QKeyEvent*>(event)->key());
    }
    if (watched == recentPopup_ && event->type() == QEvent::KeyPress) {
        return onRecentSearchesKey(static_cast<QKeyEvent*>(event)->key());
    }
    // A click, or Enter or Space on the focused logo.
    if (platform::IsActivation(event)) {
        if (watched == c_.partnerLogo) return onPartnerLogoClicked(), true;
        if (watched == c_.partnerDivisionLogo) return onPartnerDivisionLogoClicked(), true;
        if (watched == c_.publisherLabel) return onPublisherClicked(), true;
    }
    // A figure closes when it loses the focus or is clicked (Escape is one of the window's
    // keys).
    if ((watched == c_.figurePanel && event->type() == QEvent::FocusOut) ||
        (watched == c_.figureImage && event->type() == QEvent::MouseButtonPress)) {
        hideFigure();
    }
    return QWidget::eventFilter(watched, event);
}

std::string LookupWindow::findStartFolder() {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    // Started from elsewhere, the program reads the lexicon installed beside it.
    return LexiconFolderFor(folder, RunningProgramFolder());
}

std::string LookupWindow::documentsFolder() {
    return StandardFolder(QStandardPaths::DocumentsLocation);
}

QString LookupWindow::contentPath(const char* name) const {
    return QString::fromStdString(startFolder_) + "content/" + QString::fromLatin1(name);
}

bool LookupWindow::checkPersonalFolder() {
    const PersonalFolderCheck check = CheckPersonalFolderSetting(settingsPath_, SettingsProbe());
    bool known = false;
    std::string folder;
    switch (check.state) {
        case PersonalFolderState::Valid:
            known = true;
            folder = check.folder;
            break;
        case PersonalFolderState::Unset:
            known = askPersonalFolder(setup::FolderDialogMode::NoPersonalFolder);
            folder = personalFolder_;
            break;
        case PersonalFolderState::Invalid:
            known = askPersonalFolder(setup::FolderDialogMode::InvalidPersonalFolder);
            folder = personalFolder_;
            break;
    }
    personal_ = known ? PersonalFiles(folder) : PersonalFiles();
    watchPersonalFolder();
    return known;
}

bool LookupWindow::askPersonalFolder(setup::FolderDialogMode mode) {
    bool chosen = false;
    {
        setup::FolderChoiceDialog dialog(mode, this);
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

void LookupWindow::clearEntryDisplay() {
    state_.clearList();
    render();
}

void LookupWindow::clearEntryPane() {
    c_.headwordLabel->setText({});
    c_.renderingField->clear();
    c_.scienceField->clear();
    c_.descriptionView->clear();
    c_.descriptionView->setExtraSelections({});
    c_.modifyEntryButton->setEnabled(false);
    c_.deleteEntryButton->setEnabled(false);
}

void LookupWindow::fixHeadwordLabels() {
    const QRect description = c_.descriptionView->geometry();
    c_.headwordLabel->setGeometry(description.x(), c_.headwordLabel->y(), description.width(), 28);
    c_.renderingLabel->setGeometry(description.x(), c_.renderingLabel->y(), description.width(),
                                   32);
}

}  // namespace orvan::lookup
