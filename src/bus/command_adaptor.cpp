#include "bus/command_adaptor.h"

#include "bus/command_service.h"

namespace vornik::bus {

CommandAdaptor::CommandAdaptor(CommandService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

bool CommandAdaptor::Execute(const QString& commands, const QDBusMessage& message) {
    service_.execute(commands, message, ReplyForm::Acknowledgement);
    return false;
}

bool CommandAdaptor::ExecuteWithReport(const QString& commands, const QDBusMessage& message,
                                       QStringList&) {
    service_.execute(commands, message, ReplyForm::Report);
    return false;
}

int CommandAdaptor::Run(const QString& commands, const QDBusMessage& message, QStringList&) {
    service_.execute(commands, message, ReplyForm::Status);
    return 0;
}

} // namespace vornik::bus
