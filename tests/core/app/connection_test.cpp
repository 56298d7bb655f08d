#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() {
        world.start();
        Globals& g = globals();
        g.Nick = "me";
        g.FullName = "Real Name";
        g.Server = "irc.test";
        g.ServerPort = 6667;
    }
    Globals& globals() { return world.app->globals(); }
    Connection& connection() { return world.app->connection(); }
    void failWith(const std::string& description) {
        world.server.events->onError(10061, description);
    }

    fake::FakeWorld world;
};

TEST_F(ConnectionTest, SignOnLinesByteForByte) {
    world.connect();
    EXPECT_EQ(world.server.sent, "NICK me\nUSER me 127.0.0.1 irc :Real Name\n");
    EXPECT_EQ(world.mainWindow.caption(), "VuviVAZ - irc.test");
    EXPECT_EQ(world.mainWindow.icon, 2);
    EXPECT_TRUE(world.mainWindow.isMenuEnabled("mnuJoin"));
    EXPECT_FALSE(world.mainWindow.isMenuEnabled("mnuTopic"));
    world.server.clearSent();
    globals().Password = "s3cret";
    world.server.events->onConnected();
    EXPECT_EQ(world.server.sent, "PASS s3cret\nNICK me\nUSER me 127.0.0.1 irc :Real Name\n");
}

TEST(ConnectionWithoutSettingsTest, MissingNickNeverReachesTheWireAsACodeZeroCharacter) {
    fake::FakeWorld world;
    world.start();
    world.connect();
    EXPECT_EQ(world.server.sent, "NICK \nUSER  127.0.0.1 irc :\n");
}

TEST_F(ConnectionTest, AttemptStatusLinesAndHostCutAtDescription) {
    globals().Server = "irc.test <Test network>";
    connection().ConnectTo();
    EXPECT_EQ(world.statusLast(), " ***  Connecting to irc.test :6667");
    EXPECT_EQ(globals().Server, "irc.test ");
    EXPECT_EQ(world.server.host, "irc.test ");
    connection().ConnectTo();
    EXPECT_EQ(world.statusLast(), " *** #2 Connecting to irc.test :6667");
    EXPECT_TRUE(globals().Connected);
    EXPECT_EQ(world.mainWindow.toolImages[1], 2);
}

TEST_F(ConnectionTest, ReconnectWaitsLongerAfterEachFailureInARow) {
    connection().ConnectTo();
    failWith("Connection refused");
    const auto lines = world.statusText().lineTexts();
    EXPECT_EQ(lines[lines.size() - 2], " Connection refused");
    EXPECT_EQ(lines.back(), " -");
    EXPECT_EQ(world.mainWindow.icon, 4);
    EXPECT_EQ(world.server.connects, 1);
    world.clock.advance(1999);
    EXPECT_EQ(world.server.connects, 1);
    world.clock.advance(1);
    EXPECT_EQ(world.server.connects, 2);
    EXPECT_EQ(world.statusLast(), " *** #2 Connecting to irc.test:6667");

    failWith("Connection refused");
    world.clock.advance(3999);
    EXPECT_EQ(world.server.connects, 2);
    world.clock.advance(1);
    EXPECT_EQ(world.server.connects, 3);
}

TEST_F(ConnectionTest, DelayIsCappedAndStartsAgainAfterAConnection) {
    connection().ConnectTo();
    for (int i = 0; i < 8; ++i) {
        failWith("refused");
        world.clock.advance(60000);
    }
    EXPECT_EQ(world.server.connects, 9);
    world.server.events->onConnected();
    failWith("reset");
    world.clock.advance(2000);
    EXPECT_EQ(world.server.connects, 10);
}

TEST_F(ConnectionTest, DisconnectCancelsAPendingReconnect) {
    connection().ConnectTo();
    failWith("refused");
    connection().DisconnectToIRC();
    world.clock.advance(120000);
    EXPECT_EQ(world.server.connects, 1);
    EXPECT_FALSE(globals().Connected);
    EXPECT_EQ(globals().ConnectTry, 1);
    EXPECT_EQ(world.statusLast(), " *** Disconnect");
    EXPECT_EQ(world.mainWindow.caption(), "VuviVAZ");
    EXPECT_FALSE(world.mainWindow.isMenuEnabled("mnuList"));
}

TEST_F(ConnectionTest, AttemptLimitStopsReconnecting) {
    globals().ConnectTry = Connection::AttemptLimit - 1;
    connection().ConnectTo();
    EXPECT_EQ(world.server.connects, 1);
    failWith("refused");
    world.clock.advance(60000);
    EXPECT_EQ(world.server.connects, 1);
    EXPECT_TRUE(globals().Connected);
}

