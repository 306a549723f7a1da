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
#include "setup/entry_form.h"

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

QLabel* TEntryForm::MenuImage(int tag) const {
    const auto found = MenuImages.find(tag);
    return found == MenuImages.end() ? nullptr : found->second;
}

void TEntryForm::OpenTextPage(const QRect& from, const QRect& to) {
    opening_->stop();
    CalderRTF->show();
    if (openingDuration_ <= 0) {
        CalderRTF->setGeometry(to);
        return;
    }
    CalderRTF->setGeometry(from);
    opening_->setDuration(openingDuration_);
    opening_->setStartValue(from);
    opening_->setEndValue(to);
    opening_->start();
}

void TEntryForm::CalderImage1Click() {
    CalderPage = kDivisionPage;
    CalderShow();
}

void TEntryForm::CalderImage2Click() {
    CalderPage = kCompanyPage;
    CalderShow();
}

void TEntryForm::CalderShow() {
    ISBNImage->hide();
    KorvTitle->hide();
    for (const auto& [tag, menu] : MenuImages)
        menu->hide();
    KorvImage2->hide();
    CalderTitle->show();
    PresImage->show();
    PresImage->move(480, PresImage->y());
    PresImage->setScaledContents(true);
    CalderRTF->clear();
    const bool division = CalderPage == kDivisionPage;
    SlideDigit = division ? '1' : '7';
    CalderTitle->setText(division ? "Velmora" : "Calder");
    LoadPicture(PresImage, ContentPath(QString("0%1.jpg").arg(QChar(SlideDigit))));
    PresTimer->start();
    // The text page opens from its middle.
    OpenTextPage({250, 104, 0, 285}, {40, 104, 420, 285});
    LoadPage(CalderRTF, ContentPath(division ? "veltext.rtf" : "caldertext.rtf"));
}

void TEntryForm::ToggleImage() {
    ++SlideDigit;
    if (CalderPage == kDivisionPage && SlideDigit == '7') SlideDigit = '1';
    if (CalderPage != kDivisionPage && SlideDigit > '9') SlideDigit = '7';
    // A slide that is missing or cannot be read leaves the last one for another period.
    LoadPicture(PresImage, ContentPath(QString("0%1.jpg").arg(QChar(SlideDigit))));
}

void TEntryForm::KorvathShow() {
    PresTimer->stop();
    ISBNImage->hide();
    CalderTitle->hide();
    for (int tag = 11; tag <= 15; ++tag)
        MenuImage(tag)->hide();
    KorvImage2->hide();
    KorvTitle->setText(Caption("Τίτλοι"));
    KorvTitle->show();
    PresImage->show();
    for (int tag = 1; tag <= 7; ++tag) {
        MenuImage(tag)->show();
        LoadPicture(MenuImage(tag), ContentPath(QString("menu%1.bmp").arg(tag)), true);
    }
    PresImage->move(495, PresImage->y());
    LoadPicture(PresImage, ContentPath("exofilo34.bmp"));
    CalderRTF->clear();
    OpenTextPage({349, 84, 0, 321}, {208, 84, 282, 321});
    MenuSelection = 0;
    KorvMenu(1);
}

bool TEntryForm::SelectMenu(int tag, int firstTag, int lastTag, bool withTitlePicture) {
    if (tag == MenuSelection) return true;
    // The selected look; then the previous selection's normal look.
    if (!LoadPicture(MenuImage(tag), ContentPath(QString("menu%1c.bmp").arg(tag)), true)) {
        return false;
    }
    if (MenuSelection >= firstTag && MenuSelection <= lastTag &&
        !LoadPicture(MenuImage(MenuSelection),
                     ContentPath(QString("menu%1.bmp").arg(MenuSelection)), true)) {
        return false;
    }
    if (!LoadPage(CalderRTF, ContentPath(QString("korv%1.rtf").arg(tag)))) return false;
    if (withTitlePicture && !LoadPicture(PresImage, ContentPath(QString("korv%1.bmp").arg(tag)))) {
        return false;
    }
    return true;
}

void TEntryForm::KorvMenu(int tag) {
    if (SelectMenu(tag, 1, 7, true)) MenuSelection = tag;
}

void TEntryForm::LexiconLabelClick() {
    ISBNImage->hide();
    for (int tag = 1; tag <= 7; ++tag)
        MenuImage(tag)->hide();
    PresTimer->stop();
    CalderTitle->hide();
    PresImage->hide();
    KorvTitle->setText(Caption("Στοιχεία Λεξικού"));
    KorvTitle->show();
    for (int tag = 11; tag <= 15; ++tag)
        MenuImage(tag)->show();
    KorvImage2->show();
    // These pictures are needed: a missing one ends the presentation here.
    for (int tag = 11; tag <= 15; ++tag) {
        if (!LoadPicture(MenuImage(tag), ContentPath(QString("menu%1.bmp").arg(tag)), true)) {
            return;
        }
    }
    CalderRTF->clear();
    OpenTextPage({208, 246, 530, 0}, {208, 84, 530, 324});
    MenuSelection = 0;
    LexiconMenu(11);
}

void TEntryForm::LexiconMenu(int tag) {
    if (SelectMenu(tag, 11, 15, false)) MenuSelection = tag;
}

}  // namespace orvan::setup
