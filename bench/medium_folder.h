// The benchmarks' windows read their settings from a HOME of their own and their lexicon from
// the sample medium (ORVAN_MEDIUM_DIR). The settings are those of a user past the first start:
// no start screen, no personal folder, so that no dialog waits for an answer; a program the
// benchmark starts shares that HOME.
#pragma once

#include <QDir>
#include <QTemporaryDir>

#include "lexicon/settings.h"

class MediumFolder {
  public:
    MediumFolder() : previous_(QDir::currentPath()) {
        qputenv("HOME", home_.path().toUtf8());
        const QString config = home_.path() + "/.config";
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QDir().mkpath(config);
        (void)orvan::WriteSettings((config + "/Orvan.ini").toStdString(), "NO", "");
        QDir::setCurrent(ORVAN_MEDIUM_DIR);
    }
    ~MediumFolder() { QDir::setCurrent(previous_); }

  private:
    QTemporaryDir home_;
    QString previous_;
};
