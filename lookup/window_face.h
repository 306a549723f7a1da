// The face of the lookup window: every control with its place, look, hint and Tab order, as the
// window is laid out before any resize. The window's handlers give the controls their behaviour.
#pragma once

#include "platform/desktop_look.h"

#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::lookup {

class EntriesList;

/// The window's size when first shown (client area; the frame and caption lie outside).
inline constexpr int kFirstWidth = 557;
inline constexpr int kFirstHeight = 314;
/// The smallest the window may become (client area of a 208 x 158 frame).
inline constexpr int kMinimumWidth = 200;
inline constexpr int kMinimumHeight = 124;

struct LookupControls {
    QLabel* Main_Image;
    QToolButton* Lang_Button;
    QToolButton* Prev_Button;
    QToolButton* PrevMenu_Button;
    QToolButton* Next_Button;
    QToolButton* NextMenu_Button;
    QToolButton* Copy_Button;
    QToolButton* Paste_Button;
    QToolButton* Print_Button;
    QLabel* ShortCuts_Label;
    QComboBox* ShortCuts_Combo;
    QToolButton* Search_Button;
    QToolButton* DescrSearch_Button;
    QToolButton* Exit_Button;
    QLabel* Line_Image;
    QLineEdit* Entry_Text;
    QPushButton* Fill_List_Button;
    EntriesList* Entries_List;
    QLabel* ListStatus_Label;
    QLabel* Entry_Label;
    QLabel* ShortCut_Label;
    QLineEdit* ShortCut_Text;
    QLabel* Trans_Label;
    QLineEdit* Trans_Text;
    richtext::RichTextView* Description_Text;
    QToolButton* CustomEntries_Button;
    QToolButton* InsertEntry_Button;
    QToolButton* ModifyEntry_Button;
    QToolButton* DeleteEntry_Button;
    QToolButton* Pin_Button;
    QToolButton* Help_Button;
    QLabel* VelImage;
    QLabel* CalderImage;
    QLabel* Korvath_Label;
    QFrame* FigPanel;
    QLabel* FigImage;
    QPushButton* WholeLex_Button;
    QPushButton* Convert_Button;
    QPushButton* Reload_Button;
    QPushButton* ByteRange_Button;
};

/// \brief Creates the controls on `window` (named after their roles, so tests find them by
/// object name), with their geometry, look, hints and Tab order.
LookupControls BuildLookupFace(QWidget* window);

using platform::Caption;

}  // namespace orvan::lookup
