#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ChannelEventsTest : public ::testing::Test {
protected:
    ChannelEventsTest() { world.startSignedOn(); }

    // Our own join of `channel` with these members listed.
    void joined(const std::string& channel, const std::vector<std::string>& members) {
        world.serverSays(":me!u@h JOIN :" + channel);
        for (const std::string& member : members)
            world.chat(channel).AddNick(member);
    }
    std::vector<std::string> rows(const std::string& channel) {
        return world.chatView(channel).userList.rows;
    }
    std::string lastLine(const std::string& channel) {
        return world.chatView(channel).textView.lastLine();
    }

    fake::FakeWorld world;
};

TEST_F(ChannelEventsTest, OwnJoinIgnoresCaseOpensTheWindowAndAsksForModes) {
    world.serverSays(":ME!u@h JOIN :#x");
    EXPECT_EQ(world.chat("#x").strChannel, "#x");
    EXPECT_THAT(world.takeSent(), ElementsAre("MODE #x"));
    EXPECT_THAT(world.chatView("#x").textView.lines, IsEmpty());
    EXPECT_EQ(world.chatView("#x").win.activations, 1);
    EXPECT_GE(world.chatView("#x").inputLine.focusCount, 1);
}

TEST_F(ChannelEventsTest, OthersJoinAndPartWithTheirLines) {
    joined("#x", {"me"});
    world.serverSays(":alice!a@h JOIN #x");
    EXPECT_THAT(rows("#x"), ElementsAre("me", "alice"));
    EXPECT_EQ(lastLine("#x"), " alice приєднався ");
    EXPECT_EQ(world.chatView("#x").win.titleText, "#x - 2 users");
    world.serverSays(":alice!a@h PART #x :gone fishing");
    EXPECT_THAT(rows("#x"), ElementsAre("me"));
    EXPECT_EQ(lastLine("#x"), " alice від'єднався #x");
}

TEST_F(ChannelEventsTest, PartComparesTheOwnNickExactly) {
    joined("#x", {"me", "ME"});
    world.serverSays(":me!u@h PART #x");
    EXPECT_THAT(rows("#x"), ElementsAre("me", "ME"));
    world.serverSays(":ME!u@h PART #x");
    EXPECT_THAT(rows("#x"), ElementsAre("me"));
    world.serverSays(":bob!b@h PART #nowhere");
    EXPECT_EQ(lastLine("#x"), " ME від'єднався #x");
}

TEST_F(ChannelEventsTest, QuitLeavesEveryChannelAndThePrivateWindow) {
    joined("#x", {"me", "alice"});
    joined("#y", {"@alice", "bob"});
    world.app->tables().OpenPrivat("Alice", "Vorn");
    world.serverSays(":alice!a@h QUIT :bye all");
    EXPECT_THAT(rows("#x"), ElementsAre("me"));
    EXPECT_THAT(rows("#y"), ElementsAre("bob"));
    EXPECT_EQ(lastLine("#x"), " alice has Quit IRC [ bye all ]");
    EXPECT_EQ(lastLine("#y"), " alice has Quit IRC [ bye all ]");
    EXPECT_EQ(world.privatView("alice").textView.lastLine(), " alice has Quit IRC [ bye all ]");
}

TEST_F(ChannelEventsTest, QuitOfSomeoneUnknownWritesNothing) {
    joined("#x", {"me"});
    world.serverSays(":ghost!g@h QUIT :bye");
    EXPECT_THAT(world.chatView("#x").textView.lines, IsEmpty());
}

TEST_F(ChannelEventsTest, KickOfAnotherRemovesHimAndSaysWhy) {
    joined("#x", {"me", "bob"});
    world.serverSays(":a!b@c KICK #x bob :flood");
    EXPECT_THAT(rows("#x"), ElementsAre("me"));
    EXPECT_EQ(lastLine("#x"), " bob було викинуто з #x by a [ flood ]");
    EXPECT_TRUE(world.app->tables().ChannelExists("#x"));
}

TEST_F(ChannelEventsTest, KickOfTheUserClosesSilentlyAndTellsTheStatusWindow) {
    joined("#x", {"me", "a"});
    world.takeSent();
    fake::FakeChatView& view = world.chatView("#x");
    world.serverSays(":a!b@c KICK #x me :flood");
    EXPECT_EQ(view.textView.lastLine(), " me було викинуто з #x by a [ flood ]");
    EXPECT_FALSE(view.win.visible);
    EXPECT_FALSE(world.app->tables().ChannelExists("#x"));
    EXPECT_THAT(world.takeSent(), IsEmpty());
    EXPECT_EQ(world.statusLast(), " Вас було викинуто з #x by a [ flood ]");
}

