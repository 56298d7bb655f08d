#include "client_under_test.h"
#include "ngircd_server.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// The server notices a closed connection only when it reads from it again:
// ask until it answers that the nick is gone.
bool serverForgets(ScriptedPeer& peer, const std::string& nick) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        peer.sendLine("WHOIS " + nick);
        if (peer.waitFor(" 401 other " + nick + " ", 500))
            return true;
    }
    return false;
}

// Signing on answers the server's PING and sends PASS only with a password;
// the server knows the nick, user and full name, and drops the user at a
// disconnect.
TEST(SignOnTest, ServerSeesTheSignOnAndTheDisconnect) {
    for (const std::string password : {"", "s3cret"}) {
        SCOPED_TRACE("password '" + password + "'");
        NgircdServer server(NgircdOptions{false, password});
        ASSERT_TRUE(server.running()) << server.diagnostics();
        ClientSettings settings{server.port()};
        settings.password = password;
        ClientUnderTest client(settings);
        ASSERT_TRUE(client.signOn()) << client.statusTranscript();
        EXPECT_EQ(countLines(client.statusText(), " 461 |PASS"), 0) << client.statusTranscript();

        ScriptedPeer other("other");
        ASSERT_TRUE(other.signOn(server.port(), password)) << other.transcript();
        other.sendLine("WHOIS vuvi");
        EXPECT_TRUE(other.waitFor("^:irc\\.test\\.local 311 other vuvi ~vuvi 127\\.0\\.0\\.1 \\* "
                                  ":VuviVAZ Tester$"))
            << other.transcript();
        client.app->connection().DisconnectToIRC();
        EXPECT_TRUE(serverForgets(other, "vuvi")) << other.transcript();
    }
}

} // namespace
} // namespace vz::it
