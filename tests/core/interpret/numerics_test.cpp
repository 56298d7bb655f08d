#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

class NumericsTest : public ::testing::Test {
protected:
    NumericsTest() {
        world.start();
        world.connect();
        Globals& globals = world.app->globals();
        globals.Nick = "me";
        globals.Alternative = "me_";
        globals.Server = "irc.test";
        globals.LangName = "English.lng";
        world.files.files["English.lng"] =
            "[List]\r\nCaption1=channels on\r\nCaption2=Whois\r\nCaption3=Names\r\n";
        world.takeSent();
    }
    WindowTables& tables() { return world.app->tables(); }
    fake::FakeListWindowView& list() { return *world.ui.list; }
    void setOpenChannelsForm(const std::string& value) {
        world.files.files["vuvivaz.ini"] = "[Connect]\r\nOpenChannelsForm=" + value + "\r\n";
    }
    fake::FakeWorld world;
};

TEST_F(NumericsTest, WelcomeTakesTheConfirmedNick) {
    world.serverSays(":s 001 Me :Welcome to the network");
    EXPECT_EQ(world.app->globals().Nick, "Me");
    EXPECT_EQ(world.statusLast(), " * Welcome to the network");
}

TEST_F(NumericsTest, ServerInformationGoesToTheStatusWindow) {
    world.serverSays(":s 004 me s ngircd-26 abc def");
    world.serverSays(":s 251 me :There are 2 users");
    world.serverSays(":s 372 me :- hello");
    world.serverSays(":s 376 me :End of MOTD");
    world.serverSays(":s 366 me #x :End of NAMES list");
    const Lines lines = world.statusText().lineTexts();
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{" * s ngircd-26 abc def", " There are 2 users", " - hello"}));
    EXPECT_EQ(world.statusText().lines[lines.size() - 2][1].attr.rgb, 0x7F007Fu);
}

TEST_F(NumericsTest, MotdStartOffersFavouriteChannelsWhenAskedFor) {
    setOpenChannelsForm("1");
    world.serverSays(":s 375 me :- s Message of the day -");
    EXPECT_EQ(world.statusLast(), " - s Message of the day -");
    EXPECT_EQ(world.dialogs.favouritesShown, std::vector<bool>{true});
}

TEST_F(NumericsTest, MotdStartWithoutANumberOneOpensNoDialog) {
    for (const std::string value : {"", "0", "yes", "1x"}) {
        setOpenChannelsForm(value);
        world.serverSays(":s 375 me :- s Message of the day -");
    }
    world.files.files.erase("vuvivaz.ini");
    world.serverSays(":s 375 me :- s Message of the day -");
    EXPECT_TRUE(world.dialogs.favouritesShown.empty());
}

TEST_F(NumericsTest, NickInUseTriesTheAlternativeThenAsks) {
    world.serverSays(":s 433 * me :Nickname is already in use");
    EXPECT_EQ(world.takeSent(), Lines{"NICK me_"});
    EXPECT_EQ(world.statusLast(), " *** 433 * me Nickname is already in use");
    EXPECT_EQ(world.dialogs.nickPrompts, 0);

    world.serverSays(":s 433 * me_ :Nickname is already in use");
    EXPECT_TRUE(world.takeSent().empty());
    EXPECT_EQ(world.dialogs.nickPrompts, 1);
    EXPECT_EQ(world.statusLast(), " *** 433 * me_ Nickname is already in use");
}

TEST_F(NumericsTest, RequestedNamesFillTheListWindow) {
    for (const std::string end : {"", " "}) {
        world.app->globals().NamesRequested = true;
        world.serverSays(":s 353 me = #x :@a +b c" + end);
        EXPECT_EQ(list().listBox.rows, (Lines{"#x @a", "#x +b", "#x c"}));
        EXPECT_EQ(list().win.titleText, "Names #x:");
        EXPECT_TRUE(list().win.visible);
        EXPECT_FALSE(world.app->globals().NamesRequested);
    }
}

TEST_F(NumericsTest, NamesForAnOpenChannelAddMembers) {
    tables().OpenChannel("#x");
    world.serverSays(":s 353 me = #x :@a +b c");
    const frmChat& chat = world.chat("#x");
    ASSERT_EQ(chat.Users.size(), 3u);
    EXPECT_TRUE(chat.InChannel("a") && chat.InChannel("b") && chat.InChannel("c"));
    EXPECT_EQ(world.ui.list, nullptr);
}

