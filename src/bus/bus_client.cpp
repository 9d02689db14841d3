#include "bus/bus_client.h"

#include "bus/bus_names.h"
#include "cli/exit_status.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QStringList>
#include <algorithm>
#include <iostream>
#include <limits>

namespace vornik::bus {
namespace {

using cli::kExitFailed;

// A call may wait for the user to close a message box in the window: the
// longest timeout the bus library knows is its "no timeout".
constexpr int kNoTimeout = std::numeric_limits<int>::max();

std::string failureText(const QDBusError& error) {
    const QString name = error.name();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return std::string("no program serves ") + kBusName +
               " on the session bus, and the bus cannot start one: start the window, or run "
               "vornik --serve";
    if (name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn.")))
        return std::string("the session bus could not start the program serving ") + kBusName +
               " (" + error.message().toStdString() + ")";
    if (name.startsWith(QLatin1String("org.vornik.Vornik1.Error.")))
        return error.message().toStdString();
    return "the program serving " + std::string(kBusName) + " did not answer as it should (" +
           error.message().toStdString() + ")";
}

// The status of one string; -1 when the program could not be reached, after
// which nothing more is sent.
int sendOne(QDBusConnection& connection, const std::string& commands) {
    if (commands.size() > kLargestCommandString) {
        std::cerr << "vornik: the command string is " << commands.size()
                  << " bytes long; the program takes command strings of up to 16 MB ("
                  << kLargestCommandString << " bytes), so it was not sent\n";
        return kExitFailed;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kBusName), QString::fromLatin1(kObjectPath),
        QString::fromLatin1(kCommandInterface), QStringLiteral("Run"));
    call << QString::fromStdString(commands);
    const QDBusMessage reply = connection.call(call, QDBus::Block, kNoTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        std::cerr << "vornik: " << failureText(QDBusError(reply)) << '\n';
        return -1;
    }
    for (const QString& line : reply.arguments().at(1).toStringList())
        std::cerr << line.toStdString() << '\n';
    return reply.arguments().at(0).toInt();
}

// The strings in order over CONNECTION; the exit status.
int sendAll(QDBusConnection& connection, const std::vector<std::string>& commandStrings) {
    if (!connection.isConnected()) {
        std::cerr << "vornik: there is no session bus to send the commands over ("
                  << connection.lastError().message().toStdString() << ")\n";
        return kExitFailed;
    }
    int status = 0;
    for (const std::string& commands : commandStrings) {
        const int outcome = sendOne(connection, commands);
        if (outcome < 0)
            return kExitFailed;
        status = std::max(status, outcome);
    }
    return status;
}

} // namespace

int runClient(const std::vector<std::string>& commandStrings) {
    // A connection of the client's own, closed before the program's end: the
    // conversation ends then, and the bus library's thread has stopped
    // before the program tears down what it uses.
    const QString name = QStringLiteral("vornik-send");
    int status = 0;
    {
        QDBusConnection connection =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        status = sendAll(connection, commandStrings);
    }
    QDBusConnection::disconnectFromBus(name);
    return status;
}

} // namespace vornik::bus
