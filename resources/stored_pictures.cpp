#include "resources/stored_pictures.h"

namespace orvan::assets {

QString ProgramIconPath() {
    return IconPath(QStringLiteral("orvan"));
}

QString IconPath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QString LogoPath(const QString& name) {
    return QStringLiteral(":/logos/%1.svg").arg(name);
}

}  // namespace orvan::assets
