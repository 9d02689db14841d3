// Round trips of the command language through a live session bus: a private
// bus, vornik --serve on it, and a client calling Execute as a script would.
// The bus must add next to nothing: an empty string's round trip is the
// floor, and a Code 128 build saved as SVG through the bus is compared with
// the same work done in-process by the same headless job. Each call is made
// twice over: through Qt's D-Bus module, as vornik --send calls, whose replies
// reach the caller through a thread of the module's own, and through libdbus
// on the caller's thread, the leanest client a script can have.

#include "bus/headless_program.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dbus/dbus.h>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kSymbolCommands =
    "[code128][message='VORNIK-0042'][build/copy][savebarcode(/tmp/vornik-bus-bench.svg)]";

// A private session bus with vornik --serve on it, for the whole run.
struct LiveBus {
    pid_t daemon = -1;
    pid_t server = -1;
    std::string address;
    std::string failure;

    LiveBus() {
        FILE* started = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 "
                                "2>/dev/null",
                                "r");
        char line[512] = {};
        if (started == nullptr || std::fgets(line, sizeof line, started) == nullptr) {
            failure = "no session bus could be started: install the Debian package dbus";
            return;
        }
        address = line;
        address.pop_back();
        if (std::fgets(line, sizeof line, started) != nullptr)
            daemon = std::atoi(line);
        ::pclose(started);
        ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        server = ::fork();
        if (server == 0) {
            std::freopen("/dev/null", "w", stderr);
            ::execl(VORNIK_PROGRAM, VORNIK_PROGRAM, "--serve", "--yes", nullptr);
            ::_exit(127);
        }
        if (!waitForServer())
            failure = "vornik --serve did not take its name on the bus";
    }

    bool waitForServer() {
        for (int tries = 0; tries < 200; ++tries) {
            if (std::system("gdbus call --session --dest org.vornik.Vornik --object-path "
                            "/org/vornik/Vornik --method org.vornik.Vornik1.Execute '' "
                            ">/dev/null 2>&1") == 0)
                return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    ~LiveBus() {
        if (server > 0) {
            ::kill(server, SIGTERM);
            ::waitpid(server, nullptr, 0);
        }
        if (daemon > 0)
            ::kill(daemon, SIGTERM);
    }
};

LiveBus* bus = nullptr;

QDBusMessage executeCall(const std::string& commands) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.vornik.Vornik"), QStringLiteral("/org/vornik/Vornik"),
        QStringLiteral("org.vornik.Vornik1"), QStringLiteral("Execute"));
    call << QString::fromStdString(commands);
    return call;
}

void roundTrips(benchmark::State& state, const std::string& commands) {
    QDBusConnection connection = QDBusConnection::connectToBus(QString::fromStdString(bus->address),
                                                               QStringLiteral("bench"));
    const QDBusMessage call = executeCall(commands);
    for (auto _ : state) {
        const QDBusMessage reply = connection.call(call);
        if (reply.type() != QDBusMessage::ReplyMessage || !reply.arguments().value(0).toBool()) {
            state.SkipWithError("the server did not acknowledge the string");
            break;
        }
    }
}

// A libdbus connection of the benchmark's own to the private bus.
struct LibdbusClient {
    DBusConnection* connection = nullptr;

    LibdbusClient() {
        DBusError error;
        dbus_error_init(&error);
        connection = dbus_connection_open_private(bus->address.c_str(), &error);
        if (connection != nullptr && !dbus_bus_register(connection, &error)) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
            connection = nullptr;
        }
        dbus_error_free(&error);
    }
    ~LibdbusClient() {
        if (connection != nullptr) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
        }
    }
    LibdbusClient(const LibdbusClient&) = delete;
    LibdbusClient& operator=(const LibdbusClient&) = delete;

    // Whether the call came back as a reply; with Execute, also whether its
    // string was acknowledged.
    bool call(DBusMessage* message) {
        DBusError error;
        dbus_error_init(&error);
        DBusMessage* reply =
            dbus_connection_send_with_reply_and_block(connection, message, -1, &error);
        dbus_error_free(&error);
        if (reply == nullptr)
            return false;
        dbus_bool_t acknowledged = TRUE;
        if (dbus_message_get_signature(reply) == std::string_view("b"))
            dbus_message_get_args(reply, nullptr, DBUS_TYPE_BOOLEAN, &acknowledged,
                                  DBUS_TYPE_INVALID);
        dbus_message_unref(reply);
        return acknowledged != FALSE;
    }
};

