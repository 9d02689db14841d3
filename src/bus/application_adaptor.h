#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace vornik::bus {

class CommandService;

// The interface org.freedesktop.Application, by which the desktop and a
// second instance of the program reach the first: show the window, open
// .vkf files, and the actions build, next, previous and print.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(CommandService& service);

public Q_SLOTS:
    void Activate(const QVariantMap& platformData, const QDBusMessage& message);
    void Open(const QStringList& uris, const QVariantMap& platformData,
              const QDBusMessage& message);
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData, const QDBusMessage& message);

private:
    CommandService& service_;
};

} // namespace vornik::bus
