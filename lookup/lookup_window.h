// The lookup window: the program's main window, where the user searches English and Greek
// headwords, reads entries and moves through what they have seen. Its handlers are thin: the
// rules live in lexicon/ and in this folder's plain C++ parts.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/entry_display.h"
#include "lexicon/lexicon_files.h"
#include "lexicon/list_search.h"
#include "lexicon/tables.h"
#include "lookup/entry_editing.h"
#include "lookup/entry_exchange.h"
#include "lookup/lookup_state.h"
#include "lookup/window_face.h"
#include "lookup/window_settings.h"
#include "personal/personal_store.h"
#include "platform/control_overlap.h"
#include "platform/keyboard_layouts.h"
#include "platform/layout_keeper.h"
#include "setup/folder_dialog_mode.h"
#include "setup/start_screen.h"

class QAbstractButton;
class QAbstractItemView;
class QFileSystemWatcher;
class QKeyEvent;
class QMenu;
class QMessageBox;
class QStringListModel;
class QUrl;
class QTimer;

namespace orvan::platform {
class EdgeLayout;
class GreekTyping;
}  // namespace orvan::platform

namespace orvan::lookup {

class HelpWindow;
class PrintSurface;

/// The field the user last worked in, which the copy command copies from. Entering any other
/// control (a command button among them) leaves it as it was.
enum class FocusField { None, EntryText, TransText, ShortCutText, DescriptionText, EntriesList };

class LookupWindow : public QWidget, private EntryEditing::Host {
    Q_OBJECT
  public:
    /// Prepares the window (settings, keyboard layouts, colours); the tables are loaded when it
    /// is first shown. Data paths are relative to the current folder at this moment.
    explicit LookupWindow(
        std::unique_ptr<platform::KeyboardLayouts> layouts = platform::DesktopKeyboardLayouts(),
        QWidget* parent = nullptr);
    ~LookupWindow() override;

    const LookupControls& controls() const { return c_; }

    /// \brief Looks `words` up as the user would: they go in the search field, the list is
    /// filled as Enter fills it, and the first entry found is shown.
    void lookUp(const QString& words);
    /// Shows the window again if it was minimised, in front of the others and active.
    void comeToFront();

    // Start-up, settings and folders.
    static std::string findStartFolder();
    static std::string documentsFolder();
    bool checkPersonalFolder() override;
    bool askPersonalFolder(setup::FolderDialogMode mode);
    void clearEntryDisplay();
    /// Empties the entry pane (headword, rendering, science, description) and disables the edit
    /// commands, keeping the list.
    void clearEntryPane();
    void fixHeadwordLabels();

    // Input language.
    void findKeyboardLayouts();
    void activateInputLayout();
    void setInputLanguage(bool greek);
    /// Greek is typed through the program's own Greek keyboard now: the flag says Greek and the
    /// desktop has no Greek layout to switch to.
    bool typesGreekItself() const;
    void typeGreekIn(QWidget* field) override;

    // The entry list: fills it from the search field's text; `number` names the entry of a
    // Specific fill.
    void fillList(SearchMode mode, long long number, bool personalOnly);

    // The entry pane.
    void onEntriesListClicked();
    void showDescription(const std::optional<std::string>& body);

    // What the window knows, for the forms and commands that work with it.
    const std::string& startFolder() const { return startFolder_; }
    const std::string& settingsPath() const { return settingsPath_; }
    bool showStartScreen() const { return showStartScreen_; }
    /// Whether the program is to end at once (its uninstallation has started).
    bool quitRequested() const { return quitRequested_; }
    const std::string& personalFolder() const { return personalFolder_; }
    const PersonalFiles& personalFiles() const override { return personal_; }
    const LookupState& state() const { return state_; }
    bool greekMode() const { return state_.greekMode(); }
    const EntryTables& tables() const { return state_.tables(); }
    const NavigationHistory& history() const { return state_.history(); }
    const platform::LanguageLayouts& languageLayouts() const {
        return layoutKeeper_->languageLayouts();
    }
    QMenu* prevMenu() const { return prevMenu_; }
    QMenu* nextMenu() const { return nextMenu_; }
    FocusField focusField() const { return focusField_; }
    /// How long a full-text search runs before it shows its progress and can be stopped.
    void setFullTextProgressDelay(int milliseconds) { fullTextProgressDelay_ = milliseconds; }
    /// How long the typing pauses before a word that finds nothing is offered the nearest
    /// headwords.
    void setSuggestionDelay(int milliseconds);
    /// The hidden form whose view holds the document being printed.
    PrintSurface& printSurface();
    const WindowSettings& windowSettings() const { return windowSettings_; }

