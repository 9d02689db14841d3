#include "bus/command_service.h"

#include "bus/application_adaptor.h"
#include "bus/bus_names.h"
#include "bus/command_adaptor.h"
#include "bus/report_text.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <QUrl>
#include <array>
#include <exception>
#include <new>
#include <string_view>

namespace vornik::bus {
namespace {

// The actions of org.freedesktop.Application and the commands they run.
struct ActionCommand {
    std::string_view action;
    std::string_view commands;
};
constexpr std::array<ActionCommand, 4> kActions{{
    {"build", "[BUILD/COPY]"},
    {"next", "[NEXT]"},
    {"previous", "[PREVIOUS]"},
    {"print", "[PRINT]"},
}};

QString tooLargeText(qsizetype size) {
    return QStringLiteral("The command string is %1 bytes long; the program takes command "
                          "strings of up to 16 MB (%2 bytes). Nothing of it was run.")
        .arg(size)
        .arg(kLargestCommandString);
}

QDBusMessage commandReply(const QDBusMessage& message, const CommandReply& reply, ReplyForm form) {
    switch (form) {
    case ReplyForm::Acknowledgement:
        return message.createReply(QVariant(reply.acknowledged));
    case ReplyForm::Report:
        return message.createReply(
            QVariantList{QVariant(reply.acknowledged), QVariant(reportLines(reply.lines))});
    case ReplyForm::Status:
        return message.createReply(
            QVariantList{QVariant(reply.status), QVariant(reportLines(reply.lines))});
    }
    return message.createReply();
}

// A refused or failed request as an error whose text is the report.
QDBusMessage failureReply(const QDBusMessage& message, const char* name, const CommandReply& reply,
                          const QString& otherwise) {
    const QStringList lines = reportLines(reply.lines);
    return message.createErrorReply(QString::fromLatin1(name),
                                    lines.isEmpty() ? otherwise : lines.join(QLatin1Char('\n')));
}

// The local file a URI of Open names; empty when it names none.
QString localPath(const QString& uri) {
    const QUrl url(uri);
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.scheme().isEmpty() ? uri : QString();
}

} // namespace

CommandService::CommandService(ServedProgram& program, QDBusConnection connection)
    : program_(program), connection_(std::move(connection)) {
    new CommandAdaptor(*this);
    new ApplicationAdaptor(*this);
}

std::optional<std::string> CommandService::publish() {
    if (!connection_.isConnected())
        return "there is no session bus to serve on (" +
               connection_.lastError().message().toStdString() + ")";
    if (!connection_.registerObject(QString::fromLatin1(kObjectPath), this,
                                    QDBusConnection::ExportAdaptors))
        return std::string("the object ") + kObjectPath + " could not be put on the session bus";
    if (!connection_.registerService(QString::fromLatin1(kBusName)))
        return std::string("another program already serves ") + kBusName + " on this session bus";
    return std::nullopt;
}

void CommandService::execute(const QString& commands, const QDBusMessage& message, ReplyForm form) {
    const QByteArray bytes = commands.toUtf8();
    if (static_cast<std::size_t>(bytes.size()) > kLargestCommandString) {
        message.setDelayedReply(true);
        connection_.send(message.createErrorReply(QString::fromLatin1(kTooLargeError),
                                                  tooLargeText(bytes.size())));
        return;
    }
    queue(message, [this, bytes, message, form] {
        const CommandReply reply = program_.execute(std::string_view(bytes.data(), bytes.size()));
        return commandReply(message, reply, form);
    });
}

void CommandService::open(const QStringList& uris, const QDBusMessage& message) {
    queue(message, [this, uris, message] {
        for (const QString& uri : uris) {
            const QString path = localPath(uri);
            if (path.isEmpty())
                return message.createErrorReply(
                    QString::fromLatin1(kNotOpenedError),
                    QStringLiteral("%1 is not a file on this computer; only local "
                                   "configuration files (.vkf) can be opened.")
                        .arg(uri));
            const CommandReply reply = program_.open(path.toStdString());
            if (!reply.acknowledged)
                return failureReply(message, kNotOpenedError, reply,
                                    QStringLiteral("%1 could not be opened.").arg(path));
        }
        (void)program_.activate();
        return message.createReply();
    });
}

// A server without a window says so, so that a desktop program started by
// the user opens a window of its own rather than handing itself over.
void CommandService::activate(const QDBusMessage& message) {
    queue(message, [this, message] {
        if (!program_.activate())
            return message.createErrorReply(
                QString::fromLatin1(kNoWindowError),
                QStringLiteral("This program serves without a window (vornik --serve): there is "
                               "no window to show."));
        return message.createReply();
    });
}

void CommandService::activateAction(const QString& name, const QDBusMessage& message) {
    for (const ActionCommand& action : kActions) {
        if (name.toStdString() != action.action)
            continue;
        queue(message, [this, message, action] {
            const CommandReply reply = program_.execute(action.commands);
            if (!reply.acknowledged)
                return failureReply(message, kRefusedError, reply,
                                    QStringLiteral("The action was refused."));
            return message.createReply();
        });
        return;
    }
    message.setDelayedReply(true);
    connection_.send(message.createErrorReply(
        QDBusError::InvalidArgs,
        QStringLiteral("There is no action %1; the actions are build, next, previous and print.")
            .arg(name)));
}

void CommandService::queue(const QDBusMessage& message, std::function<QDBusMessage()> work) {
    message.setDelayedReply(true);
    requests_.serve([this, message, work = std::move(work)] {
        if (ended_) {
            connection_.send(message.createErrorReply(
                QDBusError::NoServer, QStringLiteral("The program is ending, as asked.")));
            return;
        }
        const bool exitAskedBefore = program_.exitRequested();
        QDBusMessage reply;
        try {
            reply = work();
        } catch (const std::exception& error) {
            reply = message.createErrorReply(
                QDBusError::Failed, QStringLiteral("Internal error: %1").arg(error.what()));
        } catch (...) {
            // Nothing may leave a request: the queue would stay busy.
            reply = message.createErrorReply(QDBusError::Failed, QStringLiteral("Internal error."));
        }
        if (!exitAskedBefore && program_.exitRequested())
            watchExitConversation(message.service());
        connection_.send(reply);
    });
}

// The program ends when the conversation of the client that sent [APPEXIT]
// closes: its connection leaves the bus.
void CommandService::watchExitConversation(const QString& client) {
    exitWatcher_ = new QDBusServiceWatcher(client, connection_,
                                           QDBusServiceWatcher::WatchForUnregistration, this);
    connect(exitWatcher_, &QDBusServiceWatcher::serviceUnregistered, this,
            &CommandService::conversationClosed);
    // The client may have gone before the watch began.
    if (!connection_.interface()->isServiceRegistered(client))
        QTimer::singleShot(0, this, [this, client] { conversationClosed(client); });
}

void CommandService::conversationClosed(const QString&) {
    if (ended_)
        return;
    ended_ = true;
    program_.end();
}

} // namespace vornik::bus
