#include "app/connection.h"
#include "client_under_test.h"
#include "ngircd_server.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vz::it {
namespace {

using Rows = std::vector<std::string>;

bool contains(const Rows& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// Our client types into its windows, a second user "other" is scripted; both
// signed on with the password of a private local server, and in #test, our
// client first.
class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.diagnostics();
        ASSERT_TRUE(client.signOn()) << client.statusTranscript();
        ASSERT_TRUE(other.signOn(server.port(), "other", Password)) << other.transcript();
        client.type(client.app->status(), "/join #test");
        ASSERT_TRUE(membersBecome({"@vuvi"})) << channelText();
        other.sendLine("JOIN #test");
        ASSERT_TRUE(membersBecome({"@vuvi", "other"})) << channelText();
    }
    bool membersBecome(const Rows& rows) {
        return waitUntil([&] {
            return client.hasChannel("#test") && client.chatView("#test").userList.rows == rows;
        });
    }
    std::string channelText() {
        return client.hasChannel("#test") ? client.chatView("#test").textView.text()
                                          : client.statusTranscript();
    }

    static constexpr const char* Password = "s3cret";
    NgircdServer server{NgircdOptions{.password = Password}};
    ClientUnderTest client{ClientSettings{.serverPort = server.port(), .password = Password}};
    LineClient other;
};

// The server drops us at a disconnect. It notices a closed connection only
// when it reads from it again: "other" asks until the nick is gone.
TEST_F(SessionTest, ServerForgetsUsAtADisconnect) {
    client.app->connection().DisconnectToIRC();
    const auto nickGone = [&] {
        other.sendLine("WHOIS vuvi");
        return other.waitFor(" 401 other vuvi ", 500).has_value();
    };
    EXPECT_TRUE(waitUntil(nickGone, 10000)) << other.transcript();
}

// What each side sees of channel, private and notice traffic.
TEST_F(SessionTest, ChannelPrivateAndNoticeTrafficReachBothSides) {
    other.sendLine("PRIVMSG #test :hello vuvi ");
    EXPECT_TRUE(client.waitForLine(client.chatView("#test").textView, "^ other: \thello vuvi$"))
        << channelText();
    client.type(client.chat("#test"), "good morning");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG #test :good morning$")) << other.transcript();
    client.type(client.chat("#test"), "/part #test bye");
    EXPECT_FALSE(client.hasChannel("#test"));
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PART #test")) << other.transcript();

    other.sendLine("PRIVMSG vuvi :hi there");
    ASSERT_TRUE(waitUntil([&] { return client.app->tables().FindPrivat("other") != -1; }))
        << client.statusTranscript();
    EXPECT_TRUE(client.waitForLine(client.privatView("other").textView, "^ other: \thi there$"))
        << client.privatView("other").textView.text();
    client.type(client.privat("other"), "hello back");
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ PRIVMSG other :hello back$")) << other.transcript();
    other.sendLine("NOTICE vuvi :heads up");
    EXPECT_TRUE(client.waitForStatus("^ NOTICE other:\theads up$")) << client.statusTranscript();
}

// The server's answers to NAMES, WHOIS and LIST fill the list window, which
// the end of the LIST shows.
TEST_F(SessionTest, NamesWhoisAndListFillTheListWindow) {
    const auto rowsBecome = [&](const std::function<bool(const Rows&)>& check) {
        return waitUntil(
            [&] { return client.ui.list != nullptr && check(client.ui.list->listBox.rows); });
    };
    const auto dump = [&] {
        return client.ui.list ? ::testing::PrintToString(client.ui.list->listBox.rows)
                              : client.statusTranscript();
    };
    client.type(client.app->status(), "/names #test");
    ASSERT_TRUE(rowsBecome([](const Rows& rows) {
        return rows.size() == 2 && contains(rows, "#test @vuvi") && contains(rows, "#test other");
    })) << dump();

    client.type(client.app->status(), "/whois other");
    ASSERT_TRUE(rowsBecome([](const Rows& rows) {
        return rows.size() == 4 && rows[0] == "other - ~other 127.0.0.1 * Scripted other" &&
               contains(rows, "other присутній на каналі(лах) #test") &&
               contains(rows, "other на сервері irc.test.local VuviVAZ integration test server");
    })) << dump();

    client.type(client.app->status(), "/list");
    ASSERT_TRUE(rowsBecome([](const Rows& rows) { return contains(rows, "vuvi #test 2 "); }))
        << dump();
    EXPECT_TRUE(waitUntil([&] { return client.ui.list->win.visible; }));
}

} // namespace
} // namespace vz::it
