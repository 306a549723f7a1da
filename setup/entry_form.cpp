#include "setup/entry_form.h"

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

TEntryForm::TEntryForm(StartScreenContext& context, Presentation presentation, int calderPage,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      context_(context),
      PresName(presentation),
      CalderPage(calderPage),
      PresTimer(new QTimer(this)),
      opening_(nullptr) {
    setObjectName("TEntryForm");
    setWindowTitle("Orvan");
    setFixedSize(750, 455);
    setFont(platform::SansFont(11));
    SetBackground(this, kActiveBorder);
    BuildFace();
    opening_ = new QPropertyAnimation(CalderRTF, "geometry", this);
    opening_->setEasingCurve(QEasingCurve::OutCubic);
    PresTimer->setObjectName("PresTimer");
    PresTimer->setInterval(5000);
    connect(PresTimer, &QTimer::timeout, this, &TEntryForm::ToggleImage);
    // However the window closes (its button, Escape, the window manager).
    connect(this, &QDialog::finished, this, &TEntryForm::FormClose);
}

TEntryForm::~TEntryForm() = default;

void TEntryForm::OnClick(QWidget* control, std::function<void()> handler) {
    control->setCursor(Qt::PointingHandCursor);
    platform::MakeKeyboardControl(control);
    control->installEventFilter(this);
    clicks_[control] = std::move(handler);
}

bool TEntryForm::eventFilter(QObject* watched, QEvent* event) {
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

void TEntryForm::BuildFace() {
    const auto place = platform::Place;
    const auto picture = [this, place](const char* name, QRect geometry) {
        auto* label = new QLabel(this);
        place(label, name, geometry);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    EntryImage = picture("EntryImage", {0, 0, 749, 453});
    EntryLineImage = picture("EntryLineImage", {0, 64, 652, 2});
    EntryLineImage->setScaledContents(true);
    KorvImage1 = picture("KorvImage1", {4, 6, 309, 57});
    KorvImage1->setToolTip(Caption("Παρουσίαση Εκδόσεων Korvath"));
    OnClick(KorvImage1, [this] { KorvathShow(); });
    CalderImage1 = picture("CalderImage1", {658, 2, 95, 81});
    CalderImage1->setToolTip(Caption(kPartnerHint));
    OnClick(CalderImage1, [this] { CalderImage1Click(); });
    CalderImage2 = picture("CalderImage2", {528, 34, 120, 20});
    CalderImage2->setScaledContents(true);
    CalderImage2->setToolTip(Caption(kPartnerHint));
    OnClick(CalderImage2, [this] { CalderImage2Click(); });

    CalderTitle = new QLabel(this);
    place(CalderTitle, "CalderTitle", {40, 76, 300, 20});
    CalderTitle->setFont(EmphasisFont(16, true, true));
    SetTextColour(CalderTitle, kNavy);
    CalderTitle->hide();
    KorvTitle = new QLabel(this);
    place(KorvTitle, "KorvTitle", {4, 88, 201, 16});
    KorvTitle->setFont(platform::SansFont(13, true));
    KorvTitle->setAlignment(Qt::AlignCenter);
    SetTextColour(KorvTitle, Qt::white);
    SetBackground(KorvTitle, kNavy);
    KorvTitle->hide();

    const int titleTops[] = {104, 140, 176, 212, 248, 284, 320};
    for (int tag = 1; tag <= 7; ++tag) {
        QLabel* menu = picture(qPrintable(QString("MenuImage%1").arg(tag)),
                               {4, titleTops[tag - 1], 201, tag == 7 ? 49 : 37});
        menu->setToolTip(Caption("Τίτλος %1").arg(tag));
        OnClick(menu, [this, tag] { KorvMenu(tag); });
        menu->hide();
        MenuImages[tag] = menu;
    }
    for (int tag = 11; tag <= 15; ++tag) {
        QLabel* menu = picture(qPrintable(QString("MenuImage%1").arg(tag)),
                               {4, 104 + 24 * (tag - 11), 201, tag == 15 ? 26 : 25});
        menu->setToolTip(Caption("Στοιχεία Λεξικού, σελίδα %1").arg(tag - 10));
        OnClick(menu, [this, tag] { LexiconMenu(tag); });
        menu->hide();
        MenuImages[tag] = menu;
    }

    PresImage = picture("PresImage", {444, 84, 249, 321});
    ISBNImage = picture("ISBNImage", {40, 88, 373, 317});
    KorvImage2 = picture("KorvImage2", {32, 232, 157, 181});
    KorvImage2->hide();

    CalderRTF = new richtext::RichTextView(this);
    place(CalderRTF, "CalderRTF", {244, 120, 216, 285});
    CalderRTF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CalderRTF->setBackgroundColour(kPageBackground);
    CalderRTF->hide();

    LexiconLabel = new QLabel(Caption("Στοιχεία Λεξικού"), this);
    place(LexiconLabel, "LexiconLabel", {276, 420, 157, 25});
    LexiconLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LexiconLabel->setFont(EmphasisFont(15, true, true));
    SetTextColour(LexiconLabel, kTeal);
    LexiconLabel->setToolTip(LexiconLabel->text());
    OnClick(LexiconLabel, [this] { LexiconLabelClick(); });

    InstallImage = picture("InstallImage", {8, 418, 18, 18});
    platform::ShowStoredPicture(InstallImage, assets::IconPath("installation"), "install");
    InstallImage->adjustSize();
    InstallImage->setToolTip(Caption(kInstallHint));
    OnClick(InstallImage, [this] { InstallImageClick(); });

    HidePresCheckBox = new QCheckBox(Caption(kSwitchOff), this);
    place(HidePresCheckBox, "HidePresCheckBox", {56, 420, 177, 17});
    SetBackground(HidePresCheckBox, kPageBackground);
    // The condensed cut keeps the longer caption within the box's place.
    HidePresCheckBox->setFont(platform::SansFont(11, false, true));

    EntryClose_Button = new QPushButton(Caption("Έναρξη Λεξικού"), this);
    place(EntryClose_Button, "EntryClose_Button", {506, 416, 161, 25});
    EntryClose_Button->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    EntryClose_Button->setDefault(true);
    connect(EntryClose_Button, &QPushButton::clicked, this, &TEntryForm::EntryClose_ButtonClick);
}

QString TEntryForm::ContentPath(const QString& name) const {
    return QString::fromStdString(context_.startFolder) + "content/" + name;
}

void TEntryForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormShow();
    EntryClose_Button->setFocus();
}

void TEntryForm::FormShow() {
    InstallMode = RunsFromMedium(context_.startFolder);
    if (!InstallMode) InstallImage->setToolTip(Caption(kUninstallHint));
    // Each picture only when its file is there and can be read.
    const std::pair<QLabel*, const char*> pictures[] = {
        {EntryImage, "background.bmp"},   {EntryLineImage, "orangeline.bmp"},
        {KorvImage1, "entrykorv.bmp"},    {CalderImage1, "vel.bmp"},
        {CalderImage2, "calderlogo.bmp"}, {PresImage, "exofilo34.bmp"},
        {ISBNImage, "isbn.bmp"},          {KorvImage2, "exofilosmall.bmp"},
    };
    for (const auto& [control, file] : pictures) {
        QPixmap pixmap = ReadContentPicture(ContentPath(file));
        if (pixmap.isNull()) continue;
        const bool transparent = control == KorvImage1 || control == CalderImage1 ||
                                 control == CalderImage2 || control == ISBNImage;
        control->setPixmap(transparent ? WithTransparentGround(pixmap) : pixmap);
        // The division's logo takes the size of its picture.
        if (control == CalderImage1) control->resize(pixmap.size());
    }
    if (PresName == Presentation::Partner) {
        EntryClose_Button->setText(Caption("Επιστροφή"));
        CalderShow();
    } else if (PresName == Presentation::Publisher) {
        EntryClose_Button->setText(Caption("Επιστροφή"));
        KorvathShow();
    }
    HidePresCheckBox->setText(Caption(context_.showStartScreen ? kSwitchOff : kSwitchOn));
}

void TEntryForm::EntryClose_ButtonClick() {
    if (HidePresCheckBox->isChecked()) {
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

void TEntryForm::FormClose() {
    PresTimer->stop();
}

}  // namespace orvan::setup
