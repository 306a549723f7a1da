#include "platform/layout_keeper.h"

namespace orvan::platform {

LayoutKeeper::LayoutKeeper(KeyboardLayouts& layouts)
    : layouts_(layouts), chosen_(ChooseLanguageLayouts(layouts.names())) {}

LayoutKeeper::~LayoutKeeper() {
    deactivated();
}

bool LayoutKeeper::greekActive() const {
    return hasGreekLayout() && layouts_.active() == chosen_.greek;
}

void LayoutKeeper::activated(bool greek) {
    if (!active_) {
        persons_ = layouts_.active();
        active_ = true;
    }
    activateLanguage(greek);
}

void LayoutKeeper::languageChanged(bool greek) {
    if (active_) activateLanguage(greek);
}

void LayoutKeeper::deactivated() {
    if (!active_) return;
    active_ = false;
    // Only when the program changed it: a layout the person chose while the program was
    // active (their own shortcut) is left as they chose it.
    if (persons_ >= 0 && layouts_.active() != persons_ && layouts_.active() == switchedTo_)
        layouts_.activate(persons_);
}

void LayoutKeeper::activateLanguage(bool greek) {
    const int layout = greek ? chosen_.greek : chosen_.english;
    // Without a layout for the language (none configured) the active one stays.
    if (layout < 0) return;
    layouts_.activate(layout);
    switchedTo_ = layout;
}

}  // namespace orvan::platform
