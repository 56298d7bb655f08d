#include "client_under_test.h"
#include "ngircd_server.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// The server notices a closed connection only when it reads from it again,
// which it delays for a client that sent much lately: ask until it answers
// that the nick is gone.
bool serverForgets(ScriptedPeer& peer, const std::string& nick) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        peer.sendLine("WHOIS " + nick);
        const auto answer = peer.waitFor(" (401|318) " + peer.nick() + " " + nick + " ");
        if (answer && answer->find(" 401 ") != std::string::npos)
            return true;
        runQtEventsFor(500);
    }
    return false;
}

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.running()) << server.diagnostics(); }

    NgircdServer server;
    ClientUnderTest client{ClientSettings{server.port()}};
};

TEST_F(ConnectionTest, SignsOnAnswersTheServerPingAndShowsTheWelcome) {
    client.start();
    client.connect();
    EXPECT_TRUE(client.waitForStatus("^ Connected to 127\\.0\\.0\\.1$"))
        << client.statusTranscript();
    EXPECT_TRUE(client.waitForStatus("^ Ping\\? Pong! \\[\\S+\\]$")) << client.statusTranscript();
    ASSERT_TRUE(client.waitForStatus("^ \\* Welcome to the Internet Relay Network vuvi!~vuvi@"))
        << client.statusTranscript();
    EXPECT_TRUE(client.waitForStatus("^ \\* Your host is irc\\.test\\.local"));
    EXPECT_TRUE(client.waitForStatus("^ - Welcome to the VuviVAZ test server$"));
    EXPECT_EQ(client.mainWindow().caption(), "VuviVAZ - 127.0.0.1");
    EXPECT_EQ(client.mainWindow().icon, 2);
    EXPECT_FALSE(showsLine(client.statusText(), " 461 |PASS")) << client.statusTranscript();
}

TEST(ConnectionWithPasswordTest, SignsOnWithTheServerPassword) {
    NgircdServer server(NgircdOptions{false, "s3cret"});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientSettings settings{server.port()};
    settings.password = "s3cret";
    ClientUnderTest client(settings);
    EXPECT_TRUE(client.signOn()) << client.statusTranscript();
}

TEST_F(ConnectionTest, ServerKnowsTheNickUserAndFullNameSentAtSignOn) {
    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    ScriptedPeer other("other");
    ASSERT_TRUE(other.signOn(server.port())) << other.transcript();
    other.sendLine("WHOIS vuvi");
    EXPECT_TRUE(other.waitFor("^:irc\\.test\\.local 311 other vuvi ~vuvi 127\\.0\\.0\\.1 \\* "
                              ":VuviVAZ Tester$"))
        << other.transcript();
}

TEST_F(ConnectionTest, DisconnectReturnsToIdleAndTheServerDropsTheUser) {
    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    client.app().connection().DisconnectToIRC();
    EXPECT_FALSE(client.app().globals().Connected);
    EXPECT_EQ(client.mainWindow().caption(), "VuviVAZ");
    EXPECT_EQ(client.mainWindow().icon, 1);
    EXPECT_TRUE(showsLine(client.statusText(), "^ \\*\\*\\* Disconnect$"));

    ScriptedPeer other("other");
    ASSERT_TRUE(other.signOn(server.port()));
    EXPECT_TRUE(serverForgets(other, "vuvi")) << other.transcript();
}

} // namespace
} // namespace vz::it