    /// How a document is handed to the desktop (the help page, the help's outside links); true
    /// when the desktop took it. The desktop's own opener unless replaced.
    using DocumentOpener = std::function<bool(const QUrl&)>;
    void setDocumentOpener(DocumentOpener opener) { openDocument_ = std::move(opener); }
    /// The program's own help window, once the desktop could not open the help page.
    HelpWindow* helpWindow() const { return helpWindow_; }

    /// \brief How many one-point steps the entry list and the description pane are away from
    /// their first text size; setting it redraws both (bounded, see lookup/text_size.h).
    int textSizeStep() const { return textSizeStep_; }
    void setTextSizeStep(int step);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setUp();
    void onFirstShow();
    void followResize();
    void connectHandlers();
    void followEdges();

    // The window's size, place and the border between the list and the pane.
    int listShiftAt(int width) const;
    void onListDividerPressed();
    void onListDividerDragged(int offset);
    void onListDividerReleased();
    void fitSmallestSize();
    bool controlsKeepClear() const;
    std::vector<const QWidget*> backdrops() const;
    void restoreWindowGeometry();
    void setPersonalFolder(const std::string& folder);
    QString contentPath(const char* name) const;

    // The entry list.
    void onFillListClicked();
    void onOwnEntriesClicked();
    void onCriteriaSearchClicked();
    void onWholeLexiconClicked();
    bool onSearchFieldKey(int key);
    void onSearchFieldEdited(const QString& text);
    void onTypingPaused();
    void onSuggestionClicked(const QString& link);
    /// The search field's drop-down of the last searches, as the settings keep them.
    void offerRecentSearches();
    /// Puts a search the user ran first among the last searches, and keeps the list.
    void rememberSearch(const QString& text);
    void onRecentSearchChosen(const QString& text);
    /// A key on the drop-down of the last searches; true when it was used here.
    bool onRecentSearchesKey(int key);
    /// The help button's right-click menu: the interface language, and whether the list follows
    /// the typing.
    void offerPreferences();
    /// The science filter as the science list now chooses it.
    std::string fieldFilter() const;

    // Drawing the lookup state: only what changed since it was last drawn.
    void render();
    /// The status line's words for `status`.
    QString listStatusText(const ListStatus& status) const;
    void drawList();
    void drawShownEntry();
    /// After the tables were read again: the entry shown is drawn again if what it shows changed.
    void refreshShownEntry();
    void drawEntry(const EntryDisplay& display);
    void showInputLanguage(bool greek);
    void followActivation();

    // The entry pane and its figures.
    void onDescriptionPressed(QPoint point);
    void onDescriptionSelectionChanged();
    void hideFigure();

    // History.
    void onBackClicked();
    void onForwardClicked();
    void onBackMenuClicked();
    void onForwardMenuClicked();
    QPoint menuPoint(const QWidget* button) const;
    void popUpHistory(QMenu* menu, const std::deque<HistoryItem>& items, bool back, QPoint at);

    // Input language.
    void onLanguageClicked();

    // The user's own entries.
    void onInsertEntryClicked();
    void onModifyEntryClicked();
    void onDeleteEntryClicked();
    void onExportClicked();
    void onImportClicked();

    // What the editing needs of the window.
    const LookupState& lookupState() const override { return state_; }
    const LexiconFiles& lexiconFiles() const override { return files_; }
    void showSaved(long long number) override;
    void holdReloads(bool hold) override;

    // Reading the tables again, after our changes or another program's.
    void reloadTables(std::optional<Renumbering> renumbered = std::nullopt) override;
    void applyLexicon(LoadedLexicon lexicon, std::optional<Renumbering> renumbered = std::nullopt);
    void watchPersonalFolder();
    void onPersonalFilesChanged();
    /// Reads the tables again now when another program changed the personal files.
    void catchUpWithPersonalFiles() override;
    /// What kept the tables from being read whole: the user's message (untranslated) and the
    /// reason naming the file; empty when they were read whole.
    struct LoadProblem {
        const char* message = "";
        std::string details;
    };
    LoadProblem currentLoadProblem() const;
    /// Warns once when the lexicon, the science list or the personal files could not be read
    /// whole.
    void tellLoadProblem();
    /// \brief A warning (`message`, with `details`) that stays open beside the
    /// window while the user goes on; it deletes itself when closed.
    QMessageBox* warnAside(const QString& message, const std::string& details);
    /// Whether a change may be worked out from the tables: not while they were read only in
    /// part (what they left out would be written as removed); the user is told why.
    bool tablesWhole() override;

