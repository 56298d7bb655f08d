#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <functional>

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

class MessagesTest : public ::testing::Test {
protected:
    MessagesTest() {
        world.start();
        world.connect();
        world.app->globals().Nick = "me";
        world.takeSent();
    }
    WindowTables& tables() { return world.app->tables(); }
    void drainReplyLimiter() {
        while (world.app->replyLimiter().tryTake()) {
        }
    }
    fake::FakeWorld world;
};

TEST_F(MessagesTest, OnlyHashTargetsAreChannels) {
    tables().OpenChannel("#X");
    world.serverSays(":a!u@h PRIVMSG #x :hi");
    EXPECT_EQ(world.chatView("#X").textView.lastLine(), " a: \thi");
    EXPECT_EQ(tables().PrivatCount(), 0);

    world.serverSays(":a!u@h PRIVMSG #nowhere :dropped");
    EXPECT_EQ(tables().PrivatCount(), 0);

    world.serverSays(":a!u@h PRIVMSG &local :hi there");
    EXPECT_EQ(world.privatView("a").textView.lastLine(), " a: \thi there");
}

TEST_F(MessagesTest, FirstPrivateMessageOpensWindowAndLaterOnesReuseIt) {
    world.serverSays(":a!u@h PRIVMSG me :hi there");
    EXPECT_EQ(world.privat("a").strPrivHost, "u@h");
    EXPECT_EQ(world.privatView("a").win.titleText, "a");

    world.serverSays(":A!u@h PRIVMSG me :again");
    EXPECT_EQ(tables().PrivatCount(), 1);
    EXPECT_EQ(world.privat("a").strPrivNick, "A");
    EXPECT_EQ(world.privatView("a").win.titleText, "A");
    EXPECT_EQ(world.privatView("a").textView.lineTexts(), (Lines{" a: \thi there", " A: \tagain"}));
}

TEST_F(MessagesTest, PrivateActionIsShownNotDropped) {
    world.serverSays(":bob!u@h PRIVMSG me :\x01"
                     "ACTION waves\x01");
    EXPECT_EQ(world.privatView("bob").textView.lastLine(), " bob waves");
    EXPECT_TRUE(world.takeSent().empty());
    world.serverSays(":ann!u@h PRIVMSG me :\x01"
                     "TIME\x01");
    EXPECT_FALSE(tables().PrivatExists("ann"));
}

TEST_F(MessagesTest, IncomingPrivateWindowDoesNotTakeTheFocus) {
    TextView& statusView = world.app->status().rtfText();
    world.app->setActiveChild(&statusView);
    world.serverSays(":a!u@h PRIVMSG me :psst");
    const fake::FakePrivatView& view = world.privatView("a");
    EXPECT_TRUE(view.win.visible);
    EXPECT_EQ(view.win.activations, 0);
    EXPECT_EQ(view.inputLine.focusCount, 0);
    EXPECT_EQ(world.app->activeTextView(), &statusView);
}

TEST_F(MessagesTest, CtcpRequestGoesToTheHandlerWithoutAWindow) {
    world.serverSays(":a!u@h PRIVMSG me :\x01PING 123\x01");
    EXPECT_EQ(tables().PrivatCount(), 0);
    EXPECT_EQ(world.statusLast(), " a has just pinged you");
    EXPECT_EQ(world.takeSent(),
              (Lines{"NOTICE a :\x01PING 0 seconds, cause VuviVAZ is elite\x01"}));
}

TEST_F(MessagesTest, OwnVersionRequestIsAnsweredThenHandedToCtcp) {
    world.serverSays(":me!u@h PRIVMSG me :\x01VERSION\x01");
    EXPECT_EQ(world.takeSent(), (Lines{"NOTICE me :\x01VERSION VuviVAZ\x01",
                                       "NOTICE me :\x01VERSION VuviVAZ for Windows\x01"}));
    EXPECT_EQ(world.statusLast(), " me has just requested your client version");
    EXPECT_EQ(tables().PrivatCount(), 0);
}

