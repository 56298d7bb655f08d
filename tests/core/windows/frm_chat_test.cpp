#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"
#include "windows/word_under_pointer.h"

#include <array>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vz {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Box = std::array<int, 4>;

Box box(const TwipRect& r) {
    return {r.left, r.top, r.width, r.height};
}

constexpr int Enter = 13;
constexpr int CtrlR = 18;

TEST(WordAtTest, LongestRunOfAsciiNickCharacters) {
    EXPECT_EQ(WordAt("hi bob_1, there", 4), "bob_1");
    EXPECT_EQ(WordAt("hi bob_1, there", 3), "bob_1");
    EXPECT_EQ(WordAt("hi bob_1, there", 8), "");
    EXPECT_EQ(WordAt("hi", -1), "");
    EXPECT_EQ(WordAt("hi", 2), "");
}

TEST(WordAtTest, IndexCountsCodePointsAndCyrillicEndsAWord) {
    EXPECT_EQ(WordAt("привіт bob!", 7), "bob");
    EXPECT_EQ(WordAt("жbobж", 1), "bob");
    EXPECT_EQ(WordAt("жbobж", 0), "");
}

class ChatWindowTest : public ::testing::Test {
protected:
    ChatWindowTest() {
        world.startSignedOn();
        world.serverSays(":me!u@h JOIN :#x");
        world.takeSent();
    }
    frmChat& chat() { return world.chat("#x"); }
    fake::FakeChatView& view() { return world.chatView("#x"); }

    fake::FakeWorld world;
};

TEST_F(ChatWindowTest, NewWindowShowsThePlaceholderTopicAndItsName) {
    EXPECT_THAT(view().topicView.lines, ElementsAre(ElementsAre(TextRun{"TOPIC:", {}})));
    EXPECT_EQ(view().win.titleText, "#x");
    EXPECT_TRUE(view().win.visible);
    EXPECT_EQ(chat().tag, "1");
}

TEST_F(ChatWindowTest, LayoutInTwipsSkipsStepsThatWouldBeNegative) {
    EXPECT_EQ(box(view().textView.placed), (Box{0, 310, 7545, 5385}));
    EXPECT_EQ(box(view().inputLine.placed), (Box{0, 5715, 9120, 285}));
    EXPECT_EQ(box(view().userList.placed), (Box{7545, 0, 1455, 5715}));
    EXPECT_EQ(box(view().topicView.placed), (Box{0, 0, 7545, 300}));
    view().win.client = TwipSize{1000, 500};
    chat().onResize();
    EXPECT_EQ(box(view().textView.placed), (Box{0, 310, 7545, 5385}));
    EXPECT_EQ(box(view().userList.placed), (Box{7545, 0, 1455, 215}));
    EXPECT_EQ(box(view().topicView.placed), (Box{0, 0, 7545, 300}));
}

TEST_F(ChatWindowTest, ReusedSlotStartsWithFreshViews) {
    world.serverSays(":op!u@h TOPIC #x :old topic");
    chat().AddNick("bob");
    chat().AddMode("n", true);
    view().inputLine.value = "half typed";
    view().textView.customPointer = true;
    fake::FakeChatView* first = &view();
    chat().onClose();
    world.serverSays(":me!u@h JOIN :#y");
    ASSERT_EQ(&world.chatView("#y"), first);
    EXPECT_EQ(first->topicView.text(), "TOPIC:");
    EXPECT_THAT(first->textView.lines, IsEmpty());
    EXPECT_THAT(first->userList.rows, IsEmpty());
    EXPECT_EQ(first->inputLine.value, "");
    EXPECT_FALSE(first->textView.customPointer);
    EXPECT_THAT(world.chat("#y").Users, IsEmpty());
    EXPECT_THAT(world.chat("#y").Modes, IsEmpty());
    EXPECT_EQ(first->win.titleText, "#y");
}

TEST_F(ChatWindowTest, ActionIsShownInPurpleWithoutItsMarks) {
    chat().PutText("bob", "\x01"
                          "ACTION waves\x01");
    EXPECT_EQ(view().textView.lastLine(), " bob waves");
    EXPECT_EQ(view().textView.lines.back().back().attr.rgb, 0x7F007Fu);
    chat().PutText("bob", "\x01"
                          "ACTION ");
    EXPECT_EQ(view().textView.lastLine(), " bob ");
}

