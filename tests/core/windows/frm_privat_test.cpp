#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_privat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

class PrivatWindowTest : public ::testing::Test {
protected:
    PrivatWindowTest() {
        world.start();
        world.connect();
        world.app->globals().Nick = "me";
        world.app->globals().LangName = "English.lng";
        world.files.files["English.lng"] = "[Private]\r\nstrCaption=Private\r\n";
        world.takeSent();
        world.app->tables().OpenPrivat("bob", "bob!~b@host");
    }
    frmPrivat& privat() { return world.privat("bob"); }
    fake::FakePrivatView& view() { return world.privatView("bob"); }
    fake::FakeTextView& text() { return view().textView; }
    // Puts "bob: hi me" in the view; the pixel x names character x.
    void showWords() {
        privat().PutText("bob", "hi me");
        for (int i = 0; i < 12; ++i)
            text().charAtPixel[{i, 0}] = i;
    }
    fake::FakeWorld world;
};

TEST_F(PrivatWindowTest, TitleIsTheBareNickUntilActivated) {
    EXPECT_EQ(view().win.titleText, "bob");
    privat().onActivated();
    EXPECT_EQ(view().win.titleText, "Private bob");
    EXPECT_EQ(world.app->globals().CurrentPrivat, "bob");
    EXPECT_FALSE(world.mainWindow.isMenuEnabled("mnuTopic"));
    EXPECT_EQ(world.app->activeTextView(), &text());
    EXPECT_EQ(view().inputLine.focusCount, 1);

    world.files.files["English.lng"] = "[Private]\r\nstrCaption=Privat\r\n";
    privat().SetLang();
    EXPECT_EQ(view().win.titleText, "Privat bob");
}

TEST_F(PrivatWindowTest, ActionIsShownInColourSix) {
    privat().PutText("bob", "\x01"
                            "ACTION waves\x01");
    EXPECT_EQ(text().lastLine(), " bob waves");
    EXPECT_EQ(text().lines.back()[1].attr.rgb, 0x7F007Fu);
    privat().PutText("bob", "\x01"
                            "ACTION ");
    EXPECT_EQ(text().lastLine(), " bob ");
}

TEST_F(PrivatWindowTest, PlainLineShowsThePartnerTrimmed) {
    privat().PutText("BOB", "  hello  ");
    EXPECT_EQ(text().lastLine(), " bob: \t  hello");
    EXPECT_TRUE(text().lines.back()[1].attr.bold);
}

TEST_F(PrivatWindowTest, VersionRequestIsAnsweredAsANoticeAndNotShown) {
    privat().PutText("bob", "\x01VERSION\x01");
    EXPECT_EQ(world.takeSent(), Lines{"NOTICE bob :\x01VERSION VuviVAZ v1.14\x01"});
    EXPECT_TRUE(text().lines.empty());
}

TEST_F(PrivatWindowTest, VersionAnswersStopAtTheLimit) {
    for (int i = 0; i < 8; ++i)
        privat().PutText("bob", "\x01VERSION\x01");
    EXPECT_EQ(world.takeSent().size(), 5u);
    world.clock.advance(6000);
    privat().PutText("bob", "\x01VERSION\x01");
    EXPECT_EQ(world.takeSent().size(), 1u);
}

TEST_F(PrivatWindowTest, TypedLineIsSentAndEchoed) {
    view().inputLine.value = "hello there";
    privat().onInputEnter();
    EXPECT_EQ(world.takeSent(), Lines{"PRIVMSG bob :hello there"});
    EXPECT_EQ(text().lastLine(), " me:\thello there");
    EXPECT_EQ(view().inputLine.value, "");
}

TEST_F(PrivatWindowTest, TypedCommandGoesToTheParserWithThePartner) {
    view().inputLine.value = "/me waves";
    privat().onInputEnter();
    EXPECT_EQ(world.takeSent(), Lines{"PRIVMSG bob :\x01"
                                      "ACTION waves\x01"});
    EXPECT_EQ(view().inputLine.value, "");
}

TEST_F(PrivatWindowTest, PointerMarksThePartnerOnlyWhileTheTitleIsTheBareNick) {
    showWords();
    privat().onTextMouseDown(2, 0);
    EXPECT_TRUE(text().customPointer);
    privat().onActivated();
    privat().onTextMouseDown(2, 0);
    EXPECT_FALSE(text().customPointer);
    privat().onTextMouseDown(10, 0);
    EXPECT_TRUE(text().customPointer);
    privat().onTextMouseDown(5, 0);
    EXPECT_FALSE(text().customPointer);
    world.app->globals().Nick = "Me";
    privat().onTextMouseDown(10, 0);
    EXPECT_FALSE(text().customPointer);
}

TEST_F(PrivatWindowTest, ClickAddsTheWordToTheInputLine) {
    showWords();
    view().inputLine.value = "hi";
    privat().onTextMouseDown(2, 0);
    privat().onTextClick();
    EXPECT_EQ(view().inputLine.value, "hi bob, ");
    EXPECT_EQ(view().inputLine.caret, 8);
    EXPECT_EQ(view().inputLine.focusCount, 1);
    privat().onTextMouseDown(40, 0);
    privat().onTextClick();
    EXPECT_EQ(view().inputLine.value, "hi bob,  , ");
}

TEST_F(PrivatWindowTest, ClosingFreesTheSlotAndSendsNothing) {
    fake::FakePrivatView& closed = view();
    privat().onClose();
    EXPECT_TRUE(world.takeSent().empty());
    EXPECT_FALSE(world.app->tables().PrivatExists("bob"));
    EXPECT_EQ(closed.win.titleText, "");
    EXPECT_FALSE(closed.win.visible);
}

TEST_F(PrivatWindowTest, ReusedWindowStartsFresh) {
    fake::FakePrivatView& old = view();
    privat().PutText("bob", "hi");
    old.inputLine.value = "half typed";
    privat().onClose();
    world.app->tables().OpenPrivat("ann", "Vorn");
    EXPECT_EQ(&world.privatView("ann"), &old);
    EXPECT_TRUE(old.textView.lines.empty());
    EXPECT_EQ(old.inputLine.value, "");
    EXPECT_EQ(old.win.titleText, "ann");
    EXPECT_TRUE(old.win.visible);
}

TEST_F(PrivatWindowTest, LayoutFollowsTheWindowAndSkipsNegativeSizes) {
    view().win.client = {6000, 4000};
    view().win.outer = 6120;
    privat().onResize();
    EXPECT_EQ(text().placed.height, 3700);
    EXPECT_EQ(text().placed.width, 6000);
    EXPECT_EQ(view().inputLine.placed.top, 3700);
    EXPECT_EQ(view().inputLine.placed.width, 6120);
    view().win.client = {6000, 200};
    view().win.outer = 5000;
    privat().onResize();
    EXPECT_EQ(text().placed.height, 3700);
    EXPECT_EQ(view().inputLine.placed.top, 3700);
    EXPECT_EQ(view().inputLine.placed.width, 5000);
}

} // namespace
} // namespace vz
