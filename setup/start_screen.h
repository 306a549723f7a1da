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

class StartScreen : public QDialog {
    Q_OBJECT
  public:
    StartScreen(StartScreenContext& context, Presentation presentation, int partnerPage,
               QWidget* parent = nullptr);
    ~StartScreen() override;

    /// How long the text page takes to open; 0 opens it at once.
    void setOpeningDuration(int milliseconds) { openingDuration_ = milliseconds; }

    /// The slide timer's tick: the next slide of the partner's page.
    void toggleImage();

    bool installMode() const { return installMode_; }
    int partnerPage() const { return partnerPage_; }
    char slideDigit() const { return slideDigit_; }
    int menuSelection() const { return menuSelection_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildFace();
    void onFirstShow();
    void onClose();
    void onDivisionLogoClicked();
    void onCompanyLogoClicked();
    void showPartner();
    void showPublisher();
    void onPublisherMenu(int tag);
    void onLexiconClicked();
    void onLexiconMenu(int tag);
    void onCloseClicked();
    void onInstallClicked();
    void installBranch();
    void uninstallBranch();
    /// Runs the installation into the folder typed in the folder dialog; false when abandoned.
    bool runInstallation(const QString& folder);
    /// Says what stopped the uninstallation.
    void tellUninstallProblem(const QString& reason);

    /// Opens the text page from `from` to `to`, which it ends at.
    void openTextPage(const QRect& from, const QRect& to);
    /// Selects menu picture `tag`, restoring the previous selection's look; false when a file
    /// it needs is missing, which ends the handler.
    bool selectMenu(int tag, int firstTag, int lastTag, bool withTitlePicture);
    QLabel* menuImage(int tag) const;
    QString contentPath(const QString& name) const;
    void onClick(QWidget* control, std::function<void()> handler);

    StartScreenContext& context_;
    Presentation presentation_;
    int partnerPage_;
    bool installMode_ = true;
    char slideDigit_ = '1';
    int menuSelection_ = 0;
    int openingDuration_ = 250;
    std::map<QObject*, std::function<void()>> clicks_;

    QLabel* coverImage_;
    QLabel* coverRuleImage_;
    QLabel* publisherLogo_;
    QLabel* divisionLogo_;
    QLabel* companyLogo_;
    QLabel* partnerTitle_;
    QLabel* publisherTitle_;
    std::map<int, QLabel*> menuImages_;  // tags 1 to 7 and 11 to 15
    QLabel* presentationImage_;
    QLabel* isbnImage_;
    QLabel* publisherPicture_;
    richtext::RichTextView* partnerText_;
    QLabel* lexiconLabel_;
    QLabel* installImage_;
    QCheckBox* hideCheckBox_;
    QPushButton* closeButton_;
    QTimer* slideTimer_;
    QPropertyAnimation* opening_;
    bool shown_ = false;
};

}  // namespace orvan::setup
