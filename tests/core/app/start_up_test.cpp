#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "windows/frm_chat.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class StartUpTest : public ::testing::Test {
protected:
    void settings(const std::string& text) { world.files.files["vuvivaz.ini"] = text; }
    std::string settingsFile() { return world.files.files["vuvivaz.ini"]; }
    Globals& globals() { return world.app->globals(); }

    fake::FakeWorld world;
};

TEST_F(StartUpTest, StatusWindowShowsTheThreeLineBanner) {
    world.start();
    const auto lines = world.statusText().lineTexts();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], " VuviVAZ v1.15");
    EXPECT_EQ(lines[2], " >>>");
    EXPECT_TRUE(world.ui.status->win.isVisible());
}

TEST_F(StartUpTest, StartingStateAndToolbarImages) {
    world.start();
    EXPECT_EQ(globals().ProgramName, "VuviVAZ");
    EXPECT_EQ(globals().ArrangeMode, Arrangement::TileHorizontal);
    EXPECT_EQ(globals().ConnectTry, 1);
    const std::map<int, int> images{{1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 8}, {6, 9}};
    EXPECT_EQ(world.mainWindow.toolImages, images);
    EXPECT_EQ(world.mainWindow.caption(), "VuviVAZ");
}

TEST_F(StartUpTest, ConnectsOnlyWhenConnOnStartIsExactlyOne) {
    for (const char* value : {" 1", "1x", "0", "", "yes"}) {
        fake::FakeWorld other;
        other.files.files["vuvivaz.ini"] = std::string("[Options]\r\nConnOnStart=") + value;
        other.start();
        EXPECT_EQ(other.server.connects, 0) << "ConnOnStart=" << value;
    }
    settings("[Options]\r\nConnOnStart=1\r\n[Last]\r\nServer=irc.example.net\r\nPort=6697\r\n");
    world.start();
    EXPECT_EQ(world.server.connects, 1);
    EXPECT_EQ(world.server.host, "irc.example.net");
    EXPECT_EQ(world.server.port, 6697);
}

TEST_F(StartUpTest, OptionsDialogComesModalAfterConnectingAndTheBanner) {
    settings("[Options]\r\nConnOnStart=1\r\n[Start]\r\nOpen=1\r\n[Last]\r\nServer=irc.example.net");
    int connectsBehindDialog = -1;
    std::size_t statusLinesBehindDialog = 0;
    world.dialogs.whileOptionsShown = [&] {
        connectsBehindDialog = world.server.connects;
        statusLinesBehindDialog = world.statusText().lines.size();
    };
    world.start();
    EXPECT_EQ(world.dialogs.optionsShown, std::vector<bool>{true});
    EXPECT_EQ(connectsBehindDialog, 1);
    EXPECT_GE(statusLinesBehindDialog, 3u);
}

TEST_F(StartUpTest, NoOptionsDialogUnlessOpenIsExactlyOne) {
    for (const char* value : {" 1", "1x", "0", ""}) {
        fake::FakeWorld other;
        other.files.files["vuvivaz.ini"] = std::string("[Start]\r\nOpen=") + value;
        other.start();
        EXPECT_TRUE(other.dialogs.optionsShown.empty()) << "Open=" << value;
    }
    world.start();
    EXPECT_TRUE(world.dialogs.optionsShown.empty());
}

TEST_F(StartUpTest, LoadOptionsFillsTheGlobalValues) {
    settings("[Options]\nFullName=Taras Shevchenko\nEmail=t@example.net\nNick=taras\n"
             "Alternative=taras_\n[Last]\nServer=irc.example.net\nPort=7000\nPassword=s3cret\n"
             "[Lang]\nName=English.lng\n[Logs]\nChannels=1abc\nPrivats= 1\n");
    world.start();
    EXPECT_EQ(globals().FullName, "Taras Shevchenko");
    EXPECT_EQ(globals().Nick, "taras");
    EXPECT_EQ(globals().Alternative, "taras_");
    EXPECT_EQ(globals().Server, "irc.example.net");
    EXPECT_EQ(globals().ServerPort, 7000);
    EXPECT_EQ(globals().Password, "s3cret");
    EXPECT_EQ(globals().LangName, "English.lng");
    EXPECT_EQ(globals().LogChannels, "1");
    EXPECT_EQ(globals().LogPrivats, " ");
}

TEST_F(StartUpTest, MissingSettingsReadAsEmptyTextsAndDefaultPort) {
    world.start();
    EXPECT_EQ(globals().Nick, "");
    EXPECT_EQ(globals().FullName, "");
    EXPECT_EQ(globals().Server, "");
    EXPECT_EQ(globals().Password, "");
    EXPECT_EQ(globals().ServerPort, 6667);
    EXPECT_EQ(globals().LogChannels, clsINI::NoValue);
}

TEST_F(StartUpTest, BadPortsReadAsDefault) {
    for (const char* port : {"abc", "", "0", "70000", "-5"}) {
        settings(std::string("[Last]\r\nPort=") + port);
        world.app->LoadOptions();
        EXPECT_EQ(globals().ServerPort, 6667) << "Port=" << port;
    }
}

