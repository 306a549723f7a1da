// The start screen: the book's cover, the publisher's and the partner's logos, and three
// presentations (the partner's two pages with their slides, the publisher's titles, the
// dictionary's details). From it the user starts the dictionary, switches the start screen off
// or on for later starts, and installs the program from its medium or uninstalls it.
#pragma once

#include <QDialog>
#include <QRect>
#include <functional>
#include <map>
#include <string>

class QCheckBox;
class QLabel;
class QPropertyAnimation;
class QPushButton;
class QTimer;

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::setup {

/// Which presentation the start screen opens on.
enum class Presentation {
    None,       // the default face, at start-up
    Partner,    // the partner's pages (the division or the company), from the partner's logos
    Publisher,  // the publisher's titles, from the publisher's name
};

/// What the start screen shares with the program: read when it opens, changed by it.
struct StartScreenContext {
    std::string startFolder;   // the program's folder, ending in "/"; data paths are relative to it
    std::string settingsPath;  // the settings file; empty when there is none
    bool showStartScreen = true;
    std::string personalFolder;  // the installation folder, once an installation chose it
    bool quitRequested = false;  // the uninstallation has started: the program ends now
};

/// The pages of the partner's presentation.
inline constexpr int kDivisionPage = 1;
inline constexpr int kCompanyPage = 2;

class TEntryForm : public QDialog {
    Q_OBJECT
  public:
    TEntryForm(StartScreenContext& context, Presentation presentation, int calderPage,
               QWidget* parent = nullptr);
    ~TEntryForm() override;

    /// How long the text page takes to open; 0 opens it at once.
    void setOpeningDuration(int milliseconds) { openingDuration_ = milliseconds; }

    /// The slide timer's tick: the next slide of the partner's page.
    void ToggleImage();

    bool installMode() const { return InstallMode; }
    int calderPage() const { return CalderPage; }
    char slideDigit() const { return SlideDigit; }
    int menuSelection() const { return MenuSelection; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildFace();
    void FormShow();
    void FormClose();
    void CalderImage1Click();
    void CalderImage2Click();
    void CalderShow();
    void KorvathShow();
    void KorvMenu(int tag);
    void LexiconLabelClick();
    void LexiconMenu(int tag);
    void EntryClose_ButtonClick();
    void InstallImageClick();
    void InstallBranch();
    void UninstallBranch();
    /// Runs the installation into the folder typed in the folder dialog; false when abandoned.
    bool RunInstallation(const QString& folder);
    /// Says what stopped the uninstallation.
    void TellUninstallProblem(const QString& reason);

    /// Opens the text page from `from` to `to`, which it ends at.
    void OpenTextPage(const QRect& from, const QRect& to);
    /// Selects menu picture `tag`, restoring the previous selection's look; false when a file
    /// it needs is missing, which ends the handler.
    bool SelectMenu(int tag, int firstTag, int lastTag, bool withTitlePicture);
    QLabel* MenuImage(int tag) const;
    QString ContentPath(const QString& name) const;
    void OnClick(QWidget* control, std::function<void()> handler);

    StartScreenContext& context_;
    Presentation PresName;
    int CalderPage;
    bool InstallMode = true;
    char SlideDigit = '1';
    int MenuSelection = 0;
    int openingDuration_ = 250;
    std::map<QObject*, std::function<void()>> clicks_;

    QLabel* EntryImage;
    QLabel* EntryLineImage;
    QLabel* KorvImage1;
    QLabel* CalderImage1;
    QLabel* CalderImage2;
    QLabel* CalderTitle;
    QLabel* KorvTitle;
    std::map<int, QLabel*> MenuImages;  // tags 1 to 7 and 11 to 15
    QLabel* PresImage;
    QLabel* ISBNImage;
    QLabel* KorvImage2;
    richtext::RichTextView* CalderRTF;
    QLabel* LexiconLabel;
    QLabel* InstallImage;
    QCheckBox* HidePresCheckBox;
    QPushButton* EntryClose_Button;
    QTimer* PresTimer;
    QPropertyAnimation* opening_;
    bool shown_ = false;
};

}  // namespace orvan::setup
