// The face of the lookup window: every control with its place, look, hint and Tab order, as the
// window is laid out before any resize. The window's handlers give the controls their behaviour.
#pragma once

#include "platform/desktop_look.h"

#include <QString>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace orvan::platform {
class DividerHandle;
}

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::lookup {

class EntriesList;

/// The window's size when first shown (client area; the frame and caption lie outside).
inline constexpr int kFirstWidth = 557;
inline constexpr int kFirstHeight = 314;

struct LookupControls {
    QLabel* backgroundImage;
    QToolButton* languageButton;
    QToolButton* backButton;
    QToolButton* backMenuButton;
    QToolButton* forwardButton;
    QToolButton* forwardMenuButton;
    QToolButton* copyButton;
    QToolButton* pasteButton;
    QToolButton* printButton;
    QLabel* fieldFilterLabel;
    QComboBox* fieldFilterCombo;
    QToolButton* criteriaSearchButton;
    QToolButton* fullTextSearchButton;
    QToolButton* exitButton;
    QLabel* ruleImage;
    QLineEdit* searchField;
    QPushButton* fillListButton;
    EntriesList* entriesList;
    platform::DividerHandle* listDivider;
    QLabel* listStatusLabel;
    QLabel* headwordLabel;
    QLabel* scienceLabel;
    QLineEdit* scienceField;
    QLabel* renderingLabel;
    QLineEdit* renderingField;
    richtext::RichTextView* descriptionView;
    QToolButton* ownEntriesButton;
    QMenu* exchangeMenu;  // the own entries button's arrow: export and import
    QAction* exportAction;
    QAction* importAction;
    QToolButton* insertEntryButton;
    QToolButton* modifyEntryButton;
    QToolButton* deleteEntryButton;
    QToolButton* pinButton;
    QToolButton* helpButton;
    QLabel* partnerDivisionLogo;
    QLabel* partnerLogo;
    QLabel* publisherLabel;
    QFrame* figurePanel;
    QLabel* figureImage;
    QPushButton* wholeLexiconButton;
};

/// \brief Creates the controls on `window` (named after their roles, so tests find them by
/// object name), with their geometry, look, hints and Tab order.
LookupControls BuildLookupFace(QWidget* window);

}  // namespace orvan::lookup
