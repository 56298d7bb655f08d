#include "client_under_test.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <utility>

namespace vz::it {
namespace {

// With the password "s3cret" and the SASL account "vuvi", the server answers
// each line it awaits in turn; signed in or refused, it has then received the
// sign-on lines and nothing else.
TEST(SaslSignInTest, ScriptedServerSeesTheWholeSignOn) {
    for (const std::string result :
         {"903 vuvi :SASL authentication successful", "904 vuvi :SASL authentication failed"}) {
        SCOPED_TRACE(result);
        ScriptedServer server;
        ClientUnderTest client(
            ClientSettings{.serverPort = server.port(), .password = "s3cret", .saslUser = "vuvi"});
        client.start();
        client.connect();
        ASSERT_TRUE(server.acceptClient()) << server.transcript();
        server.sendLine(":s CAP * LS * :multi-prefix\r\n:s CAP * LS :sasl=PLAIN");
        const std::pair<const char*, std::string> script[] = {
            {"^CAP REQ", ":s CAP * ACK :sasl"},
            {"^AUTHENTICATE PLAIN", "AUTHENTICATE +"},
            {"^AUTHENTICATE dnV2", ":s " + result},
            {"^CAP END", ":s 001 vuvi :Welcome to the Internet Relay Network vuvi"}};
        for (const auto& [awaited, answer] : script) {
            ASSERT_TRUE(server.waitFor(awaited)) << awaited << server.transcript();
            server.sendLine(answer);
        }
        ASSERT_TRUE(client.waitForWelcome()) << client.statusTranscript();
        EXPECT_EQ(server.transcript(),
                  "CAP LS 302\nNICK vuvi\nUSER vuvi 127.0.0.1 irc :VuviVAZ Tester\nCAP REQ :sasl\n"
                  "AUTHENTICATE PLAIN\nAUTHENTICATE dnV2aQB2dXZpAHMzY3JldA==\nCAP END\n");
    }
}

} // namespace
} // namespace vz::it
