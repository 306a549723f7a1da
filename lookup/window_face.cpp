#include "lookup/window_face.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "lookup/entries_list.h"
#include "platform/desktop_look.h"
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

template <typename Widget>
Widget* Make(QWidget* window, const char* name, QRect geometry, const char* hint = nullptr) {
    auto* widget = new Widget(window);
    platform::Place(widget, name, geometry);
    if (hint != nullptr) widget->setToolTip(Caption(hint));
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
    auto* label = new QLabel(Caption(text), window);
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

    c.Main_Image = Make<QLabel>(window, "Main_Image", {0, 0, kFirstWidth, kFirstHeight});
    c.Main_Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The tool row.
    c.Lang_Button = PictureButton(window, "Lang_Button", {4, 2, 49, 39}, "language", {43, 33},
                                  "Επιλογή Γλώσσας");
    c.Prev_Button = PictureButton(window, "Prev_Button", {56, 2, 36, 39}, "previous", {33, 33},
                                  "Προηγούμενο Λήμμα");
    c.PrevMenu_Button = PictureButton(window, "PrevMenu_Button", {92, 2, 13, 39}, "menu-arrow",
                                      {7, 4}, "Λίστα Προηγουμένων Λημμάτων");
    c.Next_Button =
        PictureButton(window, "Next_Button", {104, 2, 36, 39}, "next", {33, 33}, "Επόμενο Λήμμα");
    c.NextMenu_Button = PictureButton(window, "NextMenu_Button", {140, 2, 13, 39}, "menu-arrow",
                                      {7, 4}, "Λίστα Επομένων Λημμάτων");
    c.Copy_Button =
        PictureButton(window, "Copy_Button", {156, 2, 36, 39}, "copy", {24, 23}, "Αντιγραφή");
    c.Paste_Button =
        PictureButton(window, "Paste_Button", {192, 2, 36, 39}, "paste", {24, 23}, "Επικόλληση");
    c.Print_Button = PictureButton(window, "Print_Button", {228, 2, 36, 39}, "print", {29, 23},
                                   "Εκτύπωση Λήμματος");
    c.ShortCuts_Label = TransparentLabel(window, "ShortCuts_Label", {272, 6}, "Επιλογή Επιστήμης");
    c.ShortCuts_Combo =
        Make<QComboBox>(window, "ShortCuts_Combo", {268, 20, 161, 21}, "Επιλογή Επιστήμης");
    c.ShortCuts_Combo->setMaxVisibleItems(12);
    c.ShortCuts_Combo->setEditable(false);
    {
        QPalette palette = c.ShortCuts_Combo->palette();
        palette.setColor(QPalette::Button, kSilver);
        palette.setColor(QPalette::Base, kSilver);
        palette.setColor(QPalette::ButtonText, kMaroon);
        palette.setColor(QPalette::Text, kMaroon);
        c.ShortCuts_Combo->setPalette(palette);
    }
    c.Search_Button =
        PictureButton(window, "Search_Button", {432, 2, 36, 39}, "search", {24, 24}, "Αναζητήσεις");
    c.DescrSearch_Button =
        PictureButton(window, "DescrSearch_Button", {468, 2, 36, 39}, "description-search",
                      {31, 19}, "Αναζήτηση στο περιεχόμενο του λεξικού");
    c.Exit_Button =
        PictureButton(window, "Exit_Button", {508, 2, 45, 39}, "exit", {27, 32}, "Εξοδος");
    c.Line_Image = Make<QLabel>(window, "Line_Image", {0, 44, 560, 2});
    c.Line_Image->setScaledContents(true);

    // The search column.
    c.Entry_Text = DataField(window, "Entry_Text", {2, 51, 211, 24}, "Λήμμα προς Αναζήτηση", false);
    c.Entry_Text->setFont(SansFont(15, true));
    SetTextColour(c.Entry_Text, kTeal);
    c.Fill_List_Button = Make<QPushButton>(window, "Fill_List_Button", {164, 65, 1, 1});
    c.Fill_List_Button->setFocusPolicy(Qt::TabFocus);
    c.Fill_List_Button->setFlat(true);
    c.Entries_List = Make<EntriesList>(window, "Entries_List", {2, 80, 211, 212});
    c.Entries_List->setFont(SansFont(15));
    // What the last search found, in the free stretch of the bottom row below the list.
    c.ListStatus_Label = Make<QLabel>(window, "ListStatus_Label", {130, 296, 272, 16});
    c.ListStatus_Label->setFont(SansFont(11));
    c.ListStatus_Label->setTextFormat(Qt::PlainText);
    SetTextColour(c.ListStatus_Label, kNavy);

    // The entry pane.
    c.Entry_Label = Make<QLabel>(window, "Entry_Label", {495, 52, 5, 16});
    c.Entry_Label->setText(".");
    c.Entry_Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.Entry_Label->setFont(SansFont(13, true));
    SetTextColour(c.Entry_Label, kTeal);
    c.ShortCut_Label = TransparentLabel(window, "ShortCut_Label", {220, 86}, "Επιστήμη");
    c.ShortCut_Text = DataField(window, "ShortCut_Text", {268, 84, 235, 21}, "Επιστήμη", true);
    SetTextColour(c.ShortCut_Text, kMaroon);
    c.Trans_Label = TransparentLabel(window, "Trans_Label", {220, 110}, "Απόδοση");
    c.Trans_Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.Trans_Text = DataField(window, "Trans_Text", {268, 108, 235, 21}, "Απόδοση", true);
    c.Trans_Text->setFont(SansFont(11, true));
    SetTextColour(c.Trans_Text, kTeal);
    c.Description_Text =
        Make<richtext::RichTextView>(window, "Description_Text", {216, 132, 287, 160}, "Περιγραφή");
    c.Description_Text->setFont(SansFont(12));
    c.Description_Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The command column.
    c.CustomEntries_Button =
        PictureButton(window, "CustomEntries_Button", {508, 51, 45, 39}, "custom-entries", {29, 22},
                      "Εμφάνιση Επεξεργασμένων Λημμάτων");
    c.InsertEntry_Button = PictureButton(window, "InsertEntry_Button", {508, 90, 45, 39}, "insert",
                                         {38, 23}, "Εισαγωγή Νέου Λήμματος");
    c.ModifyEntry_Button = PictureButton(window, "ModifyEntry_Button", {508, 129, 45, 39}, "modify",
                                         {35, 31}, "Επεξεργασία Λήμματος");
    c.DeleteEntry_Button = PictureButton(window, "DeleteEntry_Button", {508, 168, 45, 39}, "delete",
                                         {39, 23}, "Διαγραφή Λήμματος");
    c.Pin_Button = PictureButton(window, "Pin_Button", {518, 220, 25, 22}, "pin", {13, 14},
                                 "Παραμονή στην κορυφή");
    c.Pin_Button->setCheckable(true);
    c.Help_Button =
        PictureButton(window, "Help_Button", {508, 253, 45, 39}, "help", {32, 32}, "Βοήθεια");
    c.Help_Button->setFont(SansFont(9));

    // The bottom edge.
    // The division's logo opens the partner's presentation as the company's does, and says so.
    c.VelImage =
        Picture(window, "VelImage", {4, 294, 33, 19}, "division-logo", "Παρουσίαση Calder Velmora");
    c.CalderImage = Picture(window, "CalderImage", {38, 295, 87, 20}, "company-logo",
                            "Παρουσίαση Calder Velmora");
    c.Korvath_Label =
        Make<QLabel>(window, "Korvath_Label", {407, 295, 143, 16}, "Παρουσίαση Εκδόσεων Korvath");
    c.Korvath_Label->setText(Caption("ΕΚΔΟΣΕΙΣ KORVATH"));
    c.Korvath_Label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    c.Korvath_Label->setFont(SansFont(13, true));
    SetTextColour(c.Korvath_Label, kNavy);
    c.Korvath_Label->setCursor(Qt::PointingHandCursor);
    platform::MakeKeyboardControl(c.Korvath_Label);

    // The figure panel and the buttons nobody sees.
    c.FigPanel = Make<QFrame>(window, "FigPanel", {224, 180, 301, 69});
    c.FigPanel->setAutoFillBackground(true);
    {
        QPalette palette = c.FigPanel->palette();
        palette.setColor(QPalette::Window, Qt::black);
        c.FigPanel->setPalette(palette);
    }
    c.FigPanel->setFocusPolicy(Qt::ClickFocus);
    c.FigPanel->hide();
    c.FigImage = new QLabel(c.FigPanel);
    c.FigImage->setObjectName("FigImage");
    c.FigImage->move(2, 2);
    c.WholeLex_Button = Make<QPushButton>(window, "WholeLex_Button", {355, 291, 38, 22});
    c.WholeLex_Button->setText(Caption("Όλα τα Λήμματα"));
    c.WholeLex_Button->setFocusPolicy(Qt::NoFocus);
    c.Convert_Button = Make<QPushButton>(window, "Convert_Button", {280, 288, 65, 25});
    c.Convert_Button->setText("Button1");
    c.Reload_Button = Make<QPushButton>(window, "Reload_Button", {240, 288, 25, 25});
    c.Reload_Button->setText("L");
    c.ByteRange_Button = Make<QPushButton>(window, "ByteRange_Button", {192, 296, 49, 17});
    c.ByteRange_Button->setText("Button3");
    for (QPushButton* hidden :
         {c.WholeLex_Button, c.Convert_Button, c.Reload_Button, c.ByteRange_Button}) {
        hidden->hide();
    }

    // Decorations, which Tab never visits.
    for (QLabel* picture : {c.Main_Image, c.Line_Image}) {
        picture->setFocusPolicy(Qt::NoFocus);
    }

    // The Tab order.
    QWidget* const order[] = {
        c.Entry_Text,         c.Entries_List,         c.ShortCut_Text,      c.Trans_Text,
        c.Description_Text,   c.Lang_Button,          c.Prev_Button,        c.PrevMenu_Button,
        c.Next_Button,        c.NextMenu_Button,      c.Copy_Button,        c.Paste_Button,
        c.Print_Button,       c.ShortCuts_Combo,      c.Search_Button,      c.DescrSearch_Button,
        c.Exit_Button,        c.CustomEntries_Button, c.InsertEntry_Button, c.ModifyEntry_Button,
        c.DeleteEntry_Button, c.Pin_Button,           c.Help_Button,        c.VelImage,
        c.CalderImage,        c.Korvath_Label,        c.Fill_List_Button};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }

    // The background lies under everything, the figure panel over everything.
    c.Main_Image->lower();
    c.FigPanel->raise();
    return c;
}

}  // namespace orvan::lookup
