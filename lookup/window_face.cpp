#include "lookup/window_face.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "lookup/entries_list.h"
#include "platform/desktop_look.h"
#include "platform/divider_handle.h"
#include "platform/window_placement.h"
#include "resources/stored_pictures.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

namespace {

using platform::kMaroon;
using platform::kNavy;
using platform::kSilver;
using platform::kTeal;
using platform::SansFont;
using platform::SetTextColour;

// The window's texts are written in Greek in the source and translated in the window's context;
// the helpers below take them as QT_TRANSLATE_NOOP marks them.
QString Text(const char* source) {
    return QCoreApplication::translate("orvan::lookup::LookupWindow", source);
}

template <typename Widget>
Widget* Make(QWidget* window, const char* name, QRect geometry, const char* hint = nullptr) {
    auto* widget = new Widget(window);
    platform::Place(widget, name, geometry);
    if (hint != nullptr) widget->setToolTip(Text(hint));
    return widget;
}

// The button pictures are among the icons, the window's two logos among the logos.
QString StoredPath(const char* picture) {
    const QString name = QString::fromLatin1(picture);
    return name.endsWith("-logo") ? assets::LogoPath(name) : assets::IconPath(name);
}

QToolButton* PictureButton(QWidget* window, const char* name, QRect geometry, const char* picture,
                           QSize pictureSize, const char* hint) {
    auto* button = Make<QToolButton>(window, name, geometry, hint);
    button->setIcon(platform::StoredIcon(StoredPath(picture)));
    button->setIconSize(pictureSize);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    platform::MakeKeyboardControl(button);
    return button;
}

QLabel* TransparentLabel(QWidget* window, const char* name, QPoint place, const char* text) {
    auto* label = new QLabel(Text(text), window);
    label->setObjectName(QString::fromLatin1(name));
    label->move(place);
    label->adjustSize();
    return label;
}

// A clickable picture: the window runs its click on platform::IsActivation.
QLabel* Picture(QWidget* window, const char* name, QRect geometry, const char* picture,
                const char* hint) {
    auto* label = Make<QLabel>(window, name, geometry, hint);
    platform::ShowStoredPicture(label, StoredPath(picture));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setCursor(Qt::PointingHandCursor);
    platform::MakeKeyboardControl(label);
    return label;
}

QLineEdit* DataField(QWidget* window, const char* name, QRect geometry, const char* hint,
                     bool readOnly) {
    auto* field = Make<QLineEdit>(window, name, geometry, hint);
    field->setReadOnly(readOnly);
    return field;
}

}  // namespace