TEST_F(ConnectionTest, CloseAfterOwnQuitEndsWithoutReconnect) {
    world.connect();
    world.app->SendData("quit :bye");
    world.server.events->onClosedByServer();
    EXPECT_FALSE(globals().Connected);
    EXPECT_EQ(world.statusLast(), " *** Disconnect");
    world.clock.advance(60000);
    EXPECT_EQ(world.server.connects, 1);
}

TEST_F(ConnectionTest, UnexpectedCloseIsAnErrorThatReconnects) {
    world.connect();
    world.server.events->onClosedByServer();
    EXPECT_EQ(world.mainWindow.icon, 4);
    world.clock.advance(2000);
    EXPECT_EQ(world.server.connects, 2);
    world.server.events->onConnected();
    EXPECT_EQ(world.mainWindow.caption(), "VuviVAZ - irc.test");
}

TEST_F(ConnectionTest, NewConnectionClosesOldWindowsSilentlyAfterSignOn) {
    world.connect();
    world.app->tables().OpenChannel("#old");
    world.app->tables().OpenPrivat("bob", "Vorn");
    world.takeSent();
    world.server.events->onConnected();
    const auto sent = world.takeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], "NICK me");
    EXPECT_FALSE(world.app->tables().ChannelExists("#old"));
    EXPECT_FALSE(world.app->tables().PrivatExists("bob"));
}

TEST_F(ConnectionTest, ReceivedDataIsJoinedAcrossReadsAndDecoded) {
    world.connect();
    world.takeSent();
    world.server.events->onDataArrived("PI");
    world.server.events->onDataArrived("NG :one\r");
    world.server.events->onDataArrived("\nPING :two\r\n");
    EXPECT_EQ(world.takeSent(), (std::vector<std::string>{"PONG :one", "PONG :two"}));
    world.server.events->onDataArrived("PING :\xCF\xF0\xE8\xE2\xB3\xF2\r\n");
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{"PONG :Привіт"});
}

// A line typed before the socket reports the connection would reach the
// server before the sign-on lines.
TEST_F(ConnectionTest, NothingIsSentUntilTheSocketReportsTheConnection) {
    connection().ConnectTo();
    world.app->SendData("PRIVMSG #a :while connecting");
    failWith("reset");
    world.clock.advance(2000);
    world.app->SendData("PRIVMSG #a :while connecting again");
    world.server.events->onConnected();
    EXPECT_EQ(world.takeSent(),
              (std::vector<std::string>{"NICK me", "USER me 127.0.0.1 irc :Real Name"}));
}

// Handling a line lets events run once (as a nested event loop would), and the
// row's events happen then.
TEST_F(ConnectionTest, DataThatArrivesWhileAHandlerLetsEventsRun) {
    const auto arrive = [&](const std::string& bytes) {
        world.server.events->onDataArrived(bytes);
    };
    const struct {
        const char* name;
        std::function<void()> meanwhile;
        std::vector<std::string> shown;
    } rows[] = {
        {"waits behind the lines before it",
         [&] {
             arrive("X 3\r\nX");
             arrive(" 4\r\n");
             // "X 2\r", "X 3\r" and "X 4\r" wait.
             EXPECT_EQ(connection().backlogBytes(), 12u);
         },
         {"X 1", "X 2", "X 3", "X 4"}},
        {"of a replaced connection is dropped, the new connection's is not",
         [&] {
             arrive("X 3\r\n");
             connection().ConnectTo();
             world.server.events->onConnected();
             arrive("X 4\r\n");
         },
         {"X 1", "X 4"}},
        {"waits with no line longer than the cap",
         [&] {
             for (int i = 0; i < 8; ++i)
                 arrive(std::string(16 * 1024, 'x'));
             // "X 2\r" and the line cut at the cap wait; the rest is gone.
             EXPECT_EQ(connection().backlogBytes(), 4 + LineAssembler::MaxLineBytes);
             arrive("\nX 3\r\n");
         },
         {"X 1", "X 2", "X 3"}},
    };
    world.connect();
    fake::FakeTextView& status = world.statusText();
    status.whileAppending = [&] { world.pump.runPending(); };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t before = status.lines.size();
        world.pump.post(row.meanwhile);
        arrive("X 1\r\nX 2\r\n");
        std::vector<std::string> shown;
        for (std::size_t i = before; i < status.lines.size(); ++i)
            if (status.lineText(i).rfind(" *** X ", 0) == 0)
                shown.push_back(status.lineText(i).substr(5));
        EXPECT_EQ(shown, row.shown);
    }
}

TEST_F(ConnectionTest, SendDataAddsOneLineFeedAndNothingElse) {
    world.connect();
    world.server.clearSent();
    world.app->SendData("PRIVMSG #a :x\r");
    world.app->SendData("");
    EXPECT_EQ(world.server.sent, "PRIVMSG #a :x\r\n\n");
}

} // namespace
} // namespace vz