TEST_F(ChannelEventsTest, NickChangeRenamesInPlaceAndFollowsThePrivateWindow) {
    joined("#x", {"bob", "+alice", "me"});
    joined("#y", {"alice"});
    world.app->tables().OpenPrivat("alice", "Vorn");
    world.serverSays(":alice!a@h NICK :carol");
    EXPECT_THAT(rows("#x"), ElementsAre("bob", "+carol", "me"));
    EXPECT_THAT(rows("#y"), ElementsAre("carol"));
    EXPECT_EQ(lastLine("#x"), " alice перейменувався на carol");
    EXPECT_EQ(world.privat("carol").window().title(), "carol");
    world.app->tables().OpenPrivat("stranger", "Vorn");
    world.serverSays(":stranger!s@h NICK :other");
    EXPECT_EQ(world.privat("other").window().title(), "other");
}

TEST_F(ChannelEventsTest, JoinWithoutChannelIsIgnored) {
    world.serverSays(":me!u@h JOIN");
    EXPECT_EQ(world.app->tables().ChannelCount(), 0);
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

TEST_F(ChannelEventsTest, OwnNickChangeUpdatesNickAndTellsTheStatusWindow) {
    joined("#x", {"@me", "bob"});
    world.serverSays(":me!u@h NICK :newme");
    EXPECT_EQ(world.app->globals().Nick, "newme");
    EXPECT_EQ(world.statusLast(), " Ваш нік зараз newme");
    EXPECT_THAT(rows("#x"), ElementsAre("@newme", "bob"));
}

TEST_F(ChannelEventsTest, TopicChangeFillsTheTopicBoxWithoutItsLeadingBlank) {
    joined("#x", {"me"});
    world.chat("#x").topicLocked = true;
    world.serverSays(":alice!a@h TOPIC #x :new \x02topic\x02 here");
    EXPECT_EQ(world.chatView("#x").topicView.text(), "new topic here");
    EXPECT_EQ(lastLine("#x"), " Топік змінено alice : new topic here");
    EXPECT_TRUE(world.chat("#x").topicLocked);
}

TEST_F(ChannelEventsTest, OperatorAndVoiceModesWithArgumentsInOrder) {
    joined("#x", {"me", "you"});
    world.chat("#x").topicLocked = true;
    world.serverSays(":op!u@h MODE #x +ov-v me you you");
    EXPECT_EQ(lastLine("#x"), " op sets mode: +ov-v me you you");
    EXPECT_THAT(rows("#x"), ElementsAre("@me", "you"));
    EXPECT_FALSE(world.chat("#x").topicLocked);
    world.serverSays(":op!u@h MODE #x -o me");
    EXPECT_TRUE(world.chat("#x").topicLocked);
}

TEST_F(ChannelEventsTest, LimitKeyAndPlainModesAreRecorded) {
    joined("#x", {"me"});
    frmChat& chat = world.chat("#x");
    world.serverSays(":op!u@h MODE #x +ntl 25");
    EXPECT_EQ(chat.intLimit, 25);
    world.serverSays(":op!u@h MODE #x +k key");
    EXPECT_EQ(chat.strKey, "key");
    world.serverSays(":op!u@h MODE #x -k key");
    EXPECT_EQ(chat.strKey, "");
    std::vector<std::string> modes;
    for (const ModeEntry& mode : chat.Modes)
        modes.push_back(mode.strMode);
    EXPECT_THAT(modes, ElementsAre("n", "t", "l"));
}

TEST_F(ChannelEventsTest, MissingArgumentsAreEmptyAndBadLimitsReadAsZero) {
    joined("#x", {"me"});
    frmChat& chat = world.chat("#x");
    world.serverSays(":op!u@h MODE #x +l many");
    EXPECT_EQ(chat.intLimit, 0);
    world.serverSays(":op!u@h MODE #x +l 30");
    world.serverSays(":op!u@h MODE #x -l");
    EXPECT_EQ(chat.intLimit, 0);
    world.serverSays(":op!u@h MODE #x +k");
    EXPECT_EQ(chat.strKey, "");
    ASSERT_EQ(chat.Modes.size(), 1u);
    EXPECT_EQ(chat.Modes[0].strMode, "k");
}

TEST_F(ChannelEventsTest, ServerModesShowAnEmptyNickAndUserModesNothing) {
    joined("#x", {"me"});
    world.serverSays(":irc.test MODE #x +b *!*@spam");
    EXPECT_EQ(lastLine("#x"), "  sets mode: +b *!*@spam");
    EXPECT_THAT(world.chat("#x").Modes, IsEmpty());
    const std::size_t statusLines = world.statusText().lines.size();
    world.serverSays(":me MODE me :+i");
    EXPECT_EQ(world.statusText().lines.size(), statusLines);
}

TEST_F(ChannelEventsTest, ThirtyFirstOwnJoinFindsNoWindow) {
    for (int i = 1; i <= WindowTables::Slots; ++i)
        world.serverSays(":me!u@h JOIN #c" + std::to_string(i));
    world.takeSent();
    world.serverSays(":me!u@h JOIN #one-more");
    EXPECT_EQ(world.statusLast(), " *** Немає вільного вікна для каналу #one-more");
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

} // namespace
} // namespace vz
