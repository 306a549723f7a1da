// The lookup window: the program's main window, where the user searches English and Greek
// headwords, reads entries and moves through what they have seen. Its handlers are thin: the
// rules live in lexicon/ and in this folder's plain C++ parts.
#pragma once

#include <QPoint>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/entry_display.h"
#include "lexicon/lexicon_files.h"
#include "lexicon/list_search.h"
#include "lexicon/tables.h"
#include "lookup/edge_anchors.h"
#include "lookup/lookup_state.h"
#include "lookup/window_face.h"
#include "personal/personal_store.h"
#include "platform/keyboard_layouts.h"
#include "setup/entry_form.h"
#include "setup/folder_dialog_mode.h"

class QFileSystemWatcher;
class QMenu;
class QMessageBox;
class QTimer;

namespace orvan::lookup {

class TDummyFrm;

/// The field the user last worked in, which the copy command copies from. Entering any other
/// control (a command button among them) leaves it as it was.
enum class FocusField { None, EntryText, TransText, ShortCutText, DescriptionText, EntriesList };

class TMainLex : public QWidget {
    Q_OBJECT
  public:
    /// Prepares the window (settings, keyboard layouts, colours); the tables are loaded when it
    /// is first shown. Data paths are relative to the current folder at this moment.
    explicit TMainLex(
        std::unique_ptr<platform::KeyboardLayouts> layouts = platform::DesktopKeyboardLayouts(),
        QWidget* parent = nullptr);
    ~TMainLex() override;

    const LookupControls& controls() const { return c_; }

    // Start-up, settings and folders.
    static std::string GetStartFolder();
    static std::string GetPersonalDocumentsFolder();
    bool CheckPersonalFolder();
    bool AskPersonalFolder(setup::FolderDialogMode mode);
    void ClearEntryDisplay();
    /// Empties the entry pane (headword, rendering, science, description) and disables the edit
    /// commands, keeping the list.
    void ClearEntryPane();
    void FixHeadwordLabels();

    // Input language.
    void FindKeyboardLayouts();
    void ActivateInputLayout();
    void SetInputLanguage(bool greek);

    // The entry list: fills it from the search field's text; `number` names the entry of a
    // Specific fill.
    void FillList(SearchMode mode, long long number, bool personalOnly);

    // The entry pane.
    void Entries_ListClick();
    void ShowDescription(const std::optional<std::string>& body);

    // What the window knows, for the forms and commands that work with it.
    const std::string& startFolder() const { return startFolder_; }
    const std::string& settingsPath() const { return settingsPath_; }
    bool showStartScreen() const { return showStartScreen_; }
    /// Whether the program is to end at once (its uninstallation has started).
    bool quitRequested() const { return quitRequested_; }
    const std::string& personalFolder() const { return personalFolder_; }
    const PersonalFiles& personalFiles() const { return personal_; }
    const LookupState& state() const { return state_; }
    bool greekMode() const { return state_.greekMode(); }
    const EntryTables& tables() const { return state_.tables(); }
    const NavigationHistory& history() const { return state_.history(); }
    const platform::LanguageLayouts& languageLayouts() const { return languageLayouts_; }
    QMenu* prevMenu() const { return prevMenu_; }
    QMenu* nextMenu() const { return nextMenu_; }
    FocusField focusField() const { return focusField_; }
    /// How long a full-text search runs before it shows its progress and can be stopped.
    void setFullTextProgressDelay(int milliseconds) { fullTextProgressDelay_ = milliseconds; }
    /// The hidden form whose view holds the document being printed.
    TDummyFrm& dummyForm();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void ConnectHandlers();
    void FollowEdges();
    void SetPersonalFolder(const std::string& folder);
    QString ContentPath(const char* name) const;

    // The entry list.
    void Fill_List_ButtonClick();
    void CustomEntries_ButtonClick();
    void Search_ButtonClick();
    void WholeLex_ButtonClick();
    bool Entry_TextKeyDown(int key);
    /// The science filter as the science list now chooses it.
    std::string FieldCode() const;

    // Drawing the lookup state: only what changed since it was last drawn.
    void Render();
    void DrawList();
    void DrawShownEntry();
    /// After the tables were read again: the entry shown is drawn again if what it shows changed.
    void RefreshShownEntry();
    void DrawEntry(const EntryDisplay& display);
    void ShowInputLanguage(bool greek);

    // The entry pane and its figures.
    void Description_TextMouseDown(QPoint point);
    void Description_TextSelectionChange();
    void HideFigure();

    // History.
    void Prev_ButtonClick();
    void Next_ButtonClick();
    void PrevMenu_ButtonClick();
    void NextMenu_ButtonClick();
    QPoint MenuPoint(const QWidget* button) const;
    void PopUp(QMenu* menu, const std::deque<HistoryItem>& items, bool back, QPoint at);

    // Input language.
    void Lang_ButtonClick();

