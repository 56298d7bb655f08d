#include "app/frm_main.h"
#include "app/menu_commands.h"
#include "fakes/fake_platform.h"
#include "windows/frm_privat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

class MenuCommandsTest : public ::testing::Test {
protected:
    MenuCommandsTest() {
        world.start();
        world.app->globals().Nick = "me";
    }
    void connect() {
        world.connect();
        world.takeSent();
    }
    // The settings on disk name another server than the one in memory.
    void settingsName(const std::string& server, const std::string& port) {
        world.files.files["vuvivaz.ini"] =
            "[Last]\r\nServer=" + server + "\r\nPort=" + port + "\r\n";
    }
    std::string& selected() { return world.app->globals().SelectedNick; }
    Globals& globals() { return world.app->globals(); }
    fake::FakeWorld world;
};

TEST_F(MenuCommandsTest, ConnectMenuOffersTheOptionsWhileIdleAndDisconnectsWhileConnected) {
    settingsName("irc.example.net", "6697");
    MenuConnect(*world.app);
    EXPECT_EQ(world.dialogs.optionsShown, std::vector<bool>{false});
    EXPECT_EQ(globals().Server, "irc.example.net");
    EXPECT_EQ(world.server.connects, 0);

    connect();
    MenuConnect(*world.app);
    EXPECT_FALSE(globals().Connected);
    EXPECT_FALSE(world.server.open);
    EXPECT_EQ(world.mainWindow.toolImages[1], 1);
    EXPECT_EQ(world.dialogs.optionsShown.size(), 1u);
}

TEST_F(MenuCommandsTest, ConnectButtonConnectsToTheSavedServerWhileIdle) {
    settingsName("irc.example.net", "6697");
    ToolbarConnect(*world.app);
    EXPECT_EQ(world.server.host, "irc.example.net");
    EXPECT_EQ(world.server.port, 6697);
    EXPECT_TRUE(globals().Connected);
    EXPECT_EQ(world.mainWindow.toolImages[1], 2);
    EXPECT_TRUE(world.dialogs.optionsShown.empty());

    ToolbarConnect(*world.app);
    EXPECT_FALSE(globals().Connected);
    EXPECT_EQ(world.server.connects, 1);
}

TEST_F(MenuCommandsTest, ArrangeButtonCyclesHorizontalVerticalCascade) {
    ASSERT_EQ(globals().ArrangeMode, Arrangement::TileHorizontal);
    for (int round = 0; round < 2; ++round) {
        ToolbarArrange(*world.app);
        ToolbarArrange(*world.app);
        ToolbarArrange(*world.app);
    }
    const std::vector<Arrangement> cycle = {Arrangement::TileHorizontal, Arrangement::TileVertical,
                                            Arrangement::Cascade};
    std::vector<Arrangement> twice = cycle;
    twice.insert(twice.end(), cycle.begin(), cycle.end());
    EXPECT_EQ(world.mainWindow.arrangements, twice);
    EXPECT_EQ(globals().ArrangeMode, Arrangement::TileHorizontal);
}

TEST_F(MenuCommandsTest, ArrangingOffersTheNextArrangementOnButtonFour) {
    MenuArrange(*world.app, Arrangement::TileHorizontal);
    EXPECT_EQ(globals().ArrangeMode, Arrangement::TileVertical);
    EXPECT_EQ(world.mainWindow.toolImages[4], 7);
    EXPECT_EQ(world.mainWindow.toolTips[4], "Вертикально");
    MenuArrange(*world.app, Arrangement::TileVertical);
    EXPECT_EQ(globals().ArrangeMode, Arrangement::Cascade);
    EXPECT_EQ(world.mainWindow.toolImages[4], 6);
    EXPECT_EQ(world.mainWindow.toolTips[4], "Каскадом");
    MenuArrange(*world.app, Arrangement::Cascade);
    EXPECT_EQ(globals().ArrangeMode, Arrangement::TileHorizontal);
    EXPECT_EQ(world.mainWindow.toolImages[4], 5);
    EXPECT_EQ(world.mainWindow.toolTips[4], "Горизонтально");
}

TEST_F(MenuCommandsTest, ButtonFourTakesItsToolTipFromTheLanguageFile) {
    globals().LangName = "English.lng";
    world.files.files["English.lng"] = "[Main]\r\nmnuWindowCascade=Cascade\r\n";
    MenuArrange(*world.app, Arrangement::TileVertical);
    EXPECT_EQ(world.mainWindow.toolTips[4], "Cascade");
    MenuArrange(*world.app, Arrangement::Cascade);
    EXPECT_EQ(world.mainWindow.toolTips[4], "Горизонтально");
}

TEST_F(MenuCommandsTest, ExitButtonClosesOnlyWhenTheUserConfirms) {
    world.mainWindow.answerYes = false;
    ToolbarExit(*world.app);
    EXPECT_FALSE(world.mainWindow.closed);
    world.mainWindow.answerYes = true;
    ToolbarExit(*world.app);
    EXPECT_TRUE(world.mainWindow.closed);
}

TEST_F(MenuCommandsTest, ListSendsListWithItsTrailingBlankAndNickOnlyPrompts) {
    connect();
    MenuList(*world.app);
    EXPECT_EQ(world.takeSent(), Lines{"LIST "});
    MenuNick(*world.app);
    EXPECT_EQ(world.dialogs.nickPrompts, 1);
    EXPECT_TRUE(world.takeSent().empty());
}

TEST_F(MenuCommandsTest, DialogCommandsAreNotModal) {
    MenuFavourites(*world.app);
    ToolbarOptions(*world.app);
    MenuAbout(*world.app);
    EXPECT_EQ(world.dialogs.favouritesShown, std::vector<bool>{false});
    EXPECT_EQ(world.dialogs.optionsShown, std::vector<bool>{false});
    EXPECT_EQ(world.dialogs.aboutShown, 1);
}

TEST_F(MenuCommandsTest, WhoisDropsTheOperatorSignAndKeepsTheNickClean) {
    connect();
    selected() = "@bob";
    UserMenuWho(*world.app);
    EXPECT_EQ(world.takeSent(), Lines{"whois bob"});
    EXPECT_EQ(selected(), "bob");
    selected() = "ann[away]";
    UserMenuWho(*world.app);
    EXPECT_EQ(world.takeSent(), Lines{"whois ann"});
}

TEST_F(MenuCommandsTest, MsgFrontsAnOpenPrivateWindowInsteadOfOpeningAnother) {
    connect();
    selected() = "+bob";
    UserMenuMsg(*world.app);
    EXPECT_EQ(world.app->tables().PrivatCount(), 1);
    EXPECT_EQ(world.privatView("bob").win.activations, 1);
    selected() = "bob";
    UserMenuMsg(*world.app);
    EXPECT_EQ(world.app->tables().PrivatCount(), 1);
    EXPECT_EQ(world.privatView("bob").win.activations, 2);
    EXPECT_EQ(world.privat("bob").strPrivHost, "Vorn");
}

} // namespace
} // namespace vz
