#include "gui/user_guide.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace vornik::gui {
namespace {

// Where the guide lies below the program's folder in a build, and below the
// installation prefix.
const std::filesystem::path guide = "share/doc/vornik/guide";

} // namespace

std::filesystem::path userGuidePage(const std::filesystem::path& programDirectory,
                                    const QString& page) {
    const std::filesystem::path name = page.toStdString();
    // In a build the guide is beside the programs; installed, the programs
    // are in PREFIX/libexec/vornik and the guide in PREFIX/share.
    for (const std::filesystem::path& folder :
         {programDirectory / guide, programDirectory.parent_path() / guide,
          programDirectory.parent_path().parent_path() / guide}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / name, error))
            return folder / name;
    }
    return {};
}

void openUserGuide(QWidget* parent, const std::filesystem::path& programDirectory,
                   const QString& page) {
    const std::filesystem::path file = userGuidePage(programDirectory, page);
    if (file.empty()) {
        QMessageBox::warning(
            parent, QStringLiteral("Vornik"),
            QObject::tr("The user guide is not installed: neither %1 nor %2 "
                        "holds it.")
                .arg(QString::fromStdString((programDirectory / guide).string()),
                     QString::fromStdString((programDirectory.parent_path() / guide).string())));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    if (!QDesktopServices::openUrl(url))
        QMessageBox::warning(parent, QStringLiteral("Vornik"),
                             QObject::tr("No web browser could be started to show the user guide. "
                                         "Open %1 in a browser.")
                                 .arg(url.toString()));
}

} // namespace vornik::gui
