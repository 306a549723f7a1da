#include "setup/start_screen.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "lexicon/settings.h"
#include "platform/desktop_look.h"
#include "resources/stored_pictures.h"
#include "richtext/rich_text_view.h"
#include "setup/content_pictures.h"
#include "setup/installation.h"

namespace orvan::setup {

namespace {

using platform::Caption;
using platform::kNavy;
using platform::kTeal;
using platform::SetTextColour;

const QColor kPageBackground(214, 233, 255);
const QColor kActiveBorder(212, 208, 200);

const char* const kPartnerHint = "Παρουσίαση Calder Velmora";
const char* const kInstallHint = "Εγκατάσταση στο δίσκο";
const char* const kUninstallHint = "Απεγκατάσταση από το δίσκο";
const char* const kSwitchOff = "Απενεργοποίηση παρουσίασης";
const char* const kSwitchOn = "Ενεργοποίηση παρουσίασης";

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont EmphasisFont(int pixelSize, bool italic, bool underline) {
    QFont font = platform::SansFont(pixelSize, true);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace

StartScreen::StartScreen(StartScreenContext& context, Presentation presentation, int partnerPage,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      context_(context),
      presentation_(presentation),
      partnerPage_(partnerPage),
      slideTimer_(new QTimer(this)),
      opening_(nullptr) {
    setObjectName("StartScreen");
    setWindowTitle("Orvan");
    setFixedSize(750, 455);
    setFont(platform::SansFont(11));
    SetBackground(this, kActiveBorder);
    buildFace();
    opening_ = new QPropertyAnimation(partnerText_, "geometry", this);
    opening_->setEasingCurve(QEasingCurve::OutCubic);
    slideTimer_->setObjectName("slideTimer");
    slideTimer_->setInterval(5000);
    connect(slideTimer_, &QTimer::timeout, this, &StartScreen::toggleImage);
    // However the window closes (its button, Escape, the window manager).
    connect(this, &QDialog::finished, this, &StartScreen::onClose);
}

StartScreen::~StartScreen() = default;

void StartScreen::onClick(QWidget* control, std::function<void()> handler) {
    control->setCursor(Qt::PointingHandCursor);
    platform::MakeKeyboardControl(control);
    control->installEventFilter(this);
    clicks_[control] = std::move(handler);
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event) {
    // A click, or Enter or Space on the focused picture or label.
    if (platform::IsActivation(event)) {
        const auto click = clicks_.find(watched);
        if (click != clicks_.end()) {
            // A copy: the handler may close and destroy the window.
            const std::function<void()> handler = click->second;
            handler();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StartScreen::buildFace() {
    const auto place = platform::Place;
    const auto picture = [this, place](const char* name, QRect geometry) {
        auto* label = new QLabel(this);
        place(label, name, geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    coverImage_ = picture("coverImage", {0, 0, 749, 453});
    coverRuleImage_ = picture("coverRuleImage", {0, 64, 652, 2});
    coverRuleImage_->setScaledContents(true);
    publisherLogo_ = picture("publisherLogo", {4, 6, 309, 57});
    publisherLogo_->setToolTip(Caption("Παρουσίαση Εκδόσεων Korvath"));
    onClick(publisherLogo_, [this] { showPublisher(); });
    divisionLogo_ = picture("divisionLogo", {658, 2, 95, 81});
    divisionLogo_->setToolTip(Caption(kPartnerHint));
    onClick(divisionLogo_, [this] { onDivisionLogoClicked(); });
    companyLogo_ = picture("companyLogo", {528, 34, 120, 20});
    companyLogo_->setScaledContents(true);
    companyLogo_->setToolTip(Caption(kPartnerHint));
    onClick(companyLogo_, [this] { onCompanyLogoClicked(); });

    partnerTitle_ = new QLabel(this);
    place(partnerTitle_, "partnerTitle", {40, 76, 300, 20});
    partnerTitle_->setFont(EmphasisFont(16, true, true));
    SetTextColour(partnerTitle_, kNavy);
    partnerTitle_->hide();
    publisherTitle_ = new QLabel(this);
    place(publisherTitle_, "publisherTitle", {4, 88, 201, 16});
    publisherTitle_->setFont(platform::SansFont(13, true));
    publisherTitle_->setAlignment(Qt::AlignCenter);
    SetTextColour(publisherTitle_, Qt::white);
    SetBackground(publisherTitle_, kNavy);
    publisherTitle_->hide();

    const int titleTops[] = {104, 140, 176, 212, 248, 284, 320};
    for (int tag = 1; tag <= 7; ++tag) {
        QLabel* menu = picture(qPrintable(QString("menuImage%1").arg(tag)),
                               {4, titleTops[tag - 1], 201, tag == 7 ? 49 : 37});
        menu->setToolTip(Caption("Τίτλος %1").arg(tag));
        onClick(menu, [this, tag] { onPublisherMenu(tag); });
        menu->hide();
        menuImages_[tag] = menu;
    }
    for (int tag = 11; tag <= 15; ++tag) {
        QLabel* menu = picture(qPrintable(QString("menuImage%1").arg(tag)),
                               {4, 104 + 24 * (tag - 11), 201, tag == 15 ? 26 : 25});
        menu->setToolTip(Caption("Στοιχεία Λεξικού, σελίδα %1").arg(tag - 10));
        onClick(menu, [this, tag] { onLexiconMenu(tag); });
        menu->hide();
        menuImages_[tag] = menu;
    }

    presentationImage_ = picture("presentationImage", {444, 84, 249, 321});
    isbnImage_ = picture("isbnImage", {40, 88, 373, 317});
    publisherPicture_ = picture("publisherPicture", {32, 232, 157, 181});
    publisherPicture_->hide();

    partnerText_ = new richtext::RichTextView(this);
    place(partnerText_, "partnerText", {244, 120, 216, 285});
    partnerText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    partnerText_->setBackgroundColour(kPageBackground);
    partnerText_->hide();

    lexiconLabel_ = new QLabel(Caption("Στοιχεία Λεξικού"), this);
    place(lexiconLabel_, "lexiconLabel", {276, 420, 157, 25});
    lexiconLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lexiconLabel_->setFont(EmphasisFont(15, true, true));
    SetTextColour(lexiconLabel_, kTeal);
    lexiconLabel_->setToolTip(lexiconLabel_->text());
    onClick(lexiconLabel_, [this] { onLexiconClicked(); });

    installImage_ = picture("installImage", {8, 418, 18, 18});
    platform::ShowStoredPicture(installImage_, assets::IconPath("installation"), "install");
    installImage_->adjustSize();
    installImage_->setToolTip(Caption(kInstallHint));
    onClick(installImage_, [this] { onInstallClicked(); });

    hideCheckBox_ = new QCheckBox(Caption(kSwitchOff), this);
    place(hideCheckBox_, "hideCheckBox", {56, 420, 177, 17});
    SetBackground(hideCheckBox_, kPageBackground);
    // The condensed cut keeps the longer caption within the box's place.
    hideCheckBox_->setFont(platform::SansFont(11, false, true));

    closeButton_ = new QPushButton(Caption("Έναρξη Λεξικού"), this);
    place(closeButton_, "closeButton", {506, 416, 161, 25});
    closeButton_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &StartScreen::onCloseClicked);
}

QString StartScreen::contentPath(const QString& name) const {
    return QString::fromStdString(context_.startFolder) + "content/" + name;
}

void StartScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    onFirstShow();
    closeButton_->setFocus();
}

void StartScreen::onFirstShow() {
    installMode_ = RunsFromMedium(context_.startFolder);
    if (!installMode_) installImage_->setToolTip(Caption(kUninstallHint));
    // Each picture only when its file is there and can be read.
    const std::pair<QLabel*, const char*> pictures[] = {
        {coverImage_, "background.bmp"},   {coverRuleImage_, "orangeline.bmp"},
        {publisherLogo_, "entrykorv.bmp"},    {divisionLogo_, "vel.bmp"},
        {companyLogo_, "calderlogo.bmp"}, {presentationImage_, "exofilo34.bmp"},
        {isbnImage_, "isbn.bmp"},          {publisherPicture_, "exofilosmall.bmp"},
    };
    for (const auto& [control, file] : pictures) {
        QPixmap pixmap = ReadContentPicture(contentPath(file));
        if (pixmap.isNull()) continue;
        const bool transparent = control == publisherLogo_ || control == divisionLogo_ ||
                                 control == companyLogo_ || control == isbnImage_;
        control->setPixmap(transparent ? WithTransparentGround(pixmap) : pixmap);
        // The division's logo takes the size of its picture.
        if (control == divisionLogo_) control->resize(pixmap.size());
    }
    if (presentation_ == Presentation::Partner) {
        closeButton_->setText(Caption("Επιστροφή"));
        showPartner();
    } else if (presentation_ == Presentation::Publisher) {
        closeButton_->setText(Caption("Επιστροφή"));
        showPublisher();
    }
    hideCheckBox_->setText(Caption(context_.showStartScreen ? kSwitchOff : kSwitchOn));
}

void StartScreen::onCloseClicked() {
    if (hideCheckBox_->isChecked()) {
        const std::string& settings = context_.settingsPath;
        if (!settings.empty() && QFileInfo::exists(QString::fromStdString(settings))) {
            WriteSettings(settings, context_.showStartScreen ? "NO" : "YES", "");
            context_.showStartScreen = !context_.showStartScreen;
        } else {
            context_.showStartScreen = false;
            if (!settings.empty()) WriteSettings(settings, "NO", "");
        }
    }
    reject();
}

void StartScreen::onClose() {
    slideTimer_->stop();
}

}  // namespace orvan::setup
