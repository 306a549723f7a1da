#include "lookup/window_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace orvan::lookup {

namespace {

const QString kSearchAsYouTypeKey = QStringLiteral("window/searchAsYouType");
const QString kTextSizeStepKey = QStringLiteral("window/textSizeStep");

bool Store(const QString& path, const QString& key, const QVariant& value) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

bool WindowSettings::searchAsYouType() const {
    const QSettings settings(path_, QSettings::IniFormat);
    return settings.value(kSearchAsYouTypeKey, true).toBool();
}

bool WindowSettings::setSearchAsYouType(bool on) {
    return Store(path_, kSearchAsYouTypeKey, on);
}

int WindowSettings::textSizeStep() const {
    const QSettings settings(path_, QSettings::IniFormat);
    bool number = false;
    const int step = settings.value(kTextSizeStepKey, 0).toInt(&number);
    return number ? step : 0;
}

bool WindowSettings::setTextSizeStep(int step) {
    return Store(path_, kTextSizeStepKey, step);
}

}  // namespace orvan::lookup
