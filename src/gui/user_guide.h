#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace vornik::gui {

// The HTML user guide: in share/doc/vornik/guide beside the program in a
// build, or below the installation prefix after `cmake --install` (the
// programs then live in PREFIX/libexec/vornik).
// Empty when neither holds it.
[[nodiscard]] std::filesystem::path
userGuidePage(const std::filesystem::path& programDirectory,
              const QString& page = QStringLiteral("index.html"));

// Opens a page of the guide in the desktop's browser; says so in a message
// box when the guide is missing or no browser takes it.
void openUserGuide(QWidget* parent, const std::filesystem::path& programDirectory,
                   const QString& page = QStringLiteral("index.html"));

} // namespace vornik::gui
