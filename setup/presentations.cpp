// The start screen's three presentations as it renders them: the partner's pages with their
// slides, the publisher's titles, and the dictionary's details.
#include <QFileInfo>
#include <QLabel>
#include <QTextCursor>
#include <QTimer>
#include <QVariantAnimation>

#include "platform/edge_layout.h"
#include "richtext/rich_text_view.h"
#include "setup/content_pictures.h"
#include "setup/start_screen.h"

namespace orvan::setup {

namespace {

// Loads a picture into `control` when its file can be read; false (the control keeps what it
// showed) when it cannot.
bool LoadPicture(QLabel* control, const QString& path, bool transparent = false) {
    const QPixmap picture = ReadContentPicture(path);
    if (picture.isNull()) return false;
    control->setPixmap(transparent ? WithTransparentGround(picture) : picture);
    return true;
}

// Loads a text page, shown from its beginning.
bool LoadPage(richtext::RichTextView* view, const QString& path) {
    if (!QFileInfo::exists(path) || !view->loadFile(path)) return false;
    view->moveCursor(QTextCursor::Start);
    view->ensureCursorVisible();
    return true;
}

}  // namespace

QLabel* StartScreen::menuImage(int tag) const {
    const auto found = menuImages_.find(tag);
    return found == menuImages_.end() ? nullptr : found->second;
}

void StartScreen::openTextPage(const QRect& from, const QRect& to) {
    opening_->stop();
    partnerText_->show();
    if (openingDuration_ <= 0) {
        places_->setPlace(partnerText_, to);
        return;
    }
    places_->setPlace(partnerText_, from);
    opening_->setDuration(openingDuration_);
    opening_->setStartValue(from);
    opening_->setEndValue(to);
    opening_->start();
}

void StartScreen::movePresentationImage(int x) {
    QRect place = places_->place(presentationImage_);
    place.moveLeft(x);
    places_->setPlace(presentationImage_, place);
}

void StartScreen::onDivisionLogoClicked() {
    state_.showPartner(kDivisionPage);
    showPartner();
}

void StartScreen::onCompanyLogoClicked() {
    state_.showPartner(kCompanyPage);
    showPartner();
}

void StartScreen::onPublisherLogoClicked() {
    state_.showPublisher();
    showPublisher();
}

void StartScreen::onLexiconLabelClicked() {
    state_.showDetails();
    showDetails();
}

void StartScreen::onMenuClicked(int tag) {
    selectMenu(tag);
}

void StartScreen::showPartner() {
    isbnImage_->hide();
    publisherTitle_->hide();
    for (const auto& [tag, menu] : menuImages_)
        menu->hide();
    publisherPicture_->hide();
    partnerTitle_->show();
    presentationImage_->show();
    movePresentationImage(480);
    presentationImage_->setScaledContents(true);
    partnerText_->clear();
    partnerTitle_->setText(state_.partnerPage() == kDivisionPage ? QStringLiteral("Velmora")
                                                                 : QStringLiteral("Calder"));
    LoadPicture(presentationImage_, contentPath(state_.slideFile()));
    slideTimer_->start();
    // The text page opens from its middle.
    openTextPage({250, 104, 0, 285}, {40, 104, 420, 285});
    LoadPage(partnerText_, contentPath(state_.partnerPageFile()));
}

void StartScreen::showNextSlide() {
    state_.nextSlide();
    // A slide that is missing or cannot be read leaves the last one for another period.
    LoadPicture(presentationImage_, contentPath(state_.slideFile()));
}

void StartScreen::showPublisher() {
    slideTimer_->stop();
    isbnImage_->hide();
    partnerTitle_->hide();
    for (int tag = kDetailsMenu.first; tag <= kDetailsMenu.last; ++tag)
        menuImage(tag)->hide();
    publisherPicture_->hide();
    publisherTitle_->setText(tr("Τίτλοι"));
    publisherTitle_->show();
    presentationImage_->show();
    for (int tag = kTitleMenu.first; tag <= kTitleMenu.last; ++tag) {
        menuImage(tag)->show();
        LoadPicture(menuImage(tag), contentPath(PresentationState::menuPicture(tag, false)), true);
    }
    movePresentationImage(495);
    LoadPicture(presentationImage_, contentPath(QStringLiteral("exofilo34.bmp")));
    partnerText_->clear();
    openTextPage({349, 84, 0, 321}, {208, 84, 282, 321});
    selectMenu(kTitleMenu.first);
}

void StartScreen::showDetails() {
    isbnImage_->hide();
    for (int tag = kTitleMenu.first; tag <= kTitleMenu.last; ++tag)
        menuImage(tag)->hide();
    slideTimer_->stop();
    partnerTitle_->hide();
    presentationImage_->hide();
    publisherTitle_->setText(tr("Στοιχεία Λεξικού"));
    publisherTitle_->show();
    for (int tag = kDetailsMenu.first; tag <= kDetailsMenu.last; ++tag)
        menuImage(tag)->show();
    publisherPicture_->show();
    // These pictures are needed: a missing one ends the presentation here.
    for (int tag = kDetailsMenu.first; tag <= kDetailsMenu.last; ++tag) {
        if (!LoadPicture(menuImage(tag), contentPath(PresentationState::menuPicture(tag, false)),
                         true)) {
            return;
        }
    }
    partnerText_->clear();
    openTextPage({208, 246, 530, 0}, {208, 84, 530, 324});
    selectMenu(kDetailsMenu.first);
}

void StartScreen::selectMenu(int tag) {
    const std::optional<MenuChange> change = state_.menuChange(tag);
    if (!change) return;
    // The selected look; then the previous selection's normal look; the page; the title's cover.
    if (!LoadPicture(menuImage(tag), contentPath(change->selectedPicture), true)) return;
    if (change->previousTag &&
        !LoadPicture(menuImage(*change->previousTag), contentPath(change->previousPicture), true)) {
        return;
    }
    if (!LoadPage(partnerText_, contentPath(change->page))) return;
    if (change->picture && !LoadPicture(presentationImage_, contentPath(*change->picture))) return;
    state_.select(tag);
}

}  // namespace orvan::setup
