#include "gui/running_instance.h"

#include "bus/bus_names.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <limits>

namespace vornik::gui {
namespace {

// The first instance may ask the user about unsaved changes before it opens
// a file; this one waits for the answer as long as it takes.
constexpr int kNoTimeout = std::numeric_limits<int>::max();

QDBusMessage callFirst(QDBusConnection& connection, const QString& method,
                       const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(bus::kBusName), QString::fromLatin1(bus::kObjectPath),
        QString::fromLatin1(bus::kApplicationInterface), method);
    call.setArguments(arguments);
    return connection.call(call, QDBus::Block, kNoTimeout);
}

} // namespace

bool handOverToRunningInstance(QDBusConnection connection,
                               const std::optional<std::string>& configuration) {
    if (!connection.isConnected() || connection.interface() == nullptr)
        return false;
    if (!connection.interface()->isServiceRegistered(QString::fromLatin1(bus::kBusName)))
        return false;
    // Only a window is handed over to: vornik --serve, which has none,
    // answers with an error, and this instance opens a window of its own.
    const QDBusMessage shown = callFirst(connection, QStringLiteral("Activate"), {QVariantMap()});
    if (shown.type() != QDBusMessage::ReplyMessage)
        return false;
    if (!configuration)
        return true;
    // The first instance may run in another folder: the file goes by its
    // full name.
    const QString path = QFileInfo(QString::fromStdString(*configuration)).absoluteFilePath();
    const QDBusMessage opened =
        callFirst(connection, QStringLiteral("Open"),
                  {QStringList{QUrl::fromLocalFile(path).toString()}, QVariantMap()});
    // A file the first instance could not open has been told to the user
    // there; this instance is still done.
    return opened.type() == QDBusMessage::ReplyMessage ||
           opened.errorName() == QLatin1String(bus::kNotOpenedError);
}

} // namespace vornik::gui
