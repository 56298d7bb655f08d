#include "input/identifiers.h"

#include "app/frm_main.h"
#include "config/ini_store.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class IdentifiersTest : public ::testing::Test {
protected:
    IdentifiersTest() {
        world.start();
        world.app->globals().Nick = "alice";
    }

    std::string expand(const std::string& name, const std::string& target = "") {
        return ExpandIdentifier(*world.app, target, name);
    }
    std::string parse(const std::string& line, const std::string& target = "") {
        return world.app->ParseCommand(target, line);
    }

    fake::FakeWorld world;
};

TEST_F(IdentifiersTest, NamesMatchIgnoringCase) {
    EXPECT_EQ(expand("me"), "alice");
    EXPECT_EQ(expand("ME"), "alice");
    EXPECT_EQ(expand("Chan", "#a"), "#a");
    EXPECT_EQ(expand("CHANNEL", "#a"), "#a");
    EXPECT_EQ(expand("ch", "bob"), "bob");
}

TEST_F(IdentifiersTest, VersionHasNothingBetweenMinorAndRevision) {
    EXPECT_EQ(expand("version"), "1.15");
}

TEST_F(IdentifiersTest, UnknownAndEmptyNamesGiveNothing) {
    EXPECT_EQ(expand("nosuchname"), "");
    EXPECT_EQ(expand(""), "");
    EXPECT_EQ(expand("+"), "");
    EXPECT_EQ(expand("chan"), "");
}

TEST_F(IdentifiersTest, DateAndTimeComeFromTheLocale) {
    world.locale.date = "07.12.2026";
    world.locale.time = "08:15:00";
    EXPECT_EQ(expand("date"), "07.12.2026");
    EXPECT_EQ(expand("Time"), "08:15:00");
}

TEST_F(IdentifiersTest, ServerAndPortAreEmptyWithoutAConnection) {
    EXPECT_EQ(expand("server"), "");
    EXPECT_EQ(expand("port"), "");
}

TEST_F(IdentifiersTest, ServerAndPortAreThoseOfTheConnection) {
    world.app->globals().Server = "irc.example.net";
    world.app->globals().ServerPort = 6697;
    world.connect();
    EXPECT_EQ(expand("server"), "irc.example.net");
    EXPECT_EQ(expand("port"), "6697");
}

TEST_F(IdentifiersTest, WithoutANickRandNickStillGivesOne) {
    world.app->globals().Nick = "";
    EXPECT_EQ(expand("me"), "");
    EXPECT_EQ(expand("randnick").substr(0, 5), "Guest");
}

TEST_F(IdentifiersTest, RandNickIsTheNickWithThreeDigits) {
    world.app->globals().Nick = "verylongnick";
    const std::string nick = expand("randnick");
    ASSERT_EQ(nick.size(), 9u);
    EXPECT_EQ(nick.substr(0, 6), "verylo");
    EXPECT_EQ(nick.find_first_not_of("0123456789", 6), std::string::npos);
}

TEST_F(IdentifiersTest, RandNickKeepsWholeCharacters) {
    EXPECT_EQ(RandomNick("Олександр").substr(0, 12), "Олекса");
    EXPECT_EQ(RandomNick("bo").size(), 5u);
}

TEST_F(IdentifiersTest, TypedCommandsCarryIdentifiers) {
    EXPECT_EQ(parse("msg bob I am $me"), "PRIVMSG bob :I am alice");
    EXPECT_EQ(parse("msg bob $Chan", "#a"), "PRIVMSG bob :#a");
    EXPECT_EQ(parse("msg bob $version"), "PRIVMSG bob :1.15");
}

TEST_F(IdentifiersTest, EmptyValuesKeepTheirBlanksInTypedCommands) {
    EXPECT_EQ(parse("msg bob a $nosuchname b"), "PRIVMSG bob :a  b");
    EXPECT_EQ(parse("msg bob a $ b"), "PRIVMSG bob :a  b");
    EXPECT_EQ(parse("msg bob $chan"), "PRIVMSG bob :");
}

} // namespace
} // namespace vz
