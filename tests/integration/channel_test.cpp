#include "client_and_peer_fixture.h"

namespace vz::it {
namespace {

// Our client types into its windows, the other user is scripted: what each
// side sees of channel, private and notice traffic.
TEST_F(ClientAndPeerTest, ChannelPrivateAndNoticeTrafficReachBothSides) {
    const auto rowsBecome = [&](const std::vector<std::string>& rows) {
        return waitUntil([&] {
            return client.hasChannel("#test") && client.chatView("#test").userList.rows == rows;
        });
    };
    const auto dump = [&] {
        return client.hasChannel("#test") ? client.chatView("#test").textView.text()
                                          : client.statusTranscript();
    };
    client.type(client.app->status(), "/join #test");
    ASSERT_TRUE(rowsBecome({"@vuvi"})) << dump();
    ASSERT_TRUE(other.join("#test")) << other.transcript();
    ASSERT_TRUE(rowsBecome({"@vuvi", "other"})) << dump();
    other.say("#test", "hello vuvi ");
    EXPECT_TRUE(client.waitForLine(client.chatView("#test").textView, "^ other: \thello vuvi$"))
        << dump();
    client.type(client.chat("#test"), "good morning");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG #test :good morning$")) << other.transcript();

    client.type(client.chat("#test"), "/raw MODE #test +o other");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ MODE #test \\+o other$")) << other.transcript();
    EXPECT_TRUE(rowsBecome({"@vuvi", "@other"})) << dump();
    other.sendLine("TOPIC #test :Fresh topic");
    EXPECT_TRUE(waitUntil([&] {
        return client.chatView("#test").topicView.text() == "Fresh topic";
    })) << dump();
    client.type(client.chat("#test"), "/kick #test other behave");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ KICK #test other :behave$")) << other.transcript();
    EXPECT_TRUE(rowsBecome({"@vuvi"})) << dump();
    ASSERT_TRUE(other.join("#test")) << other.transcript();
    ASSERT_TRUE(rowsBecome({"@vuvi", "other"})) << dump();
    client.type(client.chat("#test"), "/part #test bye");
    EXPECT_FALSE(client.hasChannel("#test"));
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PART #test")) << other.transcript();

    other.say("vuvi", "hi there");
    ASSERT_TRUE(waitUntil([&] { return client.app->tables().FindPrivat("other") != -1; }))
        << client.statusTranscript();
    EXPECT_TRUE(client.waitForLine(client.privatView("other").textView, "^ other: \thi there$"))
        << client.privatView("other").textView.text();
    client.type(client.privat("other"), "hello back");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG other :hello back$")) << other.transcript();
    other.sendLine("NOTICE vuvi :heads up");
    EXPECT_TRUE(client.waitForStatus("^ NOTICE other:\theads up$")) << client.statusTranscript();
}

} // namespace
} // namespace vz::it
