#include "bus/application_adaptor.h"

#include "bus/command_service.h"

namespace vornik::bus {

ApplicationAdaptor::ApplicationAdaptor(CommandService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

// The platform data (a startup notification id, ...) asks for nothing this
// program does differently.
void ApplicationAdaptor::Activate(const QVariantMap&, const QDBusMessage& message) {
    service_.activate(message);
}

void ApplicationAdaptor::Open(const QStringList& uris, const QVariantMap&,
                              const QDBusMessage& message) {
    service_.open(uris, message);
}

// None of the actions takes a parameter.
void ApplicationAdaptor::ActivateAction(const QString& name, const QVariantList&,
                                        const QVariantMap&, const QDBusMessage& message) {
    service_.activateAction(name, message);
}

} // namespace vornik::bus