TEST_F(ChatWindowTest, VersionRequestIsAnsweredByNoticeWithinTheReplyLimit) {
    for (int i = 0; i < 7; ++i)
        chat().PutText("bob", "\x01VERSION\x01");
    const std::string answer = "NOTICE bob :\x01VERSION VuviVAZ v1.15 for Windows9x, 2000, XP\x01";
    EXPECT_EQ(world.takeSent(), std::vector<std::string>(5, answer));
    EXPECT_THAT(view().textView.lines, IsEmpty());
    world.clock.advance(6000);
    chat().PutText("bob", "\x01VERSION\x01");
    EXPECT_THAT(world.takeSent(), ElementsAre(answer));
}

TEST_F(ChatWindowTest, MessageShowsBoldNickUnderlinedColonAndIsTrimmed) {
    chat().PutText("bob", "hello ");
    const auto& runs = view().textView.lines.back();
    EXPECT_EQ(view().textView.lastLine(), " bob: \thello");
    EXPECT_EQ(runs.at(1), (TextRun{"bob", {0, true, false}}));
    EXPECT_EQ(runs.at(2), (TextRun{":", {0, false, true}}));
}

TEST_F(ChatWindowTest, EnterSendsTheLineAndEchoesItUnderOurNick) {
    view().inputLine.value = "hello all ";
    chat().onInputEnter();
    EXPECT_THAT(world.takeSent(), ElementsAre("PRIVMSG #x :hello all "));
    EXPECT_EQ(view().textView.lastLine(), " me:\thello all ");
    EXPECT_EQ(view().inputLine.value, "");
    chat().onInputEnter();
    EXPECT_THAT(world.takeSent(), ElementsAre("PRIVMSG #x :"));
    EXPECT_EQ(view().textView.lastLine(), " me:\t");
    view().inputLine.value = "pasted\r\nQUIT";
    chat().onInputEnter();
    EXPECT_THAT(world.takeSent(), ElementsAre("PRIVMSG #x :pasted QUIT"));
}

TEST_F(ChatWindowTest, SlashLineGoesThroughTheParserWithTheChannelAsTarget) {
    view().inputLine.value = "/me waves";
    chat().onInputEnter();
    EXPECT_THAT(world.takeSent(), ElementsAre("PRIVMSG #x :\x01"
                                              "ACTION waves\x01"));
    EXPECT_EQ(view().inputLine.value, "");
    EXPECT_EQ(world.statusLast(), " me");
    EXPECT_THAT(view().textView.lines, IsEmpty());
}

