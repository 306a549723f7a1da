#include "lookup/window_settings.h"

#include <QSettings>
#include <algorithm>

#include "platform/interface_language.h"

namespace orvan::lookup {

namespace {

const QString kSearchAsYouTypeKey = QStringLiteral("window/searchAsYouType");
const QString kTextSizeStepKey = QStringLiteral("window/textSizeStep");
const QString kRecentSearchesKey = QStringLiteral("window/recentSearches");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kListWidthKey = QStringLiteral("window/listWidth");

bool IsBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

}  // namespace

QStringList WithRecentSearch(QStringList recent, const QString& text) {
    if (IsBlank(text)) return recent;
    recent.removeAll(text);
    recent.prepend(text);
    if (recent.size() > kRecentSearchLimit) recent.resize(kRecentSearchLimit);
    return recent;
}

bool WindowSettings::searchAsYouType() const {
    const QSettings settings(path_, QSettings::IniFormat);
    return settings.value(kSearchAsYouTypeKey, true).toBool();
}

bool WindowSettings::setSearchAsYouType(bool on) {
    return platform::StoreSetting(path_, kSearchAsYouTypeKey, on);
}

int WindowSettings::textSizeStep() const {
    return storedNumber(kTextSizeStepKey);
}

bool WindowSettings::setTextSizeStep(int step) {
    return platform::StoreSetting(path_, kTextSizeStepKey, step);
}

QStringList WindowSettings::recentSearches() const {
    const QSettings settings(path_, QSettings::IniFormat);
    const QVariant value = settings.value(kRecentSearchesKey);
    // The file keeps one text as a plain string and several as a list; anything else (a
    // number, a picture, text the file could not read back) is not a list of searches.
    const auto type = value.metaType().id();
    if (type != QMetaType::QStringList && type != QMetaType::QString) return {};
    QStringList recent;
    for (const QString& text : value.toStringList()) {
        if (IsBlank(text) || recent.contains(text)) continue;
        recent.append(text);
        if (recent.size() == kRecentSearchLimit) break;
    }
    return recent;
}

bool WindowSettings::setRecentSearches(const QStringList& searches) {
    return platform::StoreSetting(path_, kRecentSearchesKey, searches);
}

QByteArray WindowSettings::geometry() const {
    const QSettings settings(path_, QSettings::IniFormat);
    const QVariant value = settings.value(kGeometryKey);
    return value.metaType().id() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

bool WindowSettings::setGeometry(const QByteArray& geometry) {
    return platform::StoreSetting(path_, kGeometryKey, geometry);
}

int WindowSettings::listWidth() const {
    return std::max(0, storedNumber(kListWidthKey));
}

bool WindowSettings::setListWidth(int width) {
    return platform::StoreSetting(path_, kListWidthKey, width);
}

int WindowSettings::storedNumber(const QString& key) const {
    const QSettings settings(path_, QSettings::IniFormat);
    bool number = false;
    const int value = settings.value(key, 0).toInt(&number);
    return number ? value : 0;
}

}  // namespace orvan::lookup