TEST_F(NumericsTest, NamesForAnUnknownChannelAreShownRaw) {
    world.serverSays(":s 353 me = #y :a b");
    EXPECT_EQ(world.statusLast(), " *** 353 me = #y a b");
}

TEST_F(NumericsTest, NoSuchChannelEndsAWaitForNames) {
    world.app->globals().NamesRequested = true;
    world.serverSays(":s 403 me #nope :No such channel");
    EXPECT_FALSE(world.app->globals().NamesRequested);
    EXPECT_EQ(world.statusLast(), " *** 403 me #nope No such channel");
}

TEST_F(NumericsTest, TopicReplyFillsAndLocksTheTopic) {
    tables().OpenChannel("#x");
    world.serverSays(":s 332 me #x :Welcome here");
    fake::FakeChatView& view = world.chatView("#x");
    EXPECT_EQ(view.topicView.text(), "Welcome here");
    EXPECT_EQ(view.textView.lastLine(), " Топік \"Welcome here\"");
    EXPECT_EQ(view.topicView.caret, 0);
    EXPECT_TRUE(world.chat("#x").topicLocked);
}

TEST_F(NumericsTest, TopicSetterIsShownInTheChannelAndRaw) {
    tables().OpenChannel("#x");
    world.serverSays(":s 333 me #x bob 1700000000");
    EXPECT_EQ(world.chatView("#x").textView.lastLine(), " Топік встановлено bob");
    EXPECT_EQ(world.statusLast(), " *** 333 me #x bob 1700000000");
}

TEST_F(NumericsTest, RepliesAboutChannelsWithoutWindowChangeNothing) {
    const std::size_t before = world.statusText().lines.size();
    world.serverSays(":s 332 me #y :Welcome");
    world.serverSays(":s 333 me #y bob 1700000000");
    world.serverSays(":s 324 me #y +k secret");
    EXPECT_EQ(world.statusText().lines.size(), before);
}

TEST_F(NumericsTest, ChannelModesReplyRecordsTheModes) {
    tables().OpenChannel("#x");
    world.serverSays(":s 324 me #x +l 20");
    EXPECT_EQ(world.chat("#x").intLimit, 20);
}

TEST_F(NumericsTest, ChannelListFillsTheListWindow) {
    world.serverSays(":s 321 me Channel :Users  Name");
    EXPECT_EQ(world.statusLast(), " *** 321 me Channel Users  Name");
    world.serverSays(":s 322 me #x 12 :chat here");
    world.serverSays(":s 322 me #y 3 :");
    EXPECT_EQ(list().listBox.rows, (Lines{"me #x 12 chat here", "me #y 3 "}));
    EXPECT_EQ(list().win.titleText, "2 channels on irc.test [06.12.2026; 21:30:00]");
    EXPECT_FALSE(list().win.visible);
    world.serverSays(":s 323 me :End of LIST");
    EXPECT_TRUE(list().win.visible);
    EXPECT_EQ(list().win.activations, 1);
    EXPECT_EQ(world.statusLast(), " *** 323 me End of LIST");
}

TEST_F(NumericsTest, WhoisRowsFollowTheUserRow) {
    world.serverSays(":s 321 me Channel :Users  Name");
    world.serverSays(":s 322 me #x 12 :chat here");
    world.serverSays(":s 311 me bob ~b host * :Bob Real");
    world.serverSays(":s 319 me bob :@#x #y");
    world.serverSays(":s 312 me bob irc.test :Test server");
    world.serverSays(":s 317 me bob 42 1700000000 :seconds idle, signon time");
    EXPECT_EQ(list().listBox.rows,
              (Lines{"bob - ~b host * Bob Real", "bob присутній на каналі(лах) @#x #y",
                     "bob на сервері irc.test Test server",
                     "bob 42 1700000000 seconds idle, signon time"}));
    EXPECT_EQ(list().win.titleText, "Whois bob:");
    world.serverSays(":s 318 me bob :End of WHOIS list");
    EXPECT_TRUE(list().win.visible);
    EXPECT_EQ(list().win.activations, 1);
    EXPECT_EQ(world.statusLast(), " *** 318 me bob End of WHOIS list");
}

} // namespace
} // namespace vz