TEST_F(MessagesTest, OwnVersionRequestNeedsExactNickAndText) {
    world.serverSays(":Me!u@h PRIVMSG me :\x01VERSION\x01");
    world.serverSays(":me!u@h PRIVMSG me :\x01version\x01");
    for (const std::string& line : world.takeSent())
        EXPECT_NE(line, "NOTICE me :\x01VERSION VuviVAZ\x01");
}

TEST_F(MessagesTest, OwnVersionRequestBeyondTheLimitIsNotAnswered) {
    drainReplyLimiter();
    world.serverSays(":me!u@h PRIVMSG me :\x01VERSION\x01");
    EXPECT_TRUE(world.takeSent().empty());
    EXPECT_EQ(world.statusLast(), " me has just requested your client version");
}

TEST_F(MessagesTest, PrivateMessageFromAServiceWithoutBangIsNamedByItsPrefix) {
    world.serverSays(":NickServ PRIVMSG me :identify first");
    EXPECT_EQ(world.privat("NickServ").window().title(), "NickServ");
    EXPECT_EQ(tables().FindPrivat(""), -1);
}

TEST_F(MessagesTest, PrivateMessageWithAllSlotsTakenGoesToTheStatusWindow) {
    for (int i = 1; i <= WindowTables::Slots; ++i)
        tables().OpenPrivat("nick" + std::to_string(i), "Vorn");
    world.serverSays(":late!u@h PRIVMSG me :are you there?");
    EXPECT_EQ(world.statusLast(), " late: are you there?");
    EXPECT_EQ(world.statusText().lines.back()[1].attr.rgb, 0x7F0000u);
    EXPECT_EQ(tables().FindPrivat("late"), -1);
}

TEST_F(MessagesTest, NoticeGoesToTheActiveTextView) {
    tables().OpenChannel("#x");
    world.app->setActiveChild(&world.chat("#x").rtfText());
    world.serverSays(":a!u@h NOTICE me :hello");
    world.serverSays(":srv1 NOTICE * :Looking up your hostname");
    world.serverSays("NOTICE AUTH :no prefix");
    EXPECT_EQ(
        world.chatView("#x").textView.lineTexts(),
        (Lines{" NOTICE a:\thello", " NOTICE srv1:\tLooking up your hostname", " no prefix"}));
}

// Neither the hidden window nor a window that reuses its slot is active.
TEST_F(MessagesTest, NoticeAfterTheActiveWindowWentAwayGoesToTheStatusWindow) {
    const auto activeChannel = [this] {
        world.serverSays(":me!u@h JOIN :#x");
        world.chat("#x").onActivated();
    };
    const auto activePrivat = [this] {
        world.serverSays(":bob!u@h PRIVMSG me :hi");
        world.privat("bob").onActivated();
    };
    const struct {
        const char* name;
        std::function<void()> open;
        std::function<void()> close;
    } rows[] = {
        {"part", activeChannel, [this] { world.app->ParseCommand("", "part #x"); }},
        {"kick", activeChannel, [this] { world.serverSays(":op!o@h KICK #x me :out"); }},
        {"channel close box", activeChannel, [this] { world.chat("#x").onClose(); }},
        {"new connection", activeChannel, [this] { world.connect(); }},
        {"private close box", activePrivat, [this] { world.privat("bob").onClose(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.open();
        row.close();
        world.serverSays(":ann!u@h PRIVMSG me :hi");
        world.serverSays(std::string(":a!u@h NOTICE me :") + row.name);
        EXPECT_EQ(world.statusLast(), std::string(" NOTICE a:\t") + row.name);
        world.privat("ann").close();
    }
}

TEST_F(MessagesTest, NoticeWithoutActiveTextViewGoesToTheStatusWindow) {
    world.app->list().openEmpty();
    world.app->list().onActivated();
    world.serverSays(":a!u@h NOTICE me :\x01VERSION irssi\x01");
    EXPECT_EQ(world.statusLast(), " NOTICE a:\t\x01VERSION irssi\x01");
    EXPECT_EQ(world.statusText().lines.back()[1].attr.rgb, 0x7F0000u);
}

} // namespace
} // namespace vz