LookupControls BuildLookupFace(QWidget* window) {
    window->setFont(SansFont(11, false, true));
    LookupControls c{};
    // The texts drawn straight on the window or its background picture keep their colours on
    // the light picture and are lightened to read on it toned dark under a dark desktop.
    const QPalette& desktop = window->palette();
    const QColor backdrop = platform::WindowBackdrop(desktop);
    const auto onWindow = [&backdrop](QWidget* text, const QColor& colour) {
        SetTextColour(text, platform::ReadableColour(colour, backdrop));
    };

    c.backgroundImage = Make<QLabel>(window, "backgroundImage", {0, 0, kFirstWidth, kFirstHeight});
    c.backgroundImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The tool row.
    c.languageButton =
        PictureButton(window, "languageButton", {4, 2, 49, 39}, "language", {43, 33},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επιλογή Γλώσσας"));
    c.backButton =
        PictureButton(window, "backButton", {56, 2, 36, 39}, "previous", {33, 33},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Προηγούμενο Λήμμα"));
    c.backMenuButton = PictureButton(
        window, "backMenuButton", {92, 2, 13, 39}, "menu-arrow", {7, 4},
        QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Λίστα Προηγουμένων Λημμάτων"));
    c.forwardButton =
        PictureButton(window, "forwardButton", {104, 2, 36, 39}, "next", {33, 33},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επόμενο Λήμμα"));
    c.forwardMenuButton =
        PictureButton(window, "forwardMenuButton", {140, 2, 13, 39}, "menu-arrow", {7, 4},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Λίστα Επομένων Λημμάτων"));
    c.copyButton = PictureButton(window, "copyButton", {156, 2, 36, 39}, "copy", {24, 23},
                                 QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Αντιγραφή"));
    c.pasteButton = PictureButton(window, "pasteButton", {192, 2, 36, 39}, "paste", {24, 23},
                                  QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επικόλληση"));
    c.printButton =
        PictureButton(window, "printButton", {228, 2, 36, 39}, "print", {29, 23},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Εκτύπωση Λήμματος"));
    c.fieldFilterLabel =
        TransparentLabel(window, "fieldFilterLabel", {272, 6},
                         QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επιλογή Επιστήμης"));
    onWindow(c.fieldFilterLabel, desktop.color(QPalette::WindowText));
    c.fieldFilterCombo =
        Make<QComboBox>(window, "fieldFilterCombo", {268, 20, 161, 21},
                        QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επιλογή Επιστήμης"));
    c.fieldFilterCombo->setMaxVisibleItems(12);
    c.fieldFilterCombo->setEditable(false);
    {
        QPalette palette = c.fieldFilterCombo->palette();
        palette.setColor(QPalette::Button, kSilver);
        palette.setColor(QPalette::Base, kSilver);
        palette.setColor(QPalette::ButtonText, kMaroon);
        palette.setColor(QPalette::Text, kMaroon);
        c.fieldFilterCombo->setPalette(palette);
    }
    c.criteriaSearchButton =
        PictureButton(window, "criteriaSearchButton", {432, 2, 36, 39}, "search", {24, 24},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Αναζητήσεις"));
    c.fullTextSearchButton = PictureButton(
        window, "fullTextSearchButton", {468, 2, 36, 39}, "description-search", {31, 19},
        QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Αναζήτηση στο περιεχόμενο του λεξικού"));
    c.exitButton = PictureButton(window, "exitButton", {508, 2, 45, 39}, "exit", {27, 32},
                                 QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Εξοδος"));
    c.ruleImage = Make<QLabel>(window, "ruleImage", {0, 44, 560, 2});
    c.ruleImage->setScaledContents(true);

    // The search column.
    c.searchField =
        DataField(window, "searchField", {2, 51, 211, 24},
                  QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Λήμμα προς Αναζήτηση"), false);
    c.searchField->setFont(SansFont(15, true));
    // The data fields' own colours stay readable on the fields' background under a dark desktop.
    const QColor fieldBackground = platform::FieldBackground(window->palette());
    const auto onField = [&fieldBackground](const QColor& colour) {
        return platform::ReadableColour(colour, fieldBackground);
    };
    SetTextColour(c.searchField, onField(kTeal));
    c.fillListButton = Make<QPushButton>(window, "fillListButton", {164, 65, 1, 1});
    c.fillListButton->setFocusPolicy(Qt::TabFocus);
    c.fillListButton->setFlat(true);
    c.entriesList = Make<EntriesList>(window, "entriesList", {2, 80, 211, 212});
    c.entriesList->setFont(SansFont(15));
    // The gap between the list and the pane moves the border between them when dragged.
    c.listDivider = Make<platform::DividerHandle>(window, "listDivider", {213, 80, 3, 212});
    // What the last search found, in the free stretch of the bottom row below the list.
    c.listStatusLabel = Make<QLabel>(window, "listStatusLabel", {130, 296, 272, 16});
    c.listStatusLabel->setFont(SansFont(11));
    c.listStatusLabel->setTextFormat(Qt::PlainText);
    onWindow(c.listStatusLabel, kNavy);
    {
        // The suggestions' links.
        QPalette palette = c.listStatusLabel->palette();
        palette.setColor(QPalette::Link,
                         platform::ReadableColour(desktop.color(QPalette::Link), backdrop));
        c.listStatusLabel->setPalette(palette);
    }

    // The entry pane.
    c.headwordLabel = Make<QLabel>(window, "headwordLabel", {495, 52, 5, 16});
    c.headwordLabel->setText(".");
    c.headwordLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.headwordLabel->setFont(SansFont(13, true));
    onWindow(c.headwordLabel, kTeal);
    c.scienceLabel = TransparentLabel(window, "scienceLabel", {220, 86},
                                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επιστήμη"));
    onWindow(c.scienceLabel, desktop.color(QPalette::WindowText));
    c.scienceField = DataField(window, "scienceField", {268, 84, 235, 21},
                               QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επιστήμη"), true);
    SetTextColour(c.scienceField, onField(kMaroon));
    c.renderingLabel =
        TransparentLabel(window, "renderingLabel", {220, 110},
                         QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Απόδοση"));
    c.renderingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    onWindow(c.renderingLabel, desktop.color(QPalette::WindowText));
    c.renderingField = DataField(window, "renderingField", {268, 108, 235, 21},
                                 QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Απόδοση"), true);
    c.renderingField->setFont(SansFont(11, true));
    SetTextColour(c.renderingField, onField(kTeal));
    c.descriptionView =
        Make<richtext::RichTextView>(window, "descriptionView", {216, 132, 287, 160},
                                     QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Περιγραφή"));
    c.descriptionView->setFont(SansFont(12));
    c.descriptionView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The command column.
    c.ownEntriesButton = PictureButton(
        window, "ownEntriesButton", {508, 51, 45, 39}, "custom-entries", {29, 22},
        QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Εμφάνιση Επεξεργασμένων Λημμάτων"));
    // Its click shows the own entries; its arrow offers to export them or import others.
    c.exchangeMenu = new QMenu(c.ownEntriesButton);
    c.exchangeMenu->setObjectName(QStringLiteral("exchangeMenu"));
    c.exportAction = c.exchangeMenu->addAction(
        Text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Εξαγωγή των λημμάτων σας…")));
    c.exportAction->setObjectName(QStringLiteral("exportAction"));
    c.importAction = c.exchangeMenu->addAction(
        Text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Εισαγωγή λημμάτων…")));
    c.importAction->setObjectName(QStringLiteral("importAction"));
    c.ownEntriesButton->setMenu(c.exchangeMenu);
    c.ownEntriesButton->setPopupMode(QToolButton::MenuButtonPopup);
    c.insertEntryButton =
        PictureButton(window, "insertEntryButton", {508, 90, 45, 39}, "insert", {38, 23},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Εισαγωγή Νέου Λήμματος"));
    c.modifyEntryButton =
        PictureButton(window, "modifyEntryButton", {508, 129, 45, 39}, "modify", {35, 31},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Επεξεργασία Λήμματος"));
    c.deleteEntryButton =
        PictureButton(window, "deleteEntryButton", {508, 168, 45, 39}, "delete", {39, 23},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Διαγραφή Λήμματος"));
    c.pinButton =
        PictureButton(window, "pinButton", {518, 220, 25, 22}, "pin", {13, 14},
                      QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Παραμονή στην κορυφή"));
    c.pinButton->setCheckable(true);
    if (!platform::WindowsCanStayOnTop()) {
        // A Wayland window cannot ask to stay above the others; the desktop's window menu can.
        c.pinButton->setEnabled(false);
        c.pinButton->setToolTip(Text(QT_TRANSLATE_NOOP(
            "orvan::lookup::LookupWindow",
            "Σε αυτή την επιφάνεια εργασίας το παράθυρο μένει στην κορυφή από το μενού του "
            "παραθύρου (Alt+Διάστημα, «Πάντα στην κορυφή»)")));
    }
    c.helpButton = PictureButton(window, "helpButton", {508, 253, 45, 39}, "help", {32, 32},
                                 QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Βοήθεια"));
    c.helpButton->setFont(SansFont(9));

    // The bottom edge.
    // The division's logo opens the partner's presentation as the company's does, and says so.
    c.partnerDivisionLogo =
        Picture(window, "partnerDivisionLogo", {4, 294, 33, 19}, "division-logo",
                QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Παρουσίαση Calder Velmora"));
    c.partnerLogo =
        Picture(window, "partnerLogo", {38, 295, 87, 20}, "company-logo",
                QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Παρουσίαση Calder Velmora"));
    c.publisherLabel = Make<QLabel>(
        window, "publisherLabel", {407, 295, 143, 16},
        QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Παρουσίαση Εκδόσεων Korvath"));
    c.publisherLabel->setText(
        Text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "ΕΚΔΟΣΕΙΣ KORVATH")));
    c.publisherLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    c.publisherLabel->setFont(SansFont(13, true));
    onWindow(c.publisherLabel, kNavy);
    c.publisherLabel->setCursor(Qt::PointingHandCursor);
    platform::MakeKeyboardControl(c.publisherLabel);

    // The figure panel and the buttons nobody sees.
    c.figurePanel = Make<QFrame>(window, "figurePanel", {224, 180, 301, 69});
    c.figurePanel->setAutoFillBackground(true);
    {
        QPalette palette = c.figurePanel->palette();
        palette.setColor(QPalette::Window, Qt::black);
        c.figurePanel->setPalette(palette);
    }
    c.figurePanel->setFocusPolicy(Qt::ClickFocus);
    c.figurePanel->hide();
    c.figureImage = new QLabel(c.figurePanel);
    c.figureImage->setObjectName("figureImage");
    c.figureImage->move(2, 2);
    c.wholeLexiconButton = Make<QPushButton>(window, "wholeLexiconButton", {355, 291, 38, 22});
    c.wholeLexiconButton->setText(
        Text(QT_TRANSLATE_NOOP("orvan::lookup::LookupWindow", "Όλα τα Λήμματα")));
    c.wholeLexiconButton->setFocusPolicy(Qt::NoFocus);
    c.wholeLexiconButton->hide();

    // Decorations, which Tab never visits.
    for (QLabel* picture : {c.backgroundImage, c.ruleImage}) {
        picture->setFocusPolicy(Qt::NoFocus);
    }

    // The Tab order.
    QWidget* const order[] = {
        c.searchField,       c.entriesList,       c.scienceField,         c.renderingField,
        c.descriptionView,   c.languageButton,    c.backButton,           c.backMenuButton,
        c.forwardButton,     c.forwardMenuButton, c.copyButton,           c.pasteButton,
        c.printButton,       c.fieldFilterCombo,  c.criteriaSearchButton, c.fullTextSearchButton,
        c.exitButton,        c.ownEntriesButton,  c.insertEntryButton,    c.modifyEntryButton,
        c.deleteEntryButton, c.pinButton,         c.helpButton,           c.partnerDivisionLogo,
        c.partnerLogo,       c.publisherLabel,    c.fillListButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }

    // The background lies under everything, the figure panel over everything.
    c.backgroundImage->lower();
    c.figurePanel->raise();
    return c;
}

}  // namespace orvan::lookup
