#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"
#include "windows/membership.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MemberTextTest, PrefixesParseAnywhereAndShowByPriority) {
    const UserEntry bob = ParseMember("@+bob");
    EXPECT_EQ(bob.strNick, "bob");
    EXPECT_TRUE(bob.bOp && bob.bVoice && !bob.bHelper);
    EXPECT_EQ(FormatNick(bob), "@bob");
    EXPECT_EQ(FormatNick(UserEntry{"ann", false, true, true}), "%ann");
    EXPECT_EQ(FormatNick(UserEntry{"ann", false, true, false}), "+ann");
    EXPECT_EQ(StripPrefix("a@b+c%d"), "abcd");
}

class MembershipTest : public ::testing::Test {
protected:
    MembershipTest() {
        world.files.files["vuvivaz.ini"] = "[Lang]\r\nName=en.lng\r\n";
        world.files.files["en.lng"] = "[Chat]\r\nstrUsersCount=users\r\n";
        world.start();
        world.app->tables().OpenChannel("#chat");
    }
    frmChat& chat() { return world.chat("#chat"); }
    std::vector<std::string> rows() { return world.chatView("#chat").userList.rows; }

    fake::FakeWorld world;
};

TEST_F(MembershipTest, AddNickKeepsArrivalOrderAndCountsInTheTitle) {
    for (const char* nick : {"zed", "@alice", "", "+bob", "zed"})
        chat().AddNick(nick);
    EXPECT_THAT(rows(), ElementsAre("zed", "@alice", "+bob", "zed"));
    EXPECT_EQ(chat().Users.size(), 4u);
    EXPECT_EQ(world.chatView("#chat").win.titleText, "#chat - 4 users");
}

TEST_F(MembershipTest, StatusChangeMovesTheRowToTheEndAndKeepsOtherFlags) {
    for (const char* nick : {"@+bob", "ann", "cid"})
        chat().AddNick(nick);
    chat().SetOp("bob", false);
    EXPECT_THAT(rows(), ElementsAre("ann", "cid", "+bob"));
    chat().SetHelper("ann", true);
    EXPECT_THAT(rows(), ElementsAre("cid", "+bob", "%ann"));
    chat().SetVoice("Cid", true);
    EXPECT_THAT(rows(), ElementsAre("cid", "+bob", "%ann"));
    EXPECT_EQ(world.chatView("#chat").win.titleText, "#chat - 3 users");
}

TEST_F(MembershipTest, RemoveIsExactWhileInChannelIgnoresCase) {
    chat().AddNick("alice");
    chat().RemoveNick("Alice");
    EXPECT_THAT(rows(), ElementsAre("alice"));
    EXPECT_TRUE(chat().InChannel("ALICE"));
    chat().RemoveNick("alice");
    EXPECT_THAT(rows(), IsEmpty());
    EXPECT_FALSE(chat().InChannel("alice"));
    chat().AddNick("+dan");
    EXPECT_THAT(rows(), ElementsAre("+dan"));
    EXPECT_EQ(world.chatView("#chat").win.titleText, "#chat - 1 users");
}

TEST_F(MembershipTest, RenameKeepsPlaceAndFlagsAndReportsIt) {
    for (const char* nick : {"@alice", "bob"})
        chat().AddNick(nick);
    chat().ChangeNck("ALICE", "carol");
    EXPECT_THAT(rows(), ElementsAre("@carol", "bob"));
    EXPECT_TRUE(chat().Users[0].bOp);
    EXPECT_EQ(world.chatView("#chat").textView.lastLine(), " ALICE перейменувався на carol");
    chat().ChangeNck("nobody", "x");
    EXPECT_EQ(world.chatView("#chat").textView.lines.size(), 1u);
}

TEST_F(MembershipTest, ModesAreRecordedOnceAndRemovedByLetter) {
    chat().RemoveMode("n");
    EXPECT_THAT(chat().Modes, IsEmpty());
    chat().AddMode("n", true);
    chat().AddMode("t", true);
    chat().AddMode("n", false);
    ASSERT_EQ(chat().Modes.size(), 2u);
    chat().RemoveMode("n");
    chat().RemoveMode("t");
    EXPECT_THAT(chat().Modes, IsEmpty());
    chat().AddMode("s", true);
    EXPECT_EQ(chat().Modes.at(0).strMode, "s");
}

TEST_F(MembershipTest, TitleShowsTheLanguageWordAfterTheCount) {
    for (int i = 0; i < 12; ++i)
        chat().AddNick("n" + std::to_string(i));
    EXPECT_EQ(world.chatView("#chat").win.titleText, "#chat - 12 users");
}

} // namespace
} // namespace vz
