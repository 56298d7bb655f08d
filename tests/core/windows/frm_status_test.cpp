#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class StatusWindowTest : public ::testing::Test {
protected:
    StatusWindowTest() {
        world.start();
        world.connect();
        world.takeSent();
    }
    void type(const std::string& text) {
        world.ui.status->inputLine.value = text;
        world.app->status().onInputEnter();
    }
    fake::FakeWorld world;
};

TEST_F(StatusWindowTest, CommandsAreSentAndTheLineIsEmptied) {
    type("/raw PRIVMSG bob :hi");
    EXPECT_EQ(world.takeSent(), std::vector<std::string>{"PRIVMSG bob :hi"});
    EXPECT_EQ(world.ui.status->inputLine.value, "");
}

TEST_F(StatusWindowTest, PlainTextIsNotSentAnywhere) {
    type("hello everyone");
    EXPECT_TRUE(world.takeSent().empty());
    EXPECT_EQ(world.ui.status->inputLine.value, "");
    EXPECT_EQ(world.statusLast(), " Тут можна вводити лише команди, що починаються з /");
    const std::size_t lines = world.statusText().lines.size();
    type("");
    EXPECT_EQ(world.statusText().lines.size(), lines);
}

TEST_F(StatusWindowTest, LayoutFollowsTheWindowSize) {
    world.ui.status->win.client = TwipSize{9000, 6000};
    world.ui.status->win.outer = 9120;
    world.app->status().onResize();
    EXPECT_EQ(world.ui.status->textView.placed.height, 5700);
    EXPECT_EQ(world.ui.status->inputLine.placed.top, 5700);
    EXPECT_EQ(world.ui.status->inputLine.placed.width, 9120);

    world.ui.status->win.client = TwipSize{100, 100};
    world.app->status().onResize();
    EXPECT_EQ(world.ui.status->textView.placed.height, 5700);
}

TEST_F(StatusWindowTest, StartsActiveAndActivationDisablesTopicAndTakesTheNotices) {
    EXPECT_EQ(world.ui.status->win.activations, 1);
    world.app->status().onActivated();
    EXPECT_FALSE(world.mainWindow.isMenuEnabled("mnuTopic"));
    EXPECT_EQ(world.app->activeTextView(), &world.app->status().rtfText());
    EXPECT_GT(world.ui.status->inputLine.focusCount, 0);
}

} // namespace
} // namespace vz
