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

#include "lexicon/lexicon_files.h"
#include "lexicon/list_search.h"
#include "lexicon/tables.h"
#include "lookup/edge_anchors.h"
#include "lookup/navigation_history.h"
#include "lookup/window_face.h"
#include "personal/personal_store.h"
#include "platform/keyboard_layouts.h"

class QFileSystemWatcher;
class QMenu;
class QTimer;

namespace orvan::lookup {

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
    bool AskPersonalFolder(const std::string& mode);
    void ClearEntryDisplay();
    /// Empties the entry pane (headword, rendering, science, description) and disables the edit
    /// commands, keeping the list.
    void ClearEntryPane();
    void FixHeadwordLabels();

    // Input language.
    void FindKeyboardLayouts();
    void ActivateInputLayout();
    void SetInputLanguage(bool greek);
    void DetectInputLanguage();

    // The entry list.
    void FillList(const std::string& mode, int slot, bool personalOnly);

    // The entry pane.
    void Entries_ListClick();
    void ShowDescription(const std::optional<std::string>& body);

    // What the window knows, for the forms and commands that work with it.
    const std::string& startFolder() const { return startFolder_; }
    const std::string& settingsPath() const { return settingsPath_; }
    bool showStartScreen() const { return showStartScreen_; }
    const std::string& personalFolder() const { return personalFolder_; }
    const PersonalFiles& personalFiles() const { return personal_; }
    bool greekMode() const { return greekMode_; }
    const std::string& searchMode() const { return searchMode_; }
    const std::vector<int>& listSlots() const { return listSlots_; }
    const EntryTables& tables() const { return tables_; }
    const NavigationHistory& history() const { return history_; }
    const platform::LanguageLayouts& languageLayouts() const { return languageLayouts_; }
    QMenu* prevMenu() const { return prevMenu_; }
    QMenu* nextMenu() const { return nextMenu_; }

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
    void ShowList(const std::vector<ListItem>& items);
    void SelectAndShow(int row);

    // The entry pane and its figures.
    void Description_TextMouseDown(QPoint point);
    void Description_TextSelectionChange();
    void HideFigure();

    // History.
    void RecordShown(const QString& caption, int slot);
    void ShowHistoryItem(const HistoryItem& item);
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
    personal::StoreContext Store() const { return {files_, tables_, FieldList(), personal_}; }

    // Reading the tables again, after our changes or another program's.
    bool PersonalFolderWritable();
    void ReloadTables();
    void ApplyTables(EntryTables tables);
    void WatchPersonalFolder();
    void PersonalFilesChanged();
    /// Warns once when the personal files could not be read whole.
    void TellPersonalProblem();
    bool ReportStoreResult(const personal::StoreResult& result);

    // Preparing a lexicon release.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void ShowGeneralError(const QString& text);
    void LoadTables();

    LookupControls c_;
    EdgeAnchors anchors_;

    // Start-up, settings and folders.
    std::string startFolder_;
    std::string settingsPath_;
    bool showStartScreen_ = true;
    std::string personalFolder_;
    PersonalFiles personal_;
    bool shownBefore_ = false;

    // The tables and the list.
    LexiconFiles files_;
    std::optional<FieldTable> fields_;
    EntryTables tables_;
    NoteList notes_;
    std::string rtfHeader_;
    std::vector<int> listSlots_;
    QFileSystemWatcher* personalWatcher_ = nullptr;  // the personal folder, for others' changes
    QTimer* settleTimer_ = nullptr;
    std::string toldProblem_;  // what the user was last told kept their files from being read
    std::string searchMode_;
    SearchCriteria criteria_;

    // Input language.
    std::unique_ptr<platform::KeyboardLayouts> layouts_;
    platform::LanguageLayouts languageLayouts_;
    bool greekMode_ = false;

    // The entry pane.
    QPoint descriptionPress_;
    bool wideningFigureLink_ = false;
    bool longListHint_ = false;

    // History.
    NavigationHistory history_;
    QMenu* prevMenu_;
    QMenu* nextMenu_;
};

}  // namespace orvan::lookup
