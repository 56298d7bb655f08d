#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class WindowTablesTest : public ::testing::Test {
protected:
    WindowTablesTest() { world.start(); }
    WindowTables& tables() { return world.app->tables(); }
    fake::FakeWorld world;
};

TEST_F(WindowTablesTest, LookupIgnoresCaseAndKeepsTheOpenedName) {
    const int slot = tables().OpenChannel("#chan");
    EXPECT_EQ(tables().FindChannel("#Chan"), slot);
    EXPECT_EQ(tables().channel(slot).strChannel, "#chan");
    EXPECT_EQ(tables().FindChannel(""), -1);
    EXPECT_FALSE(tables().ChannelExists("#other"));
}

TEST_F(WindowTablesTest, CyrillicNamesMatchInEitherCase) {
    const int slot = tables().OpenChannel("#Київ");
    EXPECT_EQ(tables().FindChannel("#КИЇВ"), slot);
    EXPECT_EQ(tables().FindChannel("#київ"), slot);
}

TEST_F(WindowTablesTest, ClosedSlotIsReusedAndCountOnlyGrows) {
    tables().OpenChannel("#a");
    tables().OpenChannel("#b");
    tables().OpenChannel("#c");
    tables().channel(2).tag = "NOPART";
    tables().channel(2).close();
    EXPECT_EQ(tables().OpenChannel("#d"), 2);
    EXPECT_EQ(tables().ChannelCount(), 3);
    EXPECT_EQ(tables().FindChannel("#c"), 3);
    EXPECT_EQ(tables().channel(2).tag, "2");
}

TEST_F(WindowTablesTest, ThirtyFirstWindowGetsNoSlot) {
    for (int i = 1; i <= WindowTables::Slots; ++i)
        ASSERT_EQ(tables().OpenPrivat("nick" + std::to_string(i), "Vorn"), i);
    EXPECT_EQ(tables().OpenPrivat("one-more", "Vorn"), -1);
    EXPECT_EQ(tables().PrivatCount(), WindowTables::Slots);
}

TEST_F(WindowTablesTest, PrivateHostIsTheTextAfterTheFirstBang) {
    tables().OpenPrivat("bob", "bob!~b@host!x");
    tables().OpenPrivat("ann", "Vorn");
    EXPECT_EQ(world.privat("bob").strPrivHost, "~b@host!x");
    EXPECT_EQ(world.privat("ann").strPrivHost, "Vorn");
    EXPECT_TRUE(tables().PrivatExists("BOB"));
    world.privat("bob").close();
    EXPECT_FALSE(tables().PrivatExists("BOB"));
}

TEST(ScrollbackTest, TextViewsKeepTheConfiguredNumberOfLines) {
    fake::FakeWorld world;
    world.files.files["vuvivaz.ini"] = "[Options]\r\nScrollback=200\r\n";
    world.start();
    world.app->tables().OpenChannel("#a");
    world.app->tables().OpenPrivat("bob", "Vorn");
    EXPECT_EQ(world.statusText().lineLimit, 200);
    EXPECT_EQ(world.chatView("#a").textView.lineLimit, 200);
    EXPECT_EQ(world.privatView("bob").textView.lineLimit, 200);
}

TEST(ScrollbackTest, MissingOrBadValueKeepsFiveThousandLines) {
    for (const char* value : {"", "-1", "lots", "12x"}) {
        fake::FakeWorld world;
        world.files.files["vuvivaz.ini"] = std::string("[Options]\r\nScrollback=") + value;
        world.start();
        EXPECT_EQ(world.statusText().lineLimit, 5000) << value;
    }
}

} // namespace
} // namespace vz
