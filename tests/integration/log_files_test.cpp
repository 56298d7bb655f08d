#include "client_and_peer_fixture.h"

#include <regex>

namespace vz::it {
namespace {

// An entry: the locale's date and time of day with seconds, the line, the rule.
std::string entry(const std::string& line) {
    return R"(\[[^\]\r\n]+\]-[^\r\n]*\d:\d\d:\d\d[^\r\n]*- )" + line + R"(\r\n-{22}\r\n)";
}

TEST_F(ClientAndPeerTest, ChannelAndSwitchedOnPrivateLinesGoToTheirLogFiles) {
    Globals& globals = client.app().globals();
    globals.LogChannels = "1";
    globals.LogPrivats = "0";
    client.typeInStatus("/join #logs");
    ASSERT_TRUE(client.waitUntil([&] { return client.hasChannel("#logs"); }));
    ASSERT_TRUE(other.join("#logs")) << other.transcript();
    other.say("#logs", "\x02hello\x02 all");
    other.say("vuvi", "psst");
    ASSERT_TRUE(client.waitUntil([&] { return client.hasPrivat("other"); }));
    client.typeInChannel("#logs", "hi");
    globals.LogPrivats = "1";
    client.typeInPrivat("other", "later");
    const auto& files = client.files().files;
    EXPECT_TRUE(std::regex_search(
        files.at("#logs.txt"), std::regex(entry("other: \thello all") + entry("vuvi:\thi") + "$")))
        << files.at("#logs.txt");
    EXPECT_TRUE(std::regex_match(files.at("other.txt"), std::regex(entry("vuvi:\tlater"))))
        << files.at("other.txt");
}

} // namespace
} // namespace vz::it
