#include "app/menu_commands.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

class MenuCommandsTest : public ::testing::Test {
protected:
    frmMain& app() { return *world.app; }
    Globals& g() { return world.app->globals(); }
    fake::SignedOnWorld world;
};

// While idle both read the settings again first; they name another server.
TEST_F(MenuCommandsTest, ConnectEntriesDisconnectOrElseOfferTheOptionsOrConnect) {
    MenuConnect(app());
    world.files.files["vuvivaz.ini"] = "[Last]\r\nServer=irc.example.net\r\nPort=6697\r\n";
    MenuConnect(app());
    EXPECT_EQ(world.ui.options->shows, std::vector<bool>{false});
    app().connection().ConnectTo();
    ToolbarConnect(app());
    world.files.files["vuvivaz.ini"] = "[Last]\r\nServer=irc.other.net\r\nPort=6697\r\n";
    ToolbarConnect(app());
    ToolbarOptions(app());
    EXPECT_EQ(world.ui.options->shows, (std::vector<bool>{false, false}));
    EXPECT_EQ(world.news(), "Status:  *** Disconnect\n"
                            "Status:  ***  Connecting to irc.example.net:6697\n"
                            "Status:  *** Disconnect\n"
                            "Status:  ***  Connecting to irc.other.net:6697\n");
}

// Button 4 offers the arrangement after the one just made.
TEST_F(MenuCommandsTest, ArrangeButtonCyclesHorizontalVerticalCascade) {
    world.files.files["en.lng"] += "[Main]\r\nmnuWindowCascade=Cascade\r\n";
    const std::tuple<Arrangement, int, const char*> cycle[] = {
        // made, then the image and tool tip of button 4 for the one offered next
        {Arrangement::TileHorizontal, 7, "Вертикально"},
        {Arrangement::TileVertical, 6, "Cascade"},
        {Arrangement::Cascade, 5, "Горизонтально"},
    };
    for (const auto& [made, image, tip] : cycle) {
        ToolbarArrange(app());
        EXPECT_EQ(world.mainWindow.arrangements.back(), made);
        EXPECT_EQ(world.mainWindow.toolImages[4], image);
        EXPECT_EQ(world.mainWindow.toolTips[4], tip);
    }
}

TEST_F(MenuCommandsTest, ListAsksTheServerAndExitAsksTheUserFirst) {
    MenuList(app());
    EXPECT_EQ(world.takeSent(), Lines{"LIST "});
    for (const bool yes : {false, true}) {
        world.mainWindow.answerYes = yes;
        ToolbarExit(app());
        EXPECT_EQ(world.mainWindow.closed, yes);
    }
}

TEST_F(MenuCommandsTest, NickListMenuActsOnTheBareNick) {
    for (const auto& [selected, nick] : {std::pair{"@bob", "bob"}, {"ann[away]", "ann"}}) {
        g().SelectedNick = selected;
        UserMenuWho(app());
        EXPECT_EQ(world.takeSent(), Lines{"whois " + std::string(nick)});
    }
    for (const char* selected : {"+bob", "bob"}) { // the second fronts the window
        g().SelectedNick = selected;
        UserMenuMsg(app());
    }
    EXPECT_EQ(world.app->tables().PrivatCount(), 1);
    EXPECT_EQ(world.privatView("bob").win.activations, 2);
    EXPECT_EQ(world.privat("bob").strPrivHost, "Vorn");
}

// The log of the window activated last opens in the editor, or the status
// window says why not; with none activated nothing happens.
TEST_F(MenuCommandsTest, LogEntriesOpenTheLogOfTheWindowActivatedLast) {
    MenuChannelLog(app());
    g().CurrentChannel = "#x";
    MenuChannelLog(app());
    world.files.files["#x.txt"] = world.files.files["a_b.txt"] = "";
    MenuChannelLog(app());
    g().CurrentPrivat = "a/b";
    MenuPrivatLog(app());
    world.desktop.canOpen = false;
    MenuChannelLog(app());
    EXPECT_EQ(world.desktop.opened, (Lines{"#x.txt", "a_b.txt", "#x.txt"}));
    EXPECT_EQ(world.news(),
              "Status:  *** Лог не знайдено: #x.txt\nStatus:  *** Не вдалося відкрити #x.txt\n");
}

} // namespace
} // namespace vz
