#include "app/frm_channels.h"
#include "client_under_test.h"
#include "ngircd_server.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// The dialog opens modally at the start of the message of the day; the
// server's lines go on being handled meanwhile, a favourite is joined from
// it, and closing it stores the check box.
TEST(FavouritesTest, DialogAtTheMotdLeavesServerLinesFlowing) {
    NgircdServer server;
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client{ClientSettings{server.port()}};
    client.files.files[SettingsFileName] += "[Connect]\r\nOpenChannelsForm=1\r\n";
    client.files.files[frmChannels::FileName] = "#fav<Favourite>\r\n";
    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    ASSERT_TRUE(waitUntil([&] { return client.ui.favourites && client.ui.favourites->visible; }));
    EXPECT_TRUE(client.ui.favourites->modal);

    ScriptedPeer other("other");
    ASSERT_TRUE(other.signOn(server.port())) << other.transcript();
    other.say("vuvi", "still there?");
    EXPECT_TRUE(waitUntil([&] { return client.hasPrivat("other"); })) << client.statusTranscript();
    ASSERT_TRUE(other.join("#fav"));
    client.app->channels().onEntryDoubleClick(0);
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ JOIN :#fav$")) << other.transcript();
    EXPECT_FALSE(client.ui.favourites->visible);

    client.app->channels().Show(false);
    client.ui.favourites->check.checked = false;
    client.app->channels().onClosed();
    EXPECT_NE(client.files.files[SettingsFileName].find("OpenChannelsForm=0"), std::string::npos);
}

} // namespace
} // namespace vz::it