TEST_F(StartUpTest, PositionValuesApplyOneByOne) {
    settings("[Position]\r\nTop=120\r\nLeft=240.4\r\nWidth=abc\r\nHeight=4800\r\n");
    world.start();
    const TwipRect rect = world.mainWindow.rect;
    EXPECT_EQ(rect.top, 120);
    EXPECT_EQ(rect.left, 240);
    EXPECT_EQ(rect.width, 9000);
    EXPECT_EQ(rect.height, 4800);
}

TEST_F(StartUpTest, NumbersBeyondAnyScreenAreSkipped) {
    settings("[Position]\r\nTop=1e30\r\nLeft=12abc\r\nWidth=inf\r\nHeight=\r\n");
    world.start();
    const TwipRect rect = world.mainWindow.rect;
    EXPECT_EQ(rect.top, 2000);
    EXPECT_EQ(rect.left, 1000);
    EXPECT_EQ(rect.width, 9000);
    EXPECT_EQ(rect.height, 7000);
}

TEST_F(StartUpTest, ShutdownAppendsLastAndPositionWithCrLf) {
    settings("[Options]\nNick=taras\n");
    world.start();
    world.app->shutDown();
    EXPECT_EQ(settingsFile(), "[Options]\r\nNick=taras\r\n\r\n"
                              "[Last]\r\nServer=\r\nPort=6667\r\n\r\n"
                              "[Position]\r\nTop=2000\r\nLeft=1000\r\nWidth=9000\r\nHeight=7000\r\n"
                              "\r\n");
}

TEST_F(StartUpTest, ShutdownRewritesLastInPlace) {
    settings("[last]\r\nPORT=7000\r\nserver=old.example.net\r\n[Logs]\r\nChannels=1\r\n");
    world.start();
    globals().Server = "new.example.net";
    globals().ServerPort = 6697;
    world.mainWindow.minimized = true;
    world.app->shutDown();
    EXPECT_EQ(settingsFile(), "[last]\r\nPORT=6697\r\nserver=new.example.net\r\n\r\n"
                              "[Logs]\r\nChannels=1\r\n\r\n");
}

TEST_F(StartUpTest, MinimisedWindowKeepsTheSavedPosition) {
    settings("[Position]\r\nTop=1\r\nLeft=2\r\nWidth=3\r\nHeight=4\r\n");
    world.start();
    world.mainWindow.rect = TwipRect{500, 600, 7000, 8000};
    world.mainWindow.minimized = true;
    world.app->shutDown();
    EXPECT_EQ(settingsFile(), "[Position]\r\nTop=1\r\nLeft=2\r\nWidth=3\r\nHeight=4\r\n\r\n"
                              "[Last]\r\nServer=\r\nPort=6667\r\n\r\n");
}

TEST_F(StartUpTest, SavedPositionReadsBackAtTheNextStart) {
    world.start();
    world.mainWindow.rect = TwipRect{-300, 450, 14400, 10800};
    world.app->shutDown();
    fake::FakeWorld next;
    next.files.files = world.files.files;
    next.start();
    EXPECT_EQ(next.mainWindow.rect.left, -300);
    EXPECT_EQ(next.mainWindow.rect.top, 450);
    EXPECT_EQ(next.mainWindow.rect.width, 14400);
    EXPECT_EQ(next.mainWindow.rect.height, 10800);
}

TEST_F(StartUpTest, ServerDescriptionIsGoneAfterAConnectionAttempt) {
    settings("[Options]\r\nConnOnStart=1\r\n[Last]\r\nServer=irc.example.net<My network>\r\n");
    world.start();
    world.app->shutDown();
    EXPECT_NE(settingsFile().find("Server=irc.example.net\r\n"), std::string::npos);
}

TEST_F(StartUpTest, ShutdownClosesSocketsAndWindowsWithoutPart) {
    world.start();
    const int slot = world.app->tables().OpenChannel("#chan");
    world.app->shutDown();
    EXPECT_GE(world.identSocket.closes, 1);
    EXPECT_GE(world.server.closes, 1);
    EXPECT_EQ(world.app->tables().channel(slot).tag, "NOPART");
    EXPECT_FALSE(world.app->tables().channel(slot).isOpen());
    EXPECT_FALSE(world.ui.status->win.isVisible());
}

TEST_F(StartUpTest, UnwritableSettingsFileStaysAsItWas) {
    settings("[Options]\nNick=taras\n");
    world.start();
    world.files.failWrites = true;
    world.app->shutDown();
    EXPECT_EQ(settingsFile(), "[Options]\nNick=taras\n");
    EXPECT_FALSE(world.ui.status->win.isVisible());
}

TEST_F(StartUpTest, UnreadableSettingsFileIsNeverWrittenOverAndSaidOnce) {
    settings("[Options]\nNick=taras\n");
    world.files.unreadable.insert("vuvivaz.ini");
    world.start();
    world.app->LoadOptions();
    const auto lines = world.statusText().lineTexts();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], " *** Не вдалося прочитати vuvivaz.ini: налаштування не буде збережено");
    EXPECT_EQ(globals().ServerPort, 6667);
    world.app->shutDown();
    EXPECT_EQ(settingsFile(), "[Options]\nNick=taras\n");
}

} // namespace
} // namespace vz
