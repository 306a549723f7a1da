// What the start screen shows: which presentation, which of the partner's pages and slides,
// which menu entry is selected, and the content files each of them reads. The start screen
// renders this state and forwards the user's clicks to it.
#pragma once

#include <optional>
#include <string>

namespace orvan::setup {

/// Which presentation the start screen shows.
enum class Presentation {
    None,       // the default face, at start-up
    Partner,    // the partner's pages (the division or the company), from the partner's logos
    Publisher,  // the publisher's titles, from the publisher's name
    Details,    // the dictionary's details, from the label under the cover
};

/// What the start screen shares with the program: read when it opens, changed by it.
struct StartScreenContext {
    std::string startFolder;   // the program's folder, ending in "/"; data paths are relative to it
    std::string settingsPath;  // the settings file; empty when there is none
    bool showStartScreen = true;
    std::string personalFolder;  // the installation folder, once an installation chose it
    bool quitRequested = false;  // the uninstallation has started: the program ends now
};

/// The start screen's check box, ticked when it closes: switches the start screen off, or on
/// again when it was off, for later starts, in `context` and in its settings file. Without a
/// settings file it only switches it off (and writes "NO" into a new file where one is named).
void SwitchStartScreen(StartScreenContext& context);

/// The pages of the partner's presentation.
inline constexpr int kDivisionPage = 1;
inline constexpr int kCompanyPage = 2;

/// The entries of a menu: the publisher's titles are 1 to 7, the dictionary's details 11 to 15.
struct MenuTags {
    int first;
    int last;
    bool contains(int tag) const { return tag >= first && tag <= last; }
};
inline constexpr MenuTags kTitleMenu{1, 7};
inline constexpr MenuTags kDetailsMenu{11, 15};

/// What selecting a menu entry reads, in this order; the first that cannot be read ends the
/// selection there (what was read before stays shown, the selection stays where it was).
struct MenuChange {
    int tag = 0;
    std::string selectedPicture;         // the entry's selected look
    std::optional<int> previousTag;      // the entry that was selected in the same menu
    std::string previousPicture;         // its normal look
    std::string page;                    // the entry's text page
    std::optional<std::string> picture;  // the title's cover, for the publisher's titles only
};

class PresentationState {
  public:
    /// The state when the start screen opens on `opening`, with the partner's page `partnerPage`.
    PresentationState(Presentation opening, int partnerPage);

    /// Whether the start screen was opened on a presentation (its button then says "back").
    bool openedOnPresentation() const { return opening_ != Presentation::None; }
    Presentation presentation() const { return presentation_; }
    int partnerPage() const { return partnerPage_; }
    /// The slide shown on the partner's page: 1 to 6 for the division, 7 to 9 for the company.
    int slide() const { return slide_; }
    /// The selected menu entry; 0 when none.
    int menuSelection() const { return menuSelection_; }
    /// Whether the slides change with the timer.
    bool slidesRun() const { return presentation_ == Presentation::Partner; }

    /// The partner's page `page`, from its first slide.
    void showPartner(int page);
    /// The publisher's titles or the dictionary's details, with no entry selected yet.
    void showPublisher();
    void showDetails();
    /// The next slide of the partner's page, round to the page's first.
    void nextSlide();

    /// What selecting `tag` reads; none when it is selected already or is not an entry.
    std::optional<MenuChange> menuChange(int tag) const;
    /// Records `tag` as selected, once everything its change reads was read.
    void select(int tag) { menuSelection_ = tag; }

    /// The content files: the slide shown, the partner's text page, a menu entry's picture.
    std::string slideFile() const;
    std::string partnerPageFile() const;
    static std::string menuPicture(int tag, bool selected);

  private:
    bool onDivisionPage() const { return partnerPage_ == kDivisionPage; }

    Presentation opening_;
    Presentation presentation_ = Presentation::None;
    int partnerPage_;
    int slide_ = 1;
    int menuSelection_ = 0;
};

}  // namespace orvan::setup
