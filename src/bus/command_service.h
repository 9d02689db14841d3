#pragma once

#include "bus/request_queue.h"
#include "bus/served_program.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QDBusServiceWatcher;

namespace vornik::bus {

// How a command request wants its answer.
enum class ReplyForm {
    Acknowledgement, // b: acknowledged
    Report,          // (b, as): acknowledged and the report lines
    Status,          // (i, as): the exit status of --exec and the report lines
};

// The program's object on the session bus, served by the window and by
// vornik --serve alike. Requests are answered once their work is done, which
// in the window can be after the user has closed a message box; meanwhile
// later requests wait their turn.
class CommandService : public QObject {
    Q_OBJECT

public:
    CommandService(ServedProgram& program, QDBusConnection connection);

    // Puts the object on the bus and takes the program's name there; a
    // sentence when the name is taken or the bus cannot be reached.
    [[nodiscard]] std::optional<std::string> publish();

    // The methods of the two interfaces; the adaptors hand calls on.
    void execute(const QString& commands, const QDBusMessage& message, ReplyForm form);
    void open(const QStringList& uris, const QDBusMessage& message);
    void activate(const QDBusMessage& message);
    void activateAction(const QString& name, const QDBusMessage& message);

private:
    void queue(const QDBusMessage& message, std::function<QDBusMessage()> work);
    void watchExitConversation(const QString& client);
    void conversationClosed(const QString& client);

    ServedProgram& program_;
    QDBusConnection connection_;
    RequestQueue requests_;
    QDBusServiceWatcher* exitWatcher_ = nullptr;
    bool ended_ = false;
};

} // namespace vornik::bus
