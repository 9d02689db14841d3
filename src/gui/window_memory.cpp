#include "gui/window_memory.h"

#include <QSettings>

namespace vornik::gui {
namespace {

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vornik"),
                     QStringLiteral("Window"));
}

} // namespace

QByteArray WindowMemory::geometry() const {
    return store().value("geometry").toByteArray();
}

void WindowMemory::setGeometry(const QByteArray& geometry) {
    store().setValue("geometry", geometry);
}

QString WindowMemory::lastFolder() const {
    return store().value("lastFolder").toString();
}

void WindowMemory::setLastFolder(const QString& folder) {
    store().setValue("lastFolder", folder);
}

QStringList WindowMemory::recentConfigurations() const {
    return store().value("recentConfigurations").toStringList().mid(0, kRecentCount);
}

void WindowMemory::addRecentConfiguration(const QString& path) {
    QStringList recent = recentConfigurations();
    recent.removeAll(path);
    recent.prepend(path);
    store().setValue("recentConfigurations", recent.mid(0, kRecentCount));
}

} // namespace vornik::gui
