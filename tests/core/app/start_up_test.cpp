#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vz {
namespace {

using Lines = std::vector<std::string>;
using World = fake::FakeWorld;

// A world started with `settings` as its settings file, CR LF written as "|".
std::unique_ptr<World> started(const std::string& settings) {
    auto world = std::make_unique<World>();
    world->startWith(settings);
    return world;
}

TEST(StartUpTest, ConnectsAndShowsTheOptionsOnlyWhenTheSettingsSayExactly1) {
    for (const std::string value : {" 1", "1x", "0", "", "yes"}) {
        const auto world = started("[Options]|ConnOnStart=" + value + "|[Start]|Open=" + value);
        EXPECT_EQ(world->server.connects, 0) << value;
        EXPECT_EQ(world->ui.options, nullptr) << value;
    }
    World world;
    std::string behindTheDialog;
    world.ui.whenOptionsShown = [&] {
        behindTheDialog =
            world.server.host + ":" + std::to_string(world.server.port) + ", " +
            world.statusText().lineText(2) + world.statusLast() +
            (world.mainWindow.visible && world.ui.status->win.visible ? ", shown" : "") +
            ", exit image " + std::to_string(world.mainWindow.toolImages[6]);
    };
    world.startWith(
        "[Options]|ConnOnStart=1|[Start]|Open=1|[Last]|Server=irc.example.net|Port=+6697");
    EXPECT_EQ(world.ui.options->shows, std::vector<bool>{true}); // modal
    EXPECT_EQ(
        behindTheDialog,
        "irc.example.net:6697,  >>> ***  Connecting to irc.example.net:+6697, shown, exit image 9");
}

// Texts that are missing read as empty, a bad port as 6667; the log flags
// keep their first character.
TEST(StartUpTest, OptionsFillTheGlobalValues) {
    // settings; full name, e-mail, nick, alternative nick, server, password, language,
    // channel and private log flags, port and scrollback
    const std::pair<const char*, Lines> rows[] = {
        {"[Options]|FullName=Taras Shevchenko|Email=t@example.net|Nick=taras|Alternative=taras_|"
         "Scrollback=0|[Last]|Server=irc.example.net|Port=7000|Password=s3cret|"
         "[Lang]|Name=English.lng|[Logs]|Channels=1abc|Privats= 1",
         {"Taras Shevchenko", "t@example.net", "taras", "taras_", "irc.example.net", "s3cret",
          "English.lng", "1", " ", "7000", "0"}},
        {"", {"", "", "", "", "", "", "", clsINI::NoValue, clsINI::NoValue, "6667", "5000"}},
        {"[Last]|Port=70000|[Logs]|Channels=|[Options]|Scrollback=-1",
         {"", "", "", "", "", "", "", " ", clsINI::NoValue, "6667", "5000"}},
    };
    for (const auto& [settings, texts] : rows) {
        const auto world = started(settings);
        const Globals& g = world->app->globals();
        EXPECT_EQ(
            (Lines{g.FullName, g.Email, g.Nick, g.Alternative, g.Server, g.Password, g.LangName,
                   g.LogChannels, g.LogPrivats, g.ServerPort.text(), std::to_string(g.Scrollback)}),
            texts)
            << settings;
    }
}

// Each value by itself: one that is missing, no number or beyond any screen
// leaves its own property as it was (left 1000, top 2000, 9000 x 7000).
TEST(StartUpTest, PositionValuesApplyOneByOne) {
    const std::pair<const char*, TwipRect> rows[] = {
        {"Top=120|Left=-240.4|Width=abc|Height=4800", {-240, 120, 9000, 4800}},
        {"Top=1e30|Left=12abc|Width=inf|Height=", {1000, 2000, 9000, 7000}},
    };
    for (const auto& [values, box] : rows)
        EXPECT_EQ(started(std::string("[Position]|") + values)->mainWindow.rect, box) << values;
}

// Shutdown saves [Last] and, unless minimised, [Position]: each value where it
// was, or appended.
TEST(StartUpTest, ShutdownSavesTheServerAndThePosition) {
    const std::tuple<const char*, bool, const char*> rows[] = {
        // settings, minimised, settings after
        {"[Options]\nNick=taras\n", false,
         "[Options]|Nick=taras||[Last]|Server=|Port=+6697||"
         "[Position]|Top=450|Left=-300|Width=14400|Height=10800||"},
        {"[last]|PORT=7000|server=old.example.net|[Logs]|Channels=1", true,
         "[last]|PORT=+6697|server=old.example.net||[Logs]|Channels=1||"},
        {"[Position]|Top=1|Left=2|Width=3|Height=4", true,
         "[Position]|Top=1|Left=2|Width=3|Height=4||[Last]|Server=|Port=+6697||"},
        {"[Options]|ConnOnStart=1|[Last]|Server=irc.example.net<My network>", true,
         "[Options]|ConnOnStart=1||[Last]|Server=irc.example.net|Port=+6697||"},
    };
    for (const auto& [settings, minimised, after] : rows) {
        SCOPED_TRACE(settings);
        const auto world = started(settings);
        world->app->globals().ServerPort = IrcPort{6697, true};
        world->mainWindow.rect = TwipRect{-300, 450, 14400, 10800};
        world->mainWindow.minimized = minimised;
        world->app->shutDown();
        EXPECT_EQ(fake::bars(world->files.files["vuvivaz.ini"]), after);
    }
}

// A file that could not be read is said once and never written over.
TEST(StartUpTest, ShutdownClosesEverythingAndKeepsAnUnreadableFile) {
    World world;
    world.files.unreadable.insert("vuvivaz.ini");
    world.startWith("[Options]|Nick=taras|");
    world.app->LoadOptions();
    EXPECT_EQ(world.statusText().lines.size(), 4u);
    EXPECT_EQ(world.statusLast(),
              " *** Не вдалося прочитати vuvivaz.ini: налаштування не буде збережено");
    const int slot = world.app->tables().OpenChannel("#chan");
    world.app->shutDown();
    EXPECT_EQ(fake::bars(world.files.files["vuvivaz.ini"]), "[Options]|Nick=taras|");
    EXPECT_GE(world.identSocket.closes, 1);
    EXPECT_GE(world.server.closes, 1);
    EXPECT_FALSE(world.app->tables().channel(slot).isOpen());
    EXPECT_FALSE(world.ui.status->win.isVisible());
}

} // namespace
} // namespace vz