    // The user's own entries.
    void InsertEntry_ButtonClick();
    void ModifyEntry_ButtonClick();
    void DeleteEntry_ButtonClick();
    QStringList FieldItems() const;
    /// The science list's table; nullptr when there is none.
    const FieldTable* FieldList() const { return fields_ ? &*fields_ : nullptr; }
    personal::StoreContext Store() const {
        return {files_, state_.tables(), FieldList(), personal_};
    }
    /// The editor's way of writing its text as a new entry of the user's.
    personal::EntryCheck SaveAsNewEntry();
    /// After a saved change: the tables are read again and the saved entry shown.
    void ShowStoreResult(const personal::StoreResult& result,
                         std::optional<Renumbering> renumbered = std::nullopt);

    // Reading the tables again, after our changes or another program's.
    bool PersonalFolderWritable();
    personal::EntryCheck EditorCheck(std::optional<personal::EntryRef> target) const;
    void ReloadTables(std::optional<Renumbering> renumbered = std::nullopt);
    void ApplyTables(EntryTables tables, std::optional<Renumbering> renumbered = std::nullopt);
    void WatchPersonalFolder();
    void PersonalFilesChanged();
    /// Reads the tables again now when another program changed the personal files.
    void CatchUpWithPersonalFiles();

    /// \brief While one is alive, another program's change of the personal files is not read:
    /// the work under way (a full-text search, a print, an open editor or question) holds what
    /// the tables are now. The change is read once the last hold ends.
    class ReloadHold {
      public:
        explicit ReloadHold(TMainLex& window);
        ~ReloadHold();
        ReloadHold(const ReloadHold&) = delete;
        ReloadHold& operator=(const ReloadHold&) = delete;

      private:
        TMainLex& window_;
    };
    /// What kept the tables from being read whole: the user's message (Greek, UTF-8) and the
    /// reason naming the file; empty when they were read whole.
    struct LoadProblem {
        const char* message = "";
        std::string details;
    };
    LoadProblem CurrentLoadProblem() const;
    /// Warns once when the lexicon, the science list or the personal files could not be read
    /// whole.
    void TellPersonalProblem();
    /// \brief A warning (`message`, Greek UTF-8, with `details`) that stays open beside the
    /// window while the user goes on; it deletes itself when closed.
    QMessageBox* WarnAside(const char* message, const std::string& details);
    /// Whether a change may be worked out from the tables: not while they were read only in
    /// part (what they left out would be written as removed); the user is told why.
    bool TablesWhole();
    bool ReportStoreResult(const personal::StoreResult& result);

    // Full-text search in the descriptions.
    void DescrSearch_ButtonClick();
    void RunFullTextSearch();
    /// Marks every occurrence of the full-text search's text in the shown description.
    void HighlightFullTextHits();

    // Printing the entry chosen in the list.
    void Print_ButtonClick();

    // Clipboard, focus and window commands.
    void TrackFocus(QWidget* entered);
    void Entry_TextEnter();
    void Copy_ButtonClick();
    void Paste_ButtonClick();
    void Pin_ButtonClick();
    void Help_ButtonClick();
    void Exit_ButtonClick();

    // The start screen and its presentations.
    void OpenStartScreen(setup::Presentation presentation, int calderPage);
    void CalderImageClick();
    void VelImageClick();
    void Korvath_LabelClick();

    // Preparing a lexicon release.
    void Convert_ButtonClick();
    void Reload_ButtonClick();
    void ByteRange_ButtonClick();
    void ShowGeneralError(const QString& text);
    void LoadTables();
    void WarnMissingLexicon();

    LookupControls c_;
    EdgeAnchors anchors_;

    // Start-up, settings and folders.
    std::string startFolder_;
    std::string settingsPath_;
    std::string settingsProblem_;  // why the settings file was not read, until the user is told
    bool showStartScreen_ = true;
    std::string personalFolder_;
    PersonalFiles personal_;
    bool shownBefore_ = false;
    bool quitRequested_ = false;

    // The tables and the list.
    LexiconFiles files_;
    Result<FieldTable> fields_;
    NoteList notes_;
    std::string rtfHeader_;
    bool lexiconWarned_ = false;  // the user was told the lexicon could not be read
    LookupState state_;
    LookupState::Revisions drawn_;                   // the state as last drawn
    std::optional<EntryDisplay> shownDisplay_;       // what the entry pane shows
    QFileSystemWatcher* personalWatcher_ = nullptr;  // the personal folder, for others' changes
    QTimer* settleTimer_ = nullptr;
    std::string toldProblem_;     // what the user was last told kept their files from being read
    int reloadHolds_ = 0;         // ReloadHolds alive
    bool reloadWaiting_ = false;  // another program's change waits for the holds to end

    // Input language.
    std::unique_ptr<platform::KeyboardLayouts> layouts_;
    platform::LanguageLayouts languageLayouts_;
    std::optional<bool> flagGreek_;  // the language the flag button shows

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
    std::unique_ptr<TDummyFrm> dummyForm_;
};

}  // namespace orvan::lookup
