#include "client_under_test.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vz::it {
namespace {

// What the server awaits (a pattern) and answers, in turn.
using Script = std::vector<std::pair<const char*, std::string>>;

const std::string Welcome = ":irc.test 001 vuvi :Welcome to the Internet Relay Network vuvi";
const std::string SignOn = "NICK vuvi\nUSER vuvi 127.0.0.1 irc :VuviVAZ Tester\n";
const std::string SignIn = "CAP LS 302\n" + SignOn +
                           "CAP REQ :sasl\nAUTHENTICATE PLAIN\n"
                           "AUTHENTICATE dnV2aQB2dXZpAHMzY3JldA==\nCAP END\n";

// The SASL sign-in as the server leads it, ending with `result` to the credentials.
Script signIn(const std::string& result) {
    return {{"^USER ", ":irc.test CAP * LS * :multi-prefix\r\n:irc.test CAP * LS :sasl=PLAIN"},
            {"^CAP REQ :sasl$", ":irc.test CAP * ACK :sasl"},
            {"^AUTHENTICATE PLAIN$", "AUTHENTICATE +"},
            {"^AUTHENTICATE dnV2", ":irc.test " + result},
            {"^CAP END$", Welcome}};
}

// With the password "s3cret": what the server receives, and a line the
// status window shows.
TEST(SaslSignInTest, ScriptedServerSeesTheWholeSignOn) {
    const std::tuple<const char*, std::string, Script, std::string, std::string> rows[] = {
        {"SASL success", "vuvi", signIn("903 vuvi :SASL authentication successful"), SignIn,
         "^ \\*\\*\\* 903 vuvi SASL authentication successful$"},
        {"SASL refused", "vuvi", signIn("904 vuvi :SASL authentication failed"), SignIn,
         "^ \\*\\*\\* 904 vuvi SASL authentication failed$"},
        {"no CAP at all without a SASL account",
         "",
         {{"^USER ", Welcome}},
         "PASS s3cret\n" + SignOn,
         "Welcome"},
    };
    for (const auto& [name, saslUser, script, transcript, shown] : rows) {
        SCOPED_TRACE(name);
        ScriptedServer server;
        ClientUnderTest client(ClientSettings{server.port(), "vuvi", 0, "s3cret", saslUser});
        client.start();
        client.connect();
        for (const auto& [awaited, answer] : script) {
            ASSERT_TRUE(server.client.waitFor(awaited)) << awaited << server.client.transcript();
            server.client.sendLine(answer);
        }
        ASSERT_TRUE(client.waitForWelcome()) << client.statusTranscript();
        EXPECT_TRUE(showsLine(client.statusText(), shown)) << client.statusTranscript();
        EXPECT_EQ(server.client.transcript(), transcript);
    }
}

} // namespace
} // namespace vz::it
