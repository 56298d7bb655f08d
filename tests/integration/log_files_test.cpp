#include "client_and_peer_fixture.h"

#include <regex>

namespace vz::it {
namespace {

// Lines of entries: the locale's date and time of day with seconds, the
// line, the rule of hyphens.
bool logs(const std::string& file, const std::vector<std::string>& lines) {
    std::string entries;
    for (const std::string& line : lines)
        entries += R"(\[[^\]\r\n]+\]-[^\r\n]*\d:\d\d:\d\d[^\r\n]*- )" + line + R"(\r\n-{22}\r\n)";
    return std::regex_search(file, std::regex(entries + "$"));
}

TEST_F(ClientAndPeerTest, ChannelAndSwitchedOnPrivateLinesGoToTheirLogFiles) {
    Globals& globals = client.app->globals();
    globals.LogChannels = "1";
    globals.LogPrivats = "0";
    client.typeInStatus("/join #logs");
    ASSERT_TRUE(waitUntil([&] { return client.hasChannel("#logs"); }));
    ASSERT_TRUE(other.join("#logs")) << other.transcript();
    other.say("#logs", "\x02hello\x02 all");
    other.say("vuvi", "psst");
    ASSERT_TRUE(waitUntil([&] { return client.hasPrivat("other"); }));
    client.typeInChannel("#logs", "hi");
    globals.LogPrivats = "1";
    client.typeInPrivat("other", "later");
    auto& files = client.files.files;
    EXPECT_TRUE(logs(files["#logs.txt"], {"other: \thello all", "vuvi:\thi"}))
        << files["#logs.txt"];
    const std::string& privat = files["other.txt"];
    EXPECT_TRUE(logs(privat, {"vuvi:\tlater"}) && privat.find("psst") == privat.npos) << privat;
}

} // namespace
} // namespace vz::it
