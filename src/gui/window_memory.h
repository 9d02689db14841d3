#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vornik::gui {

// What the desktop program remembers between runs that is no part of a job:
// the window's place and size, the folder of the last file dialog, and the
// configurations opened or saved last. Kept in Vornik/Window.conf beside the
// settings file, so that the settings file stays the headless program's too.
class WindowMemory {
public:
    [[nodiscard]] QByteArray geometry() const;
    void setGeometry(const QByteArray& geometry);

    // The folder the last file dialog ended in; empty at first.
    [[nodiscard]] QString lastFolder() const;
    void setLastFolder(const QString& folder);

    // The most recent first, at most kRecentCount, each once.
    static constexpr int kRecentCount = 4;
    [[nodiscard]] QStringList recentConfigurations() const;
    void addRecentConfiguration(const QString& path);
};

} // namespace vornik::gui
