#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(WindowTablesTest, LookupFoldsCaseAndAClosedSlotIsReusedWhileTheCountOnlyGrows) {
    fake::SignedOnWorld world;
    WindowTables& tables = world.app->tables();
    for (const char* name : {"#a", "#Київ", "#c"})
        tables.OpenChannel(name);
    EXPECT_EQ(tables.FindChannel("#кИЇВ"), 2);
    tables.channel(2).closeWithoutPart();
    EXPECT_EQ(tables.FindChannel(""), -1);
    EXPECT_EQ(tables.OpenChannel("#d"), 2);
    EXPECT_EQ(tables.ChannelCount(), 3);
    EXPECT_EQ(tables.channel(2).tag, "2"); // it parts again when closed
    tables.OpenPrivat("bob", "bob!~b@host!x");
    EXPECT_EQ(world.privat("BOB").strPrivHost, "~b@host!x");
    world.privat("bob").close();
    EXPECT_FALSE(tables.PrivatExists("bob"));
}

// The text views keep [Options] Scrollback lines (the start-up test reads
// missing and bad values).
TEST(ScrollbackTest, TextViewsKeepTheConfiguredNumberOfLines) {
    fake::FakeWorld world;
    world.startWith("[Options]|Scrollback=200");
    world.app->tables().OpenChannel("#a");
    world.app->tables().OpenPrivat("bob", "Vorn");
    EXPECT_EQ(world.statusText().lineLimit, 200);
    EXPECT_EQ(world.chatView("#a").textView.lineLimit, 200);
    EXPECT_EQ(world.privatView("bob").textView.lineLimit, 200);
}

} // namespace
} // namespace vz
