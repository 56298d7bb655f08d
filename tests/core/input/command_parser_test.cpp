#include "fakes/fake_platform.h"
#include "input/command_parser.h"

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vz {
namespace {

using ::testing::ElementsAre;

// Started as "me" with [Last] Port=6668, not yet connected.
struct CommandParserTest : ::testing::Test {
    CommandParserTest() { world.startWith("[Options]|Nick=me|[Last]|Server=irc.test|Port=6668|"); }
    std::string parse(const std::string& line, const std::string& target = "") {
        return world.app->ParseCommand(target, line);
    }
    fake::FakeWorld world;
};

// A line typed in the window of `target`, the line for the server and the
// command word shown in the status window.
struct Row {
    const char* name;
    std::string typed, target, out, echo;
};

const Row Rows[] = {
    {"msg", "msg bob hi there", "", "PRIVMSG bob :hi there", " msg"},
    {"query", "query bob hi there", "", "PRIVMSG bob :hi there", " query"},
    {"notice", "notice bob psst", "", "NOTICE bob :psst", " notice"},
    {"id", "id secret", "", "PRIVMSG NickServ :IDENTIFY secret", " id"},
    {"nick", "nick other", "", "NICK other", " nick"},
    {"me", "me waves", "#a", "PRIVMSG #a :\001ACTION waves\001", " me"},
    {"a command alone is its own rest", "quit", "", "QUIT :quit", " quit"},
    {"quit with a reason", "quit see you", "", "QUIT :see you", " quit"},
    {"part without a window", "part #gone", "", "PART #gone", " part"},
    {"topic keeps the raw text", "topic hello $me", "#a", "TOPIC #a :hello $me", " topic"},
    {"names keeps the typed word", "NAMES #x", "", "NAMES #x", " names"},
    {"list drops its arguments", "list #x", "", "LIST ", " list"},
    {"raw", "RAW privmsg #a :hi", "", "privmsg #a :hi", " raw"},
    {"others pass through", "ПРИВІТ всім", "", "ПРИВІТ всім", " привіт"},
    {"empty line", "", "", " ", " "},
    {"two blanks give an empty word", "msg  bob hi", "", "PRIVMSG  :bob hi", " msg"},
    {"$+ joins its neighbours", "msg bob a $+ b", "", "PRIVMSG bob :ab", " msg"},
    {"$+ first", "raw $+ x", "", "x", " raw"},
    {"$+ twice over whole characters", "raw ж $+ $+ і", "", "і", " raw"},
    {"identifiers ignore case", "msg bob in $Chan $ME", "#a", "PRIVMSG bob :in #a me", " msg"},
    {"other names of the target", "raw $CHANNEL $ch", "bob", "bob bob", " raw"},
    {"no target", "msg bob $chan", "", "PRIVMSG bob :", " msg"},
    {"an unknown name keeps its blanks", "msg bob a $nosuch b", "", "PRIVMSG bob :a  b", " msg"},
    {"so does a lone $", "msg bob a $ b", "", "PRIVMSG bob :a  b", " msg"},
    {"version", "raw $version", "", "1.15", " raw"},
    {"date and time", "raw $date $Time", "", "06.12.2026 21:30:00", " raw"},
    {"no server without a connection", "raw $server $port", "", " ", " raw"},
};

TEST_F(CommandParserTest, TypedLinesBecomeServerLines) {
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.name);
        const int rounds = world.pump.rounds;
        EXPECT_EQ(parse(row.typed, row.target), row.out);
        EXPECT_EQ(world.statusLast(), row.echo);
        EXPECT_EQ(world.pump.rounds, rounds + 2);
    }
    EXPECT_TRUE(world.app->globals().NamesRequested);
    EXPECT_TRUE(world.server.sent.empty());
}

TEST_F(CommandParserTest, RandNickKeepsSixWholeCharactersAndAddsThreeDigits) {
    // The nick, and what is kept of it.
    const std::pair<const char*, std::string> rows[] = {
        {"verylongnick", "verylo"}, {"Олександр", "Олекса"}, {"bo", "bo"}, {"", "Guest"}};
    for (const auto& [nick, kept] : rows) {
        world.app->globals().Nick = nick;
        EXPECT_THAT(parse("raw $RandNick"), ::testing::MatchesRegex(kept + "[0-9]{3}")) << nick;
    }
    EXPECT_EQ(parse("raw $me"), "");
}

TEST_F(CommandParserTest, ServerReconnectsToTheHostAndAValidPort) {
    // Typed after "server ", and the port taken; the port before is 7000.
    const std::pair<const char*, const char*> rows[] = {
        {"h1:6669", "6669"}, {"h2", "6668"},    {"h3:abc", "6668"},    {"h4:70000", "7000"},
        {"h5:0", "7000"},    {"h6:1", "1"},     {"h7:65535", "65535"}, {"h8: +6697 ", "+6697"},
        {"h9:-5", "7000"},   {"hA:+0", "7000"}, {"hB:+x", "6668"}};
    for (const auto& [typed, port] : rows) {
        world.app->globals().ServerPort = IrcPort{7000};
        EXPECT_EQ(parse(std::string("server ") + typed), "");
        EXPECT_EQ(parse("raw $server $port"), std::string(typed, 2) + " " + port);
    }
}

TEST_F(CommandParserTest, PartAndJoinSendTheirLines) {
    world.connect();
    world.serverSays(":me!u@h JOIN :#a");
    world.takeSent();
    EXPECT_EQ(parse("part #A bye now"), "PART #A :bye now"); // the window sends its own PART first
    EXPECT_THAT(world.takeSent(), ElementsAre("PART #a"));
    EXPECT_FALSE(world.app->tables().ChannelExists("#a"));
    std::vector<std::vector<std::string>> seenByEvents;
    std::function<void()> watch = [&] {
        seenByEvents.push_back(world.server.sentLines());
        world.pump.post(watch);
    };
    world.pump.post(watch);
    EXPECT_EQ(parse("join #a,#b key"), ""); // each channel its own JOIN, events running between
    EXPECT_THAT(world.takeSent(), ElementsAre("JOIN #a", "JOIN #b key"));
    EXPECT_THAT(world.pump.waits, ElementsAre(800, 800));
    EXPECT_THAT(seenByEvents, ::testing::Contains(ElementsAre("JOIN #a")));
    world.pump.queued.clear();
}

} // namespace
} // namespace vz
