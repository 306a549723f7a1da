// The start screen's three presentations: the partner's pages with their slides, the
// publisher's titles, and the dictionary's details.
#include <QFileInfo>
#include <QLabel>
#include <QPropertyAnimation>
#include <QTextCursor>
#include <QTimer>

#include "platform/desktop_look.h"
#include "richtext/rich_text_view.h"
#include "setup/content_pictures.h"
#include "setup/start_screen.h"

namespace orvan::setup {

namespace {

using platform::Caption;

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
        partnerText_->setGeometry(to);
        return;
    }
    partnerText_->setGeometry(from);
    opening_->setDuration(openingDuration_);
    opening_->setStartValue(from);
    opening_->setEndValue(to);
    opening_->start();
}

void StartScreen::onDivisionLogoClicked() {
    partnerPage_ = kDivisionPage;
    showPartner();
}

void StartScreen::onCompanyLogoClicked() {
    partnerPage_ = kCompanyPage;
    showPartner();
}

void StartScreen::showPartner() {
    isbnImage_->hide();
    publisherTitle_->hide();
    for (const auto& [tag, menu] : menuImages_)
        menu->hide();
    publisherPicture_->hide();
    partnerTitle_->show();
    presentationImage_->show();
    presentationImage_->move(480, presentationImage_->y());
    presentationImage_->setScaledContents(true);
    partnerText_->clear();
    const bool division = partnerPage_ == kDivisionPage;
    slideDigit_ = division ? '1' : '7';
    partnerTitle_->setText(division ? "Velmora" : "Calder");
    LoadPicture(presentationImage_, contentPath(QString("0%1.jpg").arg(QChar(slideDigit_))));
    slideTimer_->start();
    // The text page opens from its middle.
    openTextPage({250, 104, 0, 285}, {40, 104, 420, 285});
    LoadPage(partnerText_, contentPath(division ? "veltext.rtf" : "caldertext.rtf"));
}

void StartScreen::toggleImage() {
    ++slideDigit_;
    if (partnerPage_ == kDivisionPage && slideDigit_ == '7') slideDigit_ = '1';
    if (partnerPage_ != kDivisionPage && slideDigit_ > '9') slideDigit_ = '7';
    // A slide that is missing or cannot be read leaves the last one for another period.
    LoadPicture(presentationImage_, contentPath(QString("0%1.jpg").arg(QChar(slideDigit_))));
}

void StartScreen::showPublisher() {
    slideTimer_->stop();
    isbnImage_->hide();
    partnerTitle_->hide();
    for (int tag = 11; tag <= 15; ++tag)
        menuImage(tag)->hide();
    publisherPicture_->hide();
    publisherTitle_->setText(Caption("Τίτλοι"));
    publisherTitle_->show();
    presentationImage_->show();
    for (int tag = 1; tag <= 7; ++tag) {
        menuImage(tag)->show();
        LoadPicture(menuImage(tag), contentPath(QString("menu%1.bmp").arg(tag)), true);
    }
    presentationImage_->move(495, presentationImage_->y());
    LoadPicture(presentationImage_, contentPath("exofilo34.bmp"));
    partnerText_->clear();
    openTextPage({349, 84, 0, 321}, {208, 84, 282, 321});
    menuSelection_ = 0;
    onPublisherMenu(1);
}

bool StartScreen::selectMenu(int tag, int firstTag, int lastTag, bool withTitlePicture) {
    if (tag == menuSelection_) return true;
    // The selected look; then the previous selection's normal look.
    if (!LoadPicture(menuImage(tag), contentPath(QString("menu%1c.bmp").arg(tag)), true)) {
        return false;
    }
    if (menuSelection_ >= firstTag && menuSelection_ <= lastTag &&
        !LoadPicture(menuImage(menuSelection_),
                     contentPath(QString("menu%1.bmp").arg(menuSelection_)), true)) {
        return false;
    }
    if (!LoadPage(partnerText_, contentPath(QString("korv%1.rtf").arg(tag)))) return false;
    if (withTitlePicture && !LoadPicture(presentationImage_, contentPath(QString("korv%1.bmp").arg(tag)))) {
        return false;
    }
    return true;
}

void StartScreen::onPublisherMenu(int tag) {
    if (selectMenu(tag, 1, 7, true)) menuSelection_ = tag;
}

void StartScreen::onLexiconClicked() {
    isbnImage_->hide();
    for (int tag = 1; tag <= 7; ++tag)
        menuImage(tag)->hide();
    slideTimer_->stop();
    partnerTitle_->hide();
    presentationImage_->hide();
    publisherTitle_->setText(Caption("Στοιχεία Λεξικού"));
    publisherTitle_->show();
    for (int tag = 11; tag <= 15; ++tag)
        menuImage(tag)->show();
    publisherPicture_->show();
    // These pictures are needed: a missing one ends the presentation here.
    for (int tag = 11; tag <= 15; ++tag) {
        if (!LoadPicture(menuImage(tag), contentPath(QString("menu%1.bmp").arg(tag)), true)) {
            return;
        }
    }
    partnerText_->clear();
    openTextPage({208, 246, 530, 0}, {208, 84, 530, 324});
    menuSelection_ = 0;
    onLexiconMenu(11);
}

void StartScreen::onLexiconMenu(int tag) {
    if (selectMenu(tag, 11, 15, false)) menuSelection_ = tag;
}

}  // namespace orvan::setup
