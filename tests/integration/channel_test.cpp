#include "client_and_peer_fixture.h"
#include "windows/frm_chat.h"

#include <algorithm>

namespace vz::it {
namespace {

using Rows = std::vector<std::string>;

// Our client joins by typing into its windows; the other user is scripted.
class ChannelTest : public ClientAndPeerTest {
protected:
    void bothJoin(const std::string& channel) {
        client.typeInStatus("/join " + channel);
        ASSERT_TRUE(waitForRows(channel, {"@vuvi"})) << client.statusTranscript();
        ASSERT_TRUE(other.join(channel)) << other.transcript();
        ASSERT_TRUE(waitForRows(channel, {"@vuvi", "other"})) << dump(channel);
    }

    bool waitForRows(const std::string& channel, const Rows& expected) {
        return client.waitUntil(
            [&] { return client.hasChannel(channel) && rows(channel) == expected; });
    }
    bool waitForLine(const std::string& channel, const std::string& pattern) {
        return client.waitForLine(client.chatView(channel).textView, pattern);
    }
    Rows rows(const std::string& channel) { return client.chatView(channel).userList.rows; }
    std::string title(const std::string& channel) { return client.chatView(channel).win.titleText; }
    std::string dump(const std::string& channel) {
        if (!client.hasChannel(channel))
            return "no window " + channel + "\n" + client.statusTranscript();
        auto& view = client.chatView(channel);
        return "rows:\n" + rowsOf(view.userList) + "lines:\n" + linesOf(view.textView);
    }
};

TEST_F(ChannelTest, OwnJoinOpensTheWindowAndMembersComeAndSpeak) {
    client.typeInStatus("/join #test");
    ASSERT_TRUE(waitForRows("#test", {"@vuvi"})) << client.statusTranscript();
    EXPECT_EQ(title("#test"), "#test - 1 users");

    ASSERT_TRUE(other.join("#test"));
    ASSERT_TRUE(waitForRows("#test", {"@vuvi", "other"})) << dump("#test");
    EXPECT_EQ(title("#test"), "#test - 2 users");
    EXPECT_TRUE(waitForLine("#test", "^ other приєднався $")) << dump("#test");

    other.say("#test", "hello vuvi ");
    ASSERT_TRUE(waitForLine("#test", "^ other: \thello vuvi$")) << dump("#test");
    const auto& spoken = client.chatView("#test").textView.lines.back();
    EXPECT_TRUE(std::any_of(spoken.begin(), spoken.end(), [](const TextRun& run) {
        return run.text == "other" && run.attr.bold;
    }));
}

TEST_F(ChannelTest, TypedLinesReachTheChannel) {
    bothJoin("#test");
    client.typeInChannel("#test", "good morning");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG #test :good morning$")) << other.transcript();
    EXPECT_TRUE(showsLine(client.chatView("#test").textView, "^ vuvi:\tgood morning$"))
        << dump("#test");
}

TEST_F(ChannelTest, VoiceThenOperatorFromOurClientMoveTheRow) {
    bothJoin("#test");
    client.typeInChannel("#test", "/raw MODE #test +v other");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ MODE #test \\+v other$")) << other.transcript();
    ASSERT_TRUE(waitForRows("#test", {"@vuvi", "+other"})) << dump("#test");
    EXPECT_TRUE(waitForLine("#test", "^ vuvi sets mode: \\+v other$"));

    client.typeInChannel("#test", "/raw MODE #test +o other");
    ASSERT_TRUE(waitForRows("#test", {"@vuvi", "@other"})) << dump("#test");
    EXPECT_TRUE(waitForLine("#test", "^ vuvi sets mode: \\+o other$"));
    EXPECT_EQ(title("#test"), "#test - 2 users");
}

TEST_F(ChannelTest, NickChangeTopicKickAndRejoinAreFollowed) {
    bothJoin("#test");
    client.typeInChannel("#test", "/raw MODE #test +o other");
    ASSERT_TRUE(waitForRows("#test", {"@vuvi", "@other"})) << dump("#test");

    ASSERT_TRUE(other.changeNick("other2")) << other.transcript();
    ASSERT_TRUE(waitForRows("#test", {"@vuvi", "@other2"})) << dump("#test");
    EXPECT_TRUE(waitForLine("#test", "^ other перейменувався на other2$"));
    EXPECT_EQ(title("#test"), "#test - 2 users");

    other.sendLine("TOPIC #test :Fresh topic");
    ASSERT_TRUE(waitForLine("#test", "^ Топік змінено other2 : Fresh topic$")) << dump("#test");
    EXPECT_EQ(client.chatView("#test").topicView.text(), "Fresh topic");

    client.typeInChannel("#test", "/kick #test other2 behave");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ KICK #test other2 :behave$")) << other.transcript();
    ASSERT_TRUE(waitForRows("#test", {"@vuvi"})) << dump("#test");
    EXPECT_EQ(title("#test"), "#test - 1 users");
    EXPECT_TRUE(waitForLine("#test", "^ other2 було викинуто з #test by vuvi \\[ behave \\]$"));

    ASSERT_TRUE(other.join("#test"));
    ASSERT_TRUE(waitForRows("#test", {"@vuvi", "other2"})) << dump("#test");
    EXPECT_EQ(title("#test"), "#test - 2 users");
}

TEST_F(ChannelTest, QuitRemovesTheUserFromEveryChannelWindow) {
    bothJoin("#test");
    bothJoin("#second");
    other.sendLine("QUIT :gone home");
    for (const char* channel : {"#test", "#second"}) {
        EXPECT_TRUE(waitForRows(channel, {"@vuvi"})) << dump(channel);
        EXPECT_TRUE(waitForLine(channel, "^ other has Quit IRC \\[ .*gone home.* \\]$"))
            << dump(channel);
        EXPECT_EQ(title(channel), std::string(channel) + " - 1 users");
    }
}

TEST_F(ChannelTest, PartClosesTheWindowAndTheServerSeesIt) {
    bothJoin("#test");
    frmChat& window = client.chat("#test");
    client.typeInChannel("#test", "/part #test bye");
    EXPECT_FALSE(client.hasChannel("#test"));
    EXPECT_FALSE(client.ui().chats.at(&window)->win.visible);
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PART #test")) << other.transcript();
}

} // namespace
} // namespace vz::it
