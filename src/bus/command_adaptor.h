#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QString>
#include <QStringList>

namespace vornik::bus {

class CommandService;

// The interface org.vornik.Vornik1: the command language over the bus.
// Replies are sent by the service once the commands have run, so the values
// returned here are never sent; they give the methods their signatures.
class CommandAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vornik.Vornik1")
    // Named arguments, so that introspection says what each value is.
    Q_CLASSINFO("D-Bus Introspection",
                "  <interface name=\"org.vornik.Vornik1\">\n"
                "    <method name=\"Execute\">\n"
                "      <arg direction=\"in\" type=\"s\" name=\"commands\"/>\n"
                "      <arg direction=\"out\" type=\"b\" name=\"acknowledged\"/>\n"
                "    </method>\n"
                "    <method name=\"ExecuteWithReport\">\n"
                "      <arg direction=\"in\" type=\"s\" name=\"commands\"/>\n"
                "      <arg direction=\"out\" type=\"b\" name=\"acknowledged\"/>\n"
                "      <arg direction=\"out\" type=\"as\" name=\"lines\"/>\n"
                "    </method>\n"
                "    <method name=\"Run\">\n"
                "      <arg direction=\"in\" type=\"s\" name=\"commands\"/>\n"
                "      <arg direction=\"out\" type=\"i\" name=\"status\"/>\n"
                "      <arg direction=\"out\" type=\"as\" name=\"lines\"/>\n"
                "    </method>\n"
                "  </interface>\n")

public:
    explicit CommandAdaptor(CommandService& service);

public Q_SLOTS:
    // The acknowledgement: false when a command was refused.
    bool Execute(const QString& commands, const QDBusMessage& message);
    // The acknowledgement and what vornik --exec would write on standard error.
    bool ExecuteWithReport(const QString& commands, const QDBusMessage& message,
                           QStringList& lines);
    // The exit status vornik --exec would have, and the same lines: what
    // vornik --send needs to exit as --exec does.
    int Run(const QString& commands, const QDBusMessage& message, QStringList& lines);

private:
    CommandService& service_;
};

} // namespace vornik::bus
