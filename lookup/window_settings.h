// The lookup window's own preferences, kept in the program's settings file under the desktop's
// configuration folder (an ini file, beside the interface language) and never in the lexicon's
// two-line settings file, which other programs read as it is.
#pragma once

#include <QString>

namespace orvan::lookup {

class WindowSettings {
  public:
    /// The settings in the ini file `path`; a missing or unreadable file gives the defaults.
    explicit WindowSettings(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    /// Whether the entry list follows the search field as the user types (on unless turned off).
    bool searchAsYouType() const;
    /// Stores the choice; false when the file could not be written.
    bool setSearchAsYouType(bool on);

    /// How many steps the text of the list and the pane is larger (or smaller) than at first.
    int textSizeStep() const;
    bool setTextSizeStep(int step);

  private:
    QString path_;
};

}  // namespace orvan::lookup
