#include "client_and_peer_fixture.h"
#include "windows/frm_chat.h"
#include "windows/frm_list.h"

#include <algorithm>

namespace vz::it {
namespace {

using Rows = std::vector<std::string>;

bool contains(const Rows& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST_F(ClientAndPeerTest, NamesWhoisAndListFillTheListWindow) {
    const auto rowsBecome = [&](const std::function<bool(const Rows&)>& check) {
        return waitUntil(
            [&] { return client.ui.list != nullptr && check(client.ui.list->listBox.rows); });
    };
    const auto dump = [&] {
        return client.ui.list ? ::testing::PrintToString(client.ui.list->listBox.rows)
                              : client.statusTranscript();
    };
    client.type(client.app->status(), "/join #test");
    ASSERT_TRUE(waitUntil([&] { return client.hasChannel("#test"); }));
    ASSERT_TRUE(other.join("#test"));
    ASSERT_TRUE(waitUntil([&] { return client.chat("#test").InChannel("other"); }));

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
    client.app->list().onClose();
    EXPECT_FALSE(client.ui.list->win.visible);
    client.type(client.app->status(), "/list");
    EXPECT_TRUE(waitUntil([&] { return client.ui.list->win.visible; })) << dump();
}

} // namespace
} // namespace vz::it