    // Full-text search in the descriptions.
    void onFullTextSearchClicked();
    void runFullTextSearch();
    /// Marks every occurrence of the full-text search's text in the shown description.
    void highlightFullTextHits();

    // Printing the entry chosen in the list.
    void onPrintClicked();

    // Clipboard, focus and window commands.
    void trackFocus(QWidget* entered);
    void onSearchFieldEntered();
    void onCopyClicked();
    void onPasteClicked();
    void onPinClicked();
    void onHelpClicked();
    void onExitClicked();

    // The window's keys: each runs its button (nothing while the button is off) or its
    // command, wherever the focus is in the window.
    void makeKeys();
    /// Whether `event` is one of the window's keys, which the data fields leave to the window
    /// although they have their own use for some of them.
    bool isWindowKey(const QKeyEvent* event) const;
    void onSelectSearchFieldPressed();
    void onEscapePressed();
    /// Moves every size of the description shown by the text size step.
    void stepDescriptionSizes();

    // The start screen and its presentations.
    void openStartScreen(setup::Presentation presentation, int partnerPage);
    void onPartnerLogoClicked();
    void onPartnerDivisionLogoClicked();
    void onPublisherClicked();

    void loadTables();
    void warnMissingLexicon();

    LookupControls c_;
    platform::EdgeLayout* edgeLayout_ = nullptr;
    int listShift_ = 0;         // how much wider than laid out the user made the list
    int listShiftAtPress_ = 0;  // the same when the border was taken
    int leastListWidth_ = 0;    // the narrowest the list and the pane show anything at
    int leastPaneWidth_ = 0;
    bool geometryRestored_ = false;    // the window came up as the user left it
    std::optional<QPoint> keptPlace_;  // where the kept geometry put the window (its inside),
                                       // while the compositor places it (Wayland)
    std::vector<platform::Overlap> designedOverlaps_;  // controls that touch as laid out

    // Start-up, settings and folders.
    std::string startFolder_;
    std::string settingsPath_;
    std::string settingsProblem_;  // why the settings file was not read, until the user is told
    bool showStartScreen_ = true;
    std::string personalFolder_;
    PersonalFiles personal_;
    bool quitRequested_ = false;

    // The tables and the list.
    LexiconFiles files_;
    bool lexiconWarned_ = false;  // the user was told the lexicon could not be read
    LookupState state_;
    WindowSettings windowSettings_;
    bool searchAsYouType_ = true;                    // the list follows the typing
    QStringListModel* recentSearches_ = nullptr;     // what the search field offers, newest first
    QAbstractItemView* recentPopup_ = nullptr;       // the drop-down that offers them
    LookupState::Revisions drawn_;                   // the state as last drawn
    std::optional<EntryDisplay> shownDisplay_;       // what the entry pane shows
    QFileSystemWatcher* personalWatcher_ = nullptr;  // the personal folder, for others' changes
    QTimer* settleTimer_ = nullptr;
    QTimer* suggestionTimer_ = nullptr;  // the typing's pause before nearest headwords are sought
    std::string toldProblem_;     // what the user was last told kept their files from being read
    int reloadHolds_ = 0;         // holds of the editing alive
    bool reloadWaiting_ = false;  // another program's change waits for the holds to end

    // Input language.
    std::unique_ptr<platform::KeyboardLayouts> layouts_;
    std::unique_ptr<platform::LayoutKeeper> layoutKeeper_;
    platform::GreekTyping* greekTyping_ = nullptr;  // Greek without a Greek layout of the desktop
    std::optional<bool> flagGreek_;                 // the language the flag button shows

    // The entry pane.
    QPoint descriptionPress_;
    bool wideningFigureLink_ = false;
    bool longListHint_ = false;

    // History.
    QMenu* prevMenu_;
    QMenu* nextMenu_;

    int fullTextProgressDelay_ = 500;

    // Window commands and printing.
    FocusField focusField_ = FocusField::None;
    EntryEditing editing_{*this, this};
    EntryExchange exchange_{*this, editing_, this};
    std::unique_ptr<PrintSurface> printSurface_;
    DocumentOpener openDocument_;
    HelpWindow* helpWindow_ = nullptr;  // a child of this window, hidden when closed

    // Keys and text size.
    QList<QKeySequence> windowKeys_;
    int textSizeStep_ = 0;
    QFont firstListFont_;
    double firstDescriptionPoints_ = 0;
};

}  // namespace orvan::lookup
