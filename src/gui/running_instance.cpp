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

bool handOverToRunningInstance(QDBusConnection connection,
                               const std::optional<std::string>& configuration) {
    if (!connection.isConnected() || connection.interface() == nullptr)
        return false;
    if (!connection.interface()->isServiceRegistered(QString::fromLatin1(bus::kBusName)))
        return false;
    const bool opening = configuration.has_value();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(bus::kBusName), QString::fromLatin1(bus::kObjectPath),
        QString::fromLatin1(bus::kApplicationInterface),
        opening ? QStringLiteral("Open") : QStringLiteral("Activate"));
    if (opening) {
        // The first instance may run in another folder: the file goes by its
        // full name.
        const QString path = QFileInfo(QString::fromStdString(*configuration)).absoluteFilePath();
        call << QStringList{QUrl::fromLocalFile(path).toString()};
    }
    call << QVariantMap();
    // The first instance may ask the user about unsaved changes before it
    // opens the file; this one waits for the answer as long as it takes.
    const QDBusMessage reply = connection.call(call, QDBus::Block, std::numeric_limits<int>::max());
    // A file the first instance could not open has been told to the user
    // there; this instance is still done.
    return reply.type() == QDBusMessage::ReplyMessage ||
           reply.errorName() == QLatin1String(bus::kNotOpenedError);
}

} // namespace vornik::gui
