#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "input/command_parser.h"
#include "text/words.h"
#include "windows/frm_chat.h"

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vz {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class CommandParserTest : public ::testing::Test {
protected:
    CommandParserTest() {
        world.files.files["vuvivaz.ini"] =
            "[Options]\r\nNick=me\r\n[Last]\r\nServer=irc.test\r\nPort=6668\r\n";
        world.start();
        world.connect();
        world.takeSent();
    }
    std::string parse(const std::string& line, const std::string& target = "") {
        return world.app->ParseCommand(target, line);
    }

    fake::FakeWorld world;
};

TEST(GetWordsTest, JoinsTheRangeAndDropsCarriageReturns) {
    const std::vector<std::string> words{"", "a", "b\r", "c"};
    EXPECT_EQ(GetWords(words, 1, -1), "a b c");
    EXPECT_EQ(GetWords(words, 2, 2), "b");
    EXPECT_EQ(GetWords(words, 0, 1), "");
    EXPECT_EQ(GetWords(words, 2, 4), "");
    EXPECT_EQ(GetWords(words, 3, 2), "");
}

TEST_F(CommandParserTest, MessagesAndNoticesTakeTheFirstWordAsTarget) {
    EXPECT_EQ(parse("msg bob hi there"), "PRIVMSG bob :hi there");
    EXPECT_EQ(parse("msg bob"), "PRIVMSG bob :");
    EXPECT_EQ(parse("query bob hi there"), "PRIVMSG bob :hi there");
    EXPECT_EQ(parse("notice bob psst"), "NOTICE bob :psst");
    EXPECT_EQ(parse("id secret"), "PRIVMSG NickServ :IDENTIFY secret");
    EXPECT_EQ(parse("nick other"), "NICK other");
}

TEST_F(CommandParserTest, CommandAloneIsItsOwnRest) {
    EXPECT_EQ(parse("quit"), "QUIT :quit");
    EXPECT_EQ(parse("part"), "PART part");
    EXPECT_EQ(parse("quit see you"), "QUIT :see you");
}

TEST_F(CommandParserTest, DollarPlusJoinsItsNeighbours) {
    EXPECT_EQ(parse("msg bob a $+ b"), "PRIVMSG bob :ab");
    EXPECT_EQ(parse("raw $+ x"), "x");
    EXPECT_EQ(parse("raw ж $+ $+ і"), "і");
}

TEST_F(CommandParserTest, TwoBlanksGiveAnEmptyWord) {
    EXPECT_EQ(parse("msg  bob hi"), "PRIVMSG  :bob hi");
}

TEST_F(CommandParserTest, IdentifiersExpandButTopicKeepsTheRawText) {
    EXPECT_EQ(parse("msg bob in $chan now", "#a"), "PRIVMSG bob :in #a now");
    EXPECT_EQ(parse("msg bob $nosuch x", "#a"), "PRIVMSG bob : x");
    EXPECT_EQ(parse("topic hello $me", "#a"), "TOPIC #a :hello $me");
    EXPECT_EQ(parse("me waves", "#a"), "PRIVMSG #a :\x01"
                                       "ACTION waves\x01");
}

TEST_F(CommandParserTest, NamesRequestsTheListingAndKeepsTheTypedWord) {
    EXPECT_EQ(parse("names #x"), "names #x");
    EXPECT_TRUE(world.app->globals().NamesRequested);
    EXPECT_EQ(parse("NAMES #x"), "NAMES #x");
}

TEST_F(CommandParserTest, UnknownCommandsPassThroughAndListIgnoresArguments) {
    EXPECT_EQ(parse("WhoIs bob"), "WhoIs bob");
    EXPECT_EQ(parse("list #x"), "LIST ");
    EXPECT_EQ(parse("RAW privmsg #a :hi"), "privmsg #a :hi");
}

TEST_F(CommandParserTest, EveryCommandWordIsEchoedInLowerCase) {
    parse("WhoIs bob");
    EXPECT_EQ(world.statusLast(), " whois");
    parse("ПРИВІТ всім");
    EXPECT_EQ(world.statusLast(), " привіт");
    EXPECT_EQ(parse(""), " ");
    EXPECT_EQ(world.statusLast(), " ");
}

TEST_F(CommandParserTest, PendingEventsRunTwicePerCommand) {
    const int before = world.pump.rounds;
    parse("msg bob hi");
    EXPECT_EQ(world.pump.rounds, before + 2);
}

TEST_F(CommandParserTest, PartClosesTheWindowFirst) {
    world.serverSays(":me!u@h JOIN :#a");
    world.takeSent();
    EXPECT_EQ(parse("part #A bye now"), "PART #A :bye now");
    EXPECT_THAT(world.takeSent(), ElementsAre("PART #a"));
    EXPECT_FALSE(world.app->tables().ChannelExists("#a"));
    EXPECT_EQ(parse("part #gone"), "PART #gone");
    EXPECT_THAT(world.takeSent(), IsEmpty());
}

TEST_F(CommandParserTest, ServerWithPortReconnectsThere) {
    EXPECT_EQ(parse("server irc.example.net:7000"), "");
    EXPECT_EQ(world.server.host, "irc.example.net");
    EXPECT_EQ(world.server.port, 7000);
    EXPECT_EQ(world.app->globals().Server, "irc.example.net");
    EXPECT_EQ(world.app->globals().ServerPort, 7000);
}

TEST_F(CommandParserTest, ServerWithoutPortTakesTheLastPort) {
    world.app->globals().ServerPort = 7000;
    parse("server irc.example.net");
    EXPECT_EQ(world.server.port, 6668);
    world.app->globals().ServerPort = 7000;
    parse("server irc.example.net:abc");
    EXPECT_EQ(world.server.port, 6668);
}

TEST_F(CommandParserTest, ServerPortOutOfRangeKeepsThePort) {
    world.app->globals().ServerPort = 7000;
    parse("server irc.example.net:70000");
    EXPECT_EQ(world.server.port, 7000);
    parse("server irc.example.net:0");
    EXPECT_EQ(world.server.port, 7000);
    parse("server irc.example.net:65535");
    EXPECT_EQ(world.server.port, 65535);
}

TEST_F(CommandParserTest, JoinSendsEachChannelAndKeepsEventsRunningBetween) {
    std::vector<std::vector<std::string>> seenByEvents;
    std::function<void()> watch = [&] {
        seenByEvents.push_back(world.server.sentLines());
        world.pump.post(watch);
    };
    world.pump.post(watch);
    EXPECT_EQ(parse("join #a,#b key"), "");
    EXPECT_THAT(world.takeSent(), ElementsAre("JOIN #a", "JOIN #b key"));
    EXPECT_THAT(world.pump.waits, ElementsAre(800, 800));
    EXPECT_THAT(seenByEvents, Contains(ElementsAre("JOIN #a")));
    world.pump.queued.clear();
}

} // namespace
} // namespace vz
