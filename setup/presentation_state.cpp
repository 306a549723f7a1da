#include "setup/presentation_state.h"

#include <filesystem>
#include <system_error>

#include "lexicon/settings.h"

namespace orvan::setup {

namespace {

constexpr int kFirstDivisionSlide = 1;
constexpr int kLastDivisionSlide = 6;
constexpr int kFirstCompanySlide = 7;
constexpr int kLastCompanySlide = 9;

const MenuTags* MenuOf(int tag) {
    if (kTitleMenu.contains(tag)) return &kTitleMenu;
    if (kDetailsMenu.contains(tag)) return &kDetailsMenu;
    return nullptr;
}

}  // namespace

void SwitchStartScreen(StartScreenContext& context) {
    const std::string& settings = context.settingsPath;
    std::error_code unknown;
    if (!settings.empty() && std::filesystem::exists(settings, unknown)) {
        WriteSettings(settings, context.showStartScreen ? "NO" : "YES", "");
        context.showStartScreen = !context.showStartScreen;
    } else {
        context.showStartScreen = false;
        if (!settings.empty()) WriteSettings(settings, "NO", "");
    }
}

PresentationState::PresentationState(Presentation opening, int partnerPage)
    : opening_(opening), partnerPage_(partnerPage) {
    switch (opening) {
        case Presentation::Partner:
            showPartner(partnerPage);
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
}

void PresentationState::showPartner(int page) {
    presentation_ = Presentation::Partner;
    partnerPage_ = page;
    slide_ = onDivisionPage() ? kFirstDivisionSlide : kFirstCompanySlide;
}

void PresentationState::showPublisher() {
    presentation_ = Presentation::Publisher;
    menuSelection_ = 0;
}

void PresentationState::showDetails() {
    presentation_ = Presentation::Details;
    menuSelection_ = 0;
}

void PresentationState::nextSlide() {
    ++slide_;
    if (onDivisionPage() && slide_ > kLastDivisionSlide) slide_ = kFirstDivisionSlide;
    if (!onDivisionPage() && slide_ > kLastCompanySlide) slide_ = kFirstCompanySlide;
}

std::optional<MenuChange> PresentationState::menuChange(int tag) const {
    const MenuTags* menu = MenuOf(tag);
    if (menu == nullptr || tag == menuSelection_) return std::nullopt;
    MenuChange change;
    change.tag = tag;
    change.selectedPicture = menuPicture(tag, true);
    if (menu->contains(menuSelection_)) {
        change.previousTag = menuSelection_;
        change.previousPicture = menuPicture(menuSelection_, false);
    }
    change.page = "korv" + std::to_string(tag) + ".rtf";
    if (menu == &kTitleMenu) change.picture = "korv" + std::to_string(tag) + ".bmp";
    return change;
}

std::string PresentationState::slideFile() const {
    return "0" + std::to_string(slide_) + ".jpg";
}

std::string PresentationState::partnerPageFile() const {
    return onDivisionPage() ? "veltext.rtf" : "caldertext.rtf";
}

std::string PresentationState::menuPicture(int tag, bool selected) {
    return "menu" + std::to_string(tag) + (selected ? "c" : "") + ".bmp";
}

}  // namespace orvan::setup
