#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariantList>
#include <limits>
#include <string>

namespace vornik::bus::testing {

// A client of the test's session bus on a connection of its own: each one is
// a conversation of its own, closed when it is disconnected.
class ClientConnection {
public:
    ClientConnection(const std::string& address, const QString& name)
        : name_(name),
          connection_(QDBusConnection::connectToBus(QString::fromStdString(address), name)) {}
    ~ClientConnection() { disconnect(); }
    ClientConnection(const ClientConnection&) = delete;
    ClientConnection& operator=(const ClientConnection&) = delete;

    bool connected() const { return connection_.isConnected(); }

    QDBusMessage call(const QString& interface, const QString& method, const QVariantList& args) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QStringLiteral("org.vornik.Vornik"),
                                           QStringLiteral("/org/vornik/Vornik"), interface, method);
        message.setArguments(args);
        return connection_.call(message, QDBus::Block, std::numeric_limits<int>::max());
    }

    // ExecuteWithReport: the acknowledgement, or the error's name and text.
    QDBusMessage execute(const std::string& commands) {
        return call(QStringLiteral("org.vornik.Vornik1"), QStringLiteral("ExecuteWithReport"),
                    {QString::fromStdString(commands)});
    }

    void disconnect() {
        if (closed_)
            return;
        closed_ = true;
        // The connection closes when nothing refers to it any more.
        connection_ = QDBusConnection(QStringLiteral("closed"));
        QDBusConnection::disconnectFromBus(name_);
    }

private:
    QString name_;
    QDBusConnection connection_;
    bool closed_ = false;
};

} // namespace vornik::bus::testing