DBusMessage* libdbusCall(const char* interface, const char* method) {
    return dbus_message_new_method_call("org.vornik.Vornik", "/org/vornik/Vornik", interface,
                                        method);
}

void libdbusRoundTrips(benchmark::State& state, DBusMessage* message) {
    LibdbusClient client;
    if (client.connection == nullptr) {
        state.SkipWithError("libdbus could not connect to the bus");
    } else {
        for (auto _ : state) {
            if (!client.call(message)) {
                state.SkipWithError("the server did not answer as it should");
                break;
            }
        }
    }
    dbus_message_unref(message);
}

void libdbusExecute(benchmark::State& state, const std::string& commands) {
    DBusMessage* message = libdbusCall("org.vornik.Vornik1", "Execute");
    const char* text = commands.c_str();
    dbus_message_append_args(message, DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
    libdbusRoundTrips(state, message);
}

void BM_LibdbusRoundTripPing(benchmark::State& state) {
    libdbusRoundTrips(state, libdbusCall("org.freedesktop.DBus.Peer", "Ping"));
}
BENCHMARK(BM_LibdbusRoundTripPing)->UseRealTime()->Repetitions(5);

void BM_LibdbusRoundTripEmptyString(benchmark::State& state) {
    libdbusExecute(state, "");
}
BENCHMARK(BM_LibdbusRoundTripEmptyString)->UseRealTime()->Repetitions(5);

void BM_LibdbusRoundTripCode128SavedAsSvg(benchmark::State& state) {
    libdbusExecute(state, kSymbolCommands);
}
BENCHMARK(BM_LibdbusRoundTripCode128SavedAsSvg)->UseRealTime()->Repetitions(5);

// The floor of any call through this bus to the server: the bus library
// answers Ping itself, without the program's service.
void BM_BusRoundTripPing(benchmark::State& state) {
    QDBusConnection connection = QDBusConnection::connectToBus(QString::fromStdString(bus->address),
                                                               QStringLiteral("bench"));
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.vornik.Vornik"), QStringLiteral("/org/vornik/Vornik"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    for (auto _ : state) {
        if (connection.call(call).type() != QDBusMessage::ReplyMessage) {
            state.SkipWithError("the server did not answer Ping");
            break;
        }
    }
}
BENCHMARK(BM_BusRoundTripPing)->UseRealTime()->Repetitions(5);

void BM_BusRoundTripEmptyString(benchmark::State& state) {
    roundTrips(state, "");
}
BENCHMARK(BM_BusRoundTripEmptyString)->UseRealTime()->Repetitions(5);

void BM_BusRoundTripCode128SavedAsSvg(benchmark::State& state) {
    roundTrips(state, kSymbolCommands);
}
BENCHMARK(BM_BusRoundTripCode128SavedAsSvg)->UseRealTime()->Repetitions(5);

// The same work without the bus: the server's own job type, in this process.
void BM_InProcessCode128SavedAsSvg(benchmark::State& state) {
    vornik::bus::HeadlessProgram program({.answerYes = true}, std::nullopt,
                                         VORNIK_PROGRAM_DIRECTORY, std::nullopt);
    (void)program.startUp();
    for (auto _ : state) {
        if (!program.execute(kSymbolCommands).acknowledged) {
            state.SkipWithError("the string was not acknowledged");
            break;
        }
    }
}
BENCHMARK(BM_InProcessCode128SavedAsSvg)->UseRealTime()->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    LiveBus live;
    if (!live.failure.empty()) {
        std::cerr << "bus_bench: " << live.failure << '\n';
        return 1;
    }
    bus = &live;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDBusConnection::disconnectFromBus(QStringLiteral("bench"));
    return 0;
}
