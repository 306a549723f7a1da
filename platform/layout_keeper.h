// The program's input language on the desktop's keyboard layouts: while one of the program's
// windows is active, the layout of the window's language; when none is, the layout the person
// had before, so that other programs type as they did. Plain C++ over a KeyboardLayouts.
#pragma once

#include "platform/keyboard_layouts.h"

namespace orvan::platform {

class LayoutKeeper {
  public:
    /// Finds the Greek and the English layout among `layouts` (which must outlive the keeper).
    explicit LayoutKeeper(KeyboardLayouts& layouts);
    /// Puts the person's layout back, as `deactivated` does.
    ~LayoutKeeper();
    LayoutKeeper(const LayoutKeeper&) = delete;
    LayoutKeeper& operator=(const LayoutKeeper&) = delete;

    const LanguageLayouts& languageLayouts() const { return chosen_; }
    /// A Greek layout is configured: Greek is typed through it.
    bool hasGreekLayout() const { return chosen_.greek >= 0; }
    /// The Greek layout is the active one now (the language to start in).
    bool greekActive() const;

    /// One of the program's windows became active: remembers the person's layout and activates
    /// the one of `greek`'s language.
    void activated(bool greek);
    /// The language changed: its layout is activated when the program is active; otherwise the
    /// desktop's layout stays as the person left it.
    void languageChanged(bool greek);
    /// None of the program's windows is active any more: the person's layout comes back, unless
    /// they chose another one themselves meanwhile.
    void deactivated();

  private:
    void activateLanguage(bool greek);

    KeyboardLayouts& layouts_;
    LanguageLayouts chosen_;
    bool active_ = false;
    int persons_ = -1;     // the layout that was active when the program became active
    int switchedTo_ = -1;  // the layout the program last activated
};

}  // namespace orvan::platform
