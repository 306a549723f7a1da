#include "setup/start_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVariantAnimation>

#include "platform/desktop_look.h"
#include "platform/dialog_face.h"
#include "platform/edge_layout.h"
#include "resources/stored_pictures.h"
#include "richtext/rich_text_view.h"
#include "setup/content_pictures.h"
#include "setup/install_flow.h"
#include "setup/install_flow_dialogs.h"
#include "setup/installation.h"

namespace orvan::setup {

namespace {

using platform::kNavy;
using platform::kTeal;
using platform::SetTextColour;

const QColor kPageBackground(214, 233, 255);
const QColor kActiveBorder(212, 208, 200);
constexpr QSize kDefaultSize(750, 455);

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
      state_(presentation, partnerPage),
      places_(new platform::EdgeLayout(this, kDefaultSize, kDefaultSize)),
      slideTimer_(new QTimer(this)),
      opening_(new QVariantAnimation(this)) {
    setObjectName("StartScreen");
    setWindowTitle("Orvan");
    setFixedSize(kDefaultSize);
    setFont(platform::SansFont(11));
    SetBackground(this, kActiveBorder);
    buildFace();
    opening_->setEasingCurve(QEasingCurve::OutCubic);
    connect(opening_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& place) { places_->setPlace(partnerText_, place.toRect()); });
    slideTimer_->setObjectName("slideTimer");
    slideTimer_->setInterval(5000);
    connect(slideTimer_, &QTimer::timeout, this, &StartScreen::showNextSlide);
    // However the window closes (its button, Escape, the window manager), the slides stop.
    connect(this, &QDialog::finished, slideTimer_, &QTimer::stop);
    platform::DialogFace face;
    face.placing = platform::DialogFace::Placing::ScreenCentre;
    face.firstShow = [this] { onFirstShow(); };
    face.focus = closeButton_;
    platform::GiveDialogFace(this, std::move(face));
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
    // The screen keeps its light pictures and colours under a dark desktop; there its coloured
    // labels are deepened where they would not read on its light ground.
    const bool darkDesktop = platform::IsDarkPalette(QApplication::palette(this));
    const auto onScreen = [darkDesktop](const QColor& colour) {
        return darkDesktop ? platform::DeepenedToRead(colour, kActiveBorder) : colour;
    };
    const auto picture = [this](const char* name, QRect place) {
        auto* label = new QLabel(this);
        places_->addPlaced(label, name, place);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    const QString partnerHint = tr("Παρουσίαση Calder Velmora");
    coverImage_ = picture("coverImage", {0, 0, 749, 453});
    coverRuleImage_ = picture("coverRuleImage", {0, 64, 652, 2});
    coverRuleImage_->setScaledContents(true);
    publisherLogo_ = picture("publisherLogo", {4, 6, 309, 57});
    publisherLogo_->setToolTip(tr("Παρουσίαση Εκδόσεων Korvath"));
    onClick(publisherLogo_, [this] { onPublisherLogoClicked(); });
    divisionLogo_ = picture("divisionLogo", {658, 2, 95, 81});
    divisionLogo_->setToolTip(partnerHint);
    onClick(divisionLogo_, [this] { onDivisionLogoClicked(); });
    companyLogo_ = picture("companyLogo", {528, 34, 120, 20});
    companyLogo_->setScaledContents(true);
    companyLogo_->setToolTip(partnerHint);
    onClick(companyLogo_, [this] { onCompanyLogoClicked(); });

    partnerTitle_ = new QLabel(this);
    places_->addPlaced(partnerTitle_, "partnerTitle", {40, 76, 300, 20});
    partnerTitle_->setFont(EmphasisFont(16, true, true));
    SetTextColour(partnerTitle_, onScreen(kNavy));
    partnerTitle_->hide();
    publisherTitle_ = new QLabel(this);
    places_->addPlaced(publisherTitle_, "publisherTitle", {4, 88, 201, 16});
    publisherTitle_->setFont(platform::SansFont(13, true));
    publisherTitle_->setAlignment(Qt::AlignCenter);
    SetTextColour(publisherTitle_, Qt::white);
    SetBackground(publisherTitle_, kNavy);
    publisherTitle_->hide();

    const int titleTops[] = {104, 140, 176, 212, 248, 284, 320};
    for (int tag = kTitleMenu.first; tag <= kTitleMenu.last; ++tag) {
        QLabel* menu = picture(qPrintable(QString("menuImage%1").arg(tag)),
                               {4, titleTops[tag - 1], 201, tag == 7 ? 49 : 37});
        menu->setToolTip(tr("Τίτλος %1").arg(tag));
        onClick(menu, [this, tag] { onMenuClicked(tag); });
        menu->hide();
        menuImages_[tag] = menu;
    }
    for (int tag = kDetailsMenu.first; tag <= kDetailsMenu.last; ++tag) {
        QLabel* menu = picture(qPrintable(QString("menuImage%1").arg(tag)),
                               {4, 104 + 24 * (tag - 11), 201, tag == 15 ? 26 : 25});
        menu->setToolTip(tr("Στοιχεία Λεξικού, σελίδα %1").arg(tag - 10));
        onClick(menu, [this, tag] { onMenuClicked(tag); });
        menu->hide();
        menuImages_[tag] = menu;
    }

    presentationImage_ = picture("presentationImage", {444, 84, 249, 321});
    isbnImage_ = picture("isbnImage", {40, 88, 373, 317});
    publisherPicture_ = picture("publisherPicture", {32, 232, 157, 181});
    publisherPicture_->hide();

    partnerText_ = new richtext::RichTextView(this);
    places_->addPlaced(partnerText_, "partnerText", {244, 120, 216, 285});
    partnerText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    partnerText_->setBackgroundColour(kPageBackground);
    // The desktop's own texts on the screen's light colours are written dark there.
    {
        QPalette palette = partnerText_->palette();
        palette.setColor(QPalette::Text, platform::TextOnOwnBackground(
                                             palette.color(QPalette::Text), kPageBackground));
        partnerText_->setPalette(palette);
    }
    partnerText_->hide();

    lexiconLabel_ = new QLabel(tr("Στοιχεία Λεξικού"), this);
    places_->addPlaced(lexiconLabel_, "lexiconLabel", {276, 420, 157, 25});
    lexiconLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lexiconLabel_->setFont(EmphasisFont(15, true, true));
    SetTextColour(lexiconLabel_, onScreen(kTeal));
    lexiconLabel_->setToolTip(lexiconLabel_->text());
    onClick(lexiconLabel_, [this] { onLexiconLabelClicked(); });

    installImage_ = new QLabel(this);
    installImage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::ShowStoredPicture(installImage_, assets::IconPath("installation"), "install");
    // The install picture takes the size of its picture.
    places_->addPlaced(installImage_, "installImage", {QPoint(8, 418), installImage_->sizeHint()});
    installImage_->setToolTip(tr("Εγκατάσταση στο δίσκο"));
    onClick(installImage_, [this] { onInstallClicked(); });

    hideCheckBox_ = new QCheckBox(tr("Απενεργοποίηση παρουσίασης"), this);
    places_->addPlaced(hideCheckBox_, "hideCheckBox", {56, 420, 177, 17});
    SetBackground(hideCheckBox_, kPageBackground);
    {
        // Its caption, on what the box really fills itself with (a button's background, the
        // desktop's button colour); the box itself keeps the desktop's colours.
        QPalette palette = hideCheckBox_->palette();
        const QColor ground = palette.color(hideCheckBox_->backgroundRole());
        palette.setColor(QPalette::WindowText, platform::TextOnOwnBackground(
                                                   palette.color(QPalette::WindowText), ground));
        hideCheckBox_->setPalette(palette);
    }
    // The condensed cut keeps the longer caption within the box's place.
    hideCheckBox_->setFont(platform::SansFont(11, false, true));

    closeButton_ = new QPushButton(tr("Έναρξη Λεξικού"), this);
    places_->addPlaced(closeButton_, "closeButton", {506, 416, 161, 25});
    closeButton_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &StartScreen::onCloseClicked);
}

QString StartScreen::contentPath(const QString& name) const {
    return QString::fromStdString(context_.startFolder) + "content/" + name;
}

QString StartScreen::contentPath(const std::string& name) const {
    return contentPath(QString::fromStdString(name));
}

void StartScreen::onFirstShow() {
    installMode_ = RunsFromMedium(context_.startFolder);
    if (!installMode_) installImage_->setToolTip(tr("Απεγκατάσταση από το δίσκο"));
    // Each picture only when its file is there and can be read.
    const std::pair<QLabel*, const char*> pictures[] = {
        {coverImage_, "background.bmp"},   {coverRuleImage_, "orangeline.bmp"},
        {publisherLogo_, "entrykorv.bmp"}, {divisionLogo_, "vel.bmp"},
        {companyLogo_, "calderlogo.bmp"},  {presentationImage_, "exofilo34.bmp"},
        {isbnImage_, "isbn.bmp"},          {publisherPicture_, "exofilosmall.bmp"},
    };
    for (const auto& [control, file] : pictures) {
        QPixmap pixmap = ReadContentPicture(contentPath(QString::fromLatin1(file)));
        if (pixmap.isNull()) continue;
        const bool transparent = control == publisherLogo_ || control == divisionLogo_ ||
                                 control == companyLogo_ || control == isbnImage_;
        control->setPixmap(transparent ? WithTransparentGround(pixmap) : pixmap);
        // The division's logo takes the size of its picture.
        if (control == divisionLogo_) {
            places_->setPlace(divisionLogo_,
                              {places_->place(divisionLogo_).topLeft(), pixmap.size()});
        }
    }
    if (state_.openedOnPresentation()) closeButton_->setText(tr("Επιστροφή"));
    switch (state_.presentation()) {
        case Presentation::Partner:
            showPartner();
            break;
        case Presentation::Publisher:
            showPublisher();
            break;
        case Presentation::Details:
            showDetails();
            break;
        case Presentation::None:
            break;
    }
    hideCheckBox_->setText(context_.showStartScreen ? tr("Απενεργοποίηση παρουσίασης")
                                                    : tr("Ενεργοποίηση παρουσίασης"));
}

void StartScreen::onCloseClicked() {
    if (hideCheckBox_->isChecked()) SwitchStartScreen(context_);
    reject();
}

void StartScreen::onInstallClicked() {
    InstallFlowDialogs dialogs(this);
    InstallFlow flow(context_, InstallFlowDialogs::desktopFolders(), dialogs);
    if (flow.run()) {
        // The uninstallation has started: the program ends.
        reject();
        QCoreApplication::quit();
    }
}

}  // namespace orvan::setup
