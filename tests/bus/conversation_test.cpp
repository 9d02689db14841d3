// Conversations: each client's connection is one; requests from several are
// served one at a time on the one job; [APPEXIT] ends the program when the
// conversation that sent it closes.

#include "bus_client_connection.h"
#include "served_job.h"

#include <QStringList>

namespace vornik::bus::testing {
namespace {

bool acknowledged(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

TEST_F(ServedJob, AppExitThenDisconnectEndsTheServerWithUnsavedChanges) {
    startServer();
    ClientConnection client(busAddress(), QStringLiteral("exiting"));
    ASSERT_TRUE(client.connected());
    EXPECT_TRUE(acknowledged(client.execute("[code39][message='UNSAVED'][appexit]")));
    // Asked to end, the program still serves the conversation that asked.
    EXPECT_TRUE(acknowledged(client.execute("[message='STILL']")));
    EXPECT_EQ(serverExitSoon(), std::nullopt);
    client.disconnect();
    EXPECT_EQ(serverExit(), std::optional<int>(0));
    // Nobody was asked about the unsaved changes, and nothing was saved.
    EXPECT_EQ(serverErrors(), "");
}

// Two clients take turns on the one job: each string is served whole, in the
// order the strings arrive; the one that sent [APPEXIT] ends the program when
// it leaves, not the other.
TEST_F(ServedJob, TwoClientsInterleavedShareTheJobAndOnlyTheExitingOneEndsIt) {
    startServer();
    ClientConnection first(busAddress(), QStringLiteral("first"));
    ClientConnection second(busAddress(), QStringLiteral("second"));
    ASSERT_TRUE(first.connected() && second.connected());
    EXPECT_TRUE(acknowledged(first.execute("[code128][message='FIRST']")));
    EXPECT_TRUE(acknowledged(second.execute("[message='SECOND']")));
    EXPECT_TRUE(acknowledged(first.execute("[saveconfig(first.vkf)][appexit]")));
    // A refusal in one client's string is told to that client alone.
    const QDBusMessage refused =
        second.execute("[dmecc=120][message='AFTER'][saveconfig(second.vkf)]");
    EXPECT_FALSE(acknowledged(refused));
    EXPECT_EQ(refused.arguments().value(1).toStringList(),
              QStringList{QStringLiteral("vornik: refused [DMECC=120]: the Data Matrix error "
                                         "correction is 0, 50, 80, 100, 140 or 200")});
    EXPECT_NE(readFile(folder() / "first.vkf").find("SECOND"), std::string::npos);
    EXPECT_NE(readFile(folder() / "second.vkf").find("AFTER"), std::string::npos);
    second.disconnect();
    EXPECT_EQ(serverExitSoon(), std::nullopt);
    ClientConnection third(busAddress(), QStringLiteral("third"));
    EXPECT_TRUE(acknowledged(third.execute("[message='THIRD']")));
    third.disconnect();
    EXPECT_EQ(serverExitSoon(), std::nullopt);
    first.disconnect();
    // A string was refused in the run: the status --exec would have.
    EXPECT_EQ(serverExit(), std::optional<int>(1));
}

// gdbus leaves right after its one call: the conversation that asked to end
// has closed by the time the program looks, and the program ends.
TEST_F(ServedJob, AppExitFromGdbusEndsTheServer) {
    startServer();
    EXPECT_EQ(gdbus("org.vornik.Vornik1.Execute", {"[message='UNSAVED'][appexit]"}).out, "(true,)");
    EXPECT_EQ(serverExit(), std::optional<int>(0));
}

// When the session ends, its bus goes, and a server left on it ends too.
TEST_F(ServedJob, TheServerEndsWithItsSession) {
    startServer();
    endBus();
    EXPECT_EQ(serverExit(), std::optional<int>(0));
}

// A string over 16 MB is turned away whole, with a sentence, and the job
// keeps what it had.
TEST_F(ServedJob, StringsOver16MegabytesAreRefusedAndLoseNothing) {
    startServer();
    ClientConnection client(busAddress(), QStringLiteral("large"));
    ASSERT_TRUE(acknowledged(client.execute("[message='KEEP']")));
    const std::string huge = "[message='" + std::string(16 * 1024 * 1024, 'Z') + "']";
    const QDBusMessage refused = client.execute(huge);
    EXPECT_EQ(refused.errorName(), QStringLiteral("org.vornik.Vornik1.Error.TooLarge"));
    EXPECT_EQ(refused.errorMessage().toStdString(),
              "The command string is 16777228 bytes long; the program takes command strings of "
              "up to 16 MB (16777216 bytes). Nothing of it was run.");
    // A string of exactly 16 MB is run.
    const std::string largest = "[comment=" + std::string(16 * 1024 * 1024 - 10, 'Y') + "]";
    EXPECT_TRUE(acknowledged(client.execute(largest)));
    ASSERT_TRUE(acknowledged(client.execute("[saveconfig(k.vkf)]")));
    const std::string saved = readFile(folder() / "k.vkf");
    EXPECT_NE(saved.find("KEEP"), std::string::npos);
    EXPECT_EQ(saved.find("ZZZZ"), std::string::npos);
}

} // namespace
} // namespace vornik::bus::testing
