#include "client_and_peer_fixture.h"
#include "windows/frm_chat.h"
#include "windows/frm_list.h"
#include "windows/frm_privat.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vz::it {
namespace {

// Private messages, notices and the list window.
class MessagesTest : public ClientAndPeerTest {
protected:
    fake::FakeTextView& privatText() { return client.privatView("other").textView; }
    std::string dumpPrivat() {
        return client.hasPrivat("other") ? linesOf(privatText()) : "no private window";
    }
    bool waitForRows(const std::function<bool(const std::vector<std::string>&)>& check) {
        return client.waitUntil(
            [&] { return client.listView() != nullptr && check(client.listView()->listBox.rows); });
    }
    std::string dumpList() {
        if (client.listView() == nullptr)
            return "no list window\n" + client.statusTranscript();
        return client.listView()->win.titleText + "\n" + rowsOf(client.listView()->listBox);
    }
    void joinBoth(const std::string& channel) {
        client.typeInStatus("/join " + channel);
        ASSERT_TRUE(client.waitUntil([&] { return client.hasChannel(channel); }));
        ASSERT_TRUE(other.join(channel));
        ASSERT_TRUE(client.waitUntil([&] { return client.chat(channel).InChannel("other"); }));
    }
};

bool contains(const std::vector<std::string>& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST_F(MessagesTest, PrivateMessagesGoBothWays) {
    other.say("vuvi", "hi there");
    ASSERT_TRUE(client.waitUntil([&] { return client.hasPrivat("other"); }))
        << client.statusTranscript();
    EXPECT_TRUE(client.waitForLine(privatText(), "^ other: \thi there$")) << dumpPrivat();

    client.typeInPrivat("other", "hello back");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG other :hello back$")) << other.transcript();
    EXPECT_TRUE(showsLine(privatText(), "^ vuvi:\thello back$")) << dumpPrivat();
}

TEST_F(MessagesTest, ActionTypedInAPrivateWindowReachesThePartner) {
    other.say("vuvi", "are you there?");
    ASSERT_TRUE(client.waitUntil([&] { return client.hasPrivat("other"); }));
    client.typeInPrivat("other", "/me waves");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG other :\x01"
                              "ACTION waves\x01$"))
        << other.transcript();
}

TEST_F(MessagesTest, NoticeShowsInTheActiveWindowOrElseInTheStatusWindow) {
    joinBoth("#test");
    client.chat("#test").onActivated();
    other.sendLine("NOTICE vuvi :heads up");
    EXPECT_TRUE(client.waitForLine(client.chatView("#test").textView, "^ NOTICE other:\theads up$"))
        << linesOf(client.chatView("#test").textView);

    client.typeInStatus("/list");
    ASSERT_TRUE(waitForRows([](const auto& rows) { return !rows.empty(); })) << dumpList();
    client.app().list().onActivated();
    other.sendLine("NOTICE vuvi :look here");
    EXPECT_TRUE(client.waitForStatus("^ NOTICE other:\tlook here$")) << client.statusTranscript();
}

TEST_F(MessagesTest, NamesCommandFillsTheListWindow) {
    joinBoth("#test");
    client.typeInStatus("/names #test");
    ASSERT_TRUE(waitForRows([](const auto& rows) {
        return rows.size() == 2 && contains(rows, "#test @vuvi") && contains(rows, "#test other");
    })) << dumpList();
    EXPECT_EQ(client.listView()->win.titleText, std::string(NamesCaption) + " #test:");
}

TEST_F(MessagesTest, ListCommandShowsChannelsWithTheirUserCountEachTime) {
    joinBoth("#test");
    client.typeInStatus("/list");
    ASSERT_TRUE(waitForRows([](const auto& rows) { return contains(rows, "vuvi #test 2 "); }))
        << dumpList();
    EXPECT_TRUE(client.waitUntil([&] { return client.listView()->win.visible; }));
    const std::string count = std::to_string(client.listView()->listBox.rows.size());
    EXPECT_EQ(client.listView()->win.titleText.rfind(
                  count + " " + ChannelListCaption + " 127.0.0.1 [", 0),
              0u)
        << dumpList();

    client.app().list().onClose();
    EXPECT_FALSE(client.listView()->win.visible);
    client.typeInStatus("/list");
    EXPECT_TRUE(client.waitUntil([&] { return client.listView()->win.visible; })) << dumpList();
}

TEST_F(MessagesTest, WhoisFillsTheListWindow) {
    joinBoth("#test");
    client.typeInStatus("/whois other");
    ASSERT_TRUE(waitForRows([](const auto& rows) {
        return rows.size() == 4 && rows[0] == "other - ~other 127.0.0.1 * Scripted other";
    })) << dumpList();
    const auto& rows = client.listView()->listBox.rows;
    EXPECT_TRUE(contains(rows, "other присутній на каналі(лах) #test")) << dumpList();
    EXPECT_TRUE(contains(rows, "other на сервері irc.test.local VuviVAZ integration test server"))
        << dumpList();
    EXPECT_EQ(client.listView()->win.titleText, std::string(WhoisCaption) + " other:");
    EXPECT_TRUE(client.waitUntil([&] { return client.listView()->win.visible; }));
}

TEST_F(MessagesTest, DoubleClickOnAListEntryJoinsTheChannel) {
    ASSERT_TRUE(other.join("#lobby"));
    other.sendLine("TOPIC #lobby :come in");
    ASSERT_TRUE(other.waitFor(" TOPIC #lobby :come in$"));
    client.typeInStatus("/list");
    ASSERT_TRUE(waitForRows([](const auto& rows) {
        return contains(rows, "vuvi #lobby 1 come in");
    })) << dumpList();
    const auto& rows = client.listView()->listBox.rows;
    const int row = static_cast<int>(std::find(rows.begin(), rows.end(), "vuvi #lobby 1 come in") -
                                     rows.begin());

    client.app().list().onClick(row);
    client.app().list().onDoubleClick(row);
    EXPECT_TRUE(client.waitUntil([&] {
        return client.hasChannel("#lobby") && client.chat("#lobby").InChannel("other");
    })) << client.statusTranscript();
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ JOIN :?#lobby$")) << other.transcript();
}

TEST(MessagesNickClashTest, TakenNickMakesTheClientSwitchToTheAlternative) {
    NgircdServer server;
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ScriptedPeer holder("vuvi");
    ASSERT_TRUE(holder.signOn(server.port()));
    ClientUnderTest client{ClientSettings{server.port()}};

    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    EXPECT_EQ(client.nick(), "vuvi_");
    EXPECT_TRUE(showsLine(client.statusText(), "^ \\*\\*\\* 433 .*vuvi "))
        << client.statusTranscript();
    EXPECT_TRUE(showsLine(client.statusText(), "Welcome to the Internet Relay Network vuvi_!"));
}

} // namespace
} // namespace vz::it