TEST_F(ChatWindowTest, LockedTopicBoxSwallowsEveryKey) {
    chat().topicLocked = true;
    EXPECT_TRUE(chat().onTopicKey('a'));
    EXPECT_TRUE(chat().onTopicKey(Enter));
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

TEST_F(ChatWindowTest, EnterInTheTopicBoxSendsTheTopic) {
    chat().onTopicFocus();
    EXPECT_EQ(view().topicView.text(), "");
    view().topicView.appendLine({TextRun{"new topic", {}}});
    EXPECT_FALSE(chat().onTopicKey('a'));
    EXPECT_TRUE(chat().onTopicKey(CtrlR));
    EXPECT_THAT(world.takeSent(), IsEmpty());
    EXPECT_TRUE(chat().onTopicKey(Enter));
    EXPECT_THAT(world.takeSent(), ElementsAre("TOPIC #x :new topic"));
    view().topicView.appendLine({TextRun{"QUIT :pasted", {}}});
    EXPECT_TRUE(chat().onTopicKey(Enter));
    EXPECT_THAT(world.takeSent(), ElementsAre("TOPIC #x :new topic QUIT :pasted"));
}

TEST_F(ChatWindowTest, TopicFocusEmptiesOnlyThePlaceholder) {
    world.serverSays(":op!u@h TOPIC #x :TOPIC: rules");
    chat().onTopicFocus();
    EXPECT_EQ(view().topicView.text(), "TOPIC: rules");
}

TEST_F(ChatWindowTest, UserMenuPopsUpOnlyAfterANickWasClicked) {
    chat().AddNick("@bob");
    chat().onUserRightRelease();
    EXPECT_EQ(view().userMenuPopUps, 0);
    chat().onUserClick(0);
    EXPECT_EQ(world.app->globals().SelectedNick, "@bob");
    EXPECT_EQ(view().userList.toolTip, "@bob");
    chat().onUserRightRelease();
    EXPECT_EQ(view().userMenuPopUps, 1);
}

TEST_F(ChatWindowTest, DoubleClickOpensOnePrivateWindowAndThenBringsItForward) {
    chat().AddNick("@bob");
    chat().onUserClick(0);
    chat().onUserDoubleClick(0);
    EXPECT_EQ(world.app->globals().SelectedNick, "bob");
    EXPECT_EQ(world.privat("bob").strPrivHost, "Vorn");
    EXPECT_EQ(world.privatView("bob").win.activations, 1);
    EXPECT_EQ(world.privatView("bob").inputLine.focusCount, 1);
    chat().onUserDoubleClick(0);
    EXPECT_EQ(world.app->tables().PrivatCount(), 1);
    EXPECT_EQ(world.privatView("bob").win.activations, 2);
}

TEST_F(ChatWindowTest, PointerShowsOverMemberNicksWithTheirCase) {
    chat().PutText("Bob", "hi bob");
    view().textView.charAtPixel = {{{10, 5}, 2}, {{90, 5}, 10}, {{40, 5}, 4}};
    view().textView.customPointer = true;
    chat().onTextMouseDown(10, 5);
    EXPECT_FALSE(view().textView.customPointer);
    chat().AddNick("alice");
    chat().AddNick("@Bob");
    chat().onTextMouseDown(10, 5);
    EXPECT_TRUE(view().textView.customPointer);
    chat().onTextMouseDown(90, 5);
    EXPECT_FALSE(view().textView.customPointer);
    chat().onTextMouseDown(10, 5);
    chat().onTextMouseDown(40, 5);
    EXPECT_FALSE(view().textView.customPointer);
}

TEST_F(ChatWindowTest, ClickAddsTheWordUnderThePointerToTheInputLine) {
    chat().PutText("Bob", "hi");
    view().textView.charAtPixel = {{{10, 5}, 2}, {{40, 5}, 4}};
    view().inputLine.value = "hey";
    chat().onTextMouseDown(10, 5);
    chat().onTextClick();
    EXPECT_EQ(view().inputLine.value, "hey Bob, ");
    EXPECT_EQ(view().inputLine.caret, 9);
    chat().onTextMouseDown(40, 5);
    chat().onTextClick();
    EXPECT_EQ(view().inputLine.value, "hey Bob,  , ");
    EXPECT_EQ(view().inputLine.focusCount, 3);
}

TEST_F(ChatWindowTest, ClosingSendsPartUnlessTaggedNoPart) {
    fake::FakeChatView& closed = view();
    chat().onClose();
    EXPECT_THAT(world.takeSent(), ElementsAre("PART #x"));
    EXPECT_FALSE(closed.win.visible);
    EXPECT_FALSE(world.app->tables().ChannelExists("#x"));
    world.serverSays(":me!u@h JOIN :#y");
    world.takeSent();
    world.chat("#y").tag = "NOPART";
    world.chat("#y").close();
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

TEST_F(ChatWindowTest, BecomingActiveEnablesTopicMenuAndFocusesTheInput) {
    world.mainWindow.menuEnabled["mnuTopic"] = false;
    const int focused = view().inputLine.focusCount;
    chat().onActivated();
    EXPECT_TRUE(world.mainWindow.isMenuEnabled("mnuTopic"));
    EXPECT_EQ(world.app->globals().CurrentChannel, "#x");
    EXPECT_EQ(world.app->activeTextView(), &view().textView);
    EXPECT_EQ(view().inputLine.focusCount, focused + 1);
}

} // namespace
} // namespace vz
