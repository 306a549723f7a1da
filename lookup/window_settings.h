// The lookup window's own preferences, kept in the program's settings file under the desktop's
// configuration folder (an ini file, beside the interface language) and never in the lexicon's
// two-line settings file, which other programs read as it is.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orvan::lookup {

/// How many of the last searches the search field offers.
inline constexpr int kRecentSearchLimit = 50;

/// \brief `recent` with `text` put first: an earlier search of the same text moves up rather
/// than being kept twice, and the oldest beyond kRecentSearchLimit drop off. A blank text
/// leaves the list as it was.
QStringList WithRecentSearch(QStringList recent, const QString& text);

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

    /// The texts last searched for, newest first, without repeats or blanks and at most
    /// kRecentSearchLimit; a damaged value gives none.
    QStringList recentSearches() const;
    /// Stores `searches` as they are; false when the file could not be written.
    bool setRecentSearches(const QStringList& searches);

    /// The window's size, place and maximised state as QWidget::saveGeometry gave them; empty
    /// when none was kept.
    QByteArray geometry() const;
    bool setGeometry(const QByteArray& geometry);

    /// The width the user gave the entry list by moving the border beside it; 0 when they never
    /// did.
    int listWidth() const;
    bool setListWidth(int width);

  private:
    /// The whole number kept under `key`; 0 when there is none or it is not a number.
    int storedNumber(const QString& key) const;

    QString path_;
};

}  // namespace orvan::lookup
