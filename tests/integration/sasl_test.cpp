#include "client_under_test.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vz::it {
namespace {

// With the password "s3cret" and the SASL account "vuvi" (signed in, refused)
// or none, the server answers each line it awaits in turn; it has then
// received the sign-on lines and nothing else.
TEST(SaslSignInTest, ScriptedServerSeesTheWholeSignOn) {
    const std::string welcome = ":s 001 vuvi :Welcome to the Internet Relay Network vuvi";
    const std::string signOn = "NICK vuvi\nUSER vuvi 127.0.0.1 irc :VuviVAZ Tester\n";
    for (const std::string result :
         {"903 vuvi :SASL authentication successful", "904 vuvi :SASL authentication failed", ""}) {
        SCOPED_TRACE(result);
        ScriptedServer server;
        const std::string account = result.empty() ? "" : "vuvi";
        ClientUnderTest client(
            ClientSettings{.serverPort = server.port(), .password = "s3cret", .saslUser = account});
        client.start();
        client.connect();
        ASSERT_TRUE(server.acceptClient()) << server.transcript();
        std::vector<std::pair<const char*, std::string>> script = {{"", welcome}};
        if (!account.empty())
            script = {{"", ":s CAP * LS * :multi-prefix\r\n:s CAP * LS :sasl=PLAIN"},
                      {"^CAP REQ", ":s CAP * ACK :sasl"},
                      {"^AUTHENTICATE PLAIN", "AUTHENTICATE +"},
                      {"^AUTHENTICATE dnV2", ":s " + result},
                      {"^CAP END", welcome}};
        for (const auto& [awaited, answer] : script) {
            ASSERT_TRUE(*awaited == '\0' || server.waitFor(awaited))
                << awaited << server.transcript();
            server.sendLine(answer);
        }
        ASSERT_TRUE(client.waitForWelcome()) << client.statusTranscript();
        EXPECT_EQ(server.transcript(),
                  account.empty() ? "PASS s3cret\n" + signOn
                                  : "CAP LS 302\n" + signOn +
                                        "CAP REQ :sasl\nAUTHENTICATE PLAIN\n"
                                        "AUTHENTICATE dnV2aQB2dXZpAHMzY3JldA==\nCAP END\n");
    }
}

} // namespace
} // namespace vz::it
