// The start screen: the book's cover, the publisher's and the partner's logos, and three
// presentations (the partner's two pages with their slides, the publisher's titles, the
// dictionary's details). From it the user starts the dictionary, switches the start screen off
// or on for later starts, and installs the program from its medium or uninstalls it.
// The window renders a PresentationState and forwards the clicks to it; the install picture
// runs an InstallFlow.
#pragma once

#include <QDialog>
#include <QRect>
#include <functional>
#include <map>

#include "setup/presentation_state.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QVariantAnimation;

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::platform {
class EdgeLayout;
}  // namespace orvan::platform

namespace orvan::setup {

class StartScreen : public QDialog {
    Q_OBJECT
  public:
    StartScreen(StartScreenContext& context, Presentation presentation, int partnerPage,
                QWidget* parent = nullptr);
    ~StartScreen() override;

    /// How long the text page takes to open; 0 opens it at once.
    void setOpeningDuration(int milliseconds) { openingDuration_ = milliseconds; }

    /// The slide timer's tick: the next slide of the partner's page.
    void showNextSlide();

    bool installMode() const { return installMode_; }
    const PresentationState& presentation() const { return state_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildFace();
    void onFirstShow();
    void onDivisionLogoClicked();
    void onCompanyLogoClicked();
    void onPublisherLogoClicked();
    void onLexiconLabelClicked();
    void onMenuClicked(int tag);
    void onCloseClicked();
    void onInstallClicked();

    /// Renders the presentation the state shows now.
    void showPartner();
    void showPublisher();
    void showDetails();
    /// Reads what selecting `tag` needs, in order, and selects it when all was read.
    void selectMenu(int tag);
    /// Opens the text page from `from` to `to`, which it ends at.
    void openTextPage(const QRect& from, const QRect& to);
    /// Moves the presentation picture to the left edge `x`.
    void movePresentationImage(int x);
    QLabel* menuImage(int tag) const;
    QString contentPath(const QString& name) const;
    QString contentPath(const std::string& name) const;
    void onClick(QWidget* control, std::function<void()> handler);

    StartScreenContext& context_;
    PresentationState state_;
    bool installMode_ = true;
    int openingDuration_ = 250;
    std::map<QObject*, std::function<void()>> clicks_;

    platform::EdgeLayout* places_;
    QLabel* coverImage_;
    QLabel* coverRuleImage_;
    QLabel* publisherLogo_;
    QLabel* divisionLogo_;
    QLabel* companyLogo_;
    QLabel* partnerTitle_;
    QLabel* publisherTitle_;
    std::map<int, QLabel*> menuImages_;  // the titles' and the details' entries, by tag
    QLabel* presentationImage_;
    QLabel* isbnImage_;
    QLabel* publisherPicture_;
    richtext::RichTextView* partnerText_;
    QLabel* lexiconLabel_;
    QLabel* installImage_;
    QCheckBox* hideCheckBox_;
    QPushButton* closeButton_;
    QTimer* slideTimer_;
    QVariantAnimation* opening_;
};

}  // namespace orvan::setup
