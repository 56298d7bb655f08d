#include "interpret/irc_message.h"
#include "text/words.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// A line; its prefix, nick, user, host and command; its parameter count and parameters.
struct Row {
    const char *name, *line, *parts, *params;
};

const Row Rows[] = {
    {"full prefix", ":n!u@h PRIVMSG #c :hi you", "n!u@h n u h PRIVMSG", "2|#c|hi you"},
    {"server prefix", ":srv1 001 me :Welcome", "srv1   srv1 001", "2|me|Welcome"},
    {"prefix without @", ":a!b PRIVMSG x :y", "a!b a b b PRIVMSG", "2|x|y"},
    {"prefix only", ":lonely", "lonely   lonely lonely", "0"},
    {"command only", "PING", "    PING", "0"},
    {"trailing blank", "MODE #c +o x ", "    MODE", "4|#c|+o|x|"},
    {"two blanks", "CMD a  b", "    CMD", "3|a||b"},
    {"colon at the start", ":a!b@c JOIN :#chan", "a!b@c a b c JOIN", "1|#chan"},
    {"colon inside", "CMD a:b :c d", "    CMD", "2|a:b|c d"},
};

TEST(ParseLine, SplitsPrefixCommandAndParameters) {
    for (const Row& row : Rows) {
        SCOPED_TRACE(row.name);
        IrcMessage msg;
        ParseLine(row.line, msg);
        EXPECT_EQ(msg.strPrefix + " " + msg.strNick + " " + msg.strUser + " " + msg.strHost + " " +
                      msg.strCommand,
                  row.parts);
        std::string params = std::to_string(msg.intCount);
        for (int n = 1; n <= msg.intCount; ++n)
            params += "|" + msg.param(n);
        EXPECT_EQ(params, row.params);
        for (int n : {-5, 0, msg.intCount + 1, 1000})
            EXPECT_EQ(msg.param(n), "") << n;
    }
}

TEST(Words, GetWordsJoinsTheRangeWithoutCarriageReturns) {
    const std::vector<std::string> words{"", "a", "b\r", "c"};
    // {first, last, the words joined}
    const std::tuple<int, int, const char*> rows[] = {{1, -1, "a b c"}, {2, 2, "b"}, {0, 1, ""},
                                                      {0, -1, ""},      {2, 4, ""},  {3, 2, ""}};
    for (const auto& [first, last, joined] : rows)
        EXPECT_EQ(GetWords(words, first, last), joined) << first << ".." << last;
}

// A server list entry's description: between the first "<" and the last character.
TEST(Words, InsideAngleDropsTheLastCharacter) {
    EXPECT_EQ(InsideAngle("<Ex>") + "|" + InsideAngle("irc.a<b") + "|" + InsideAngle("x<"), "Ex||");
}

} // namespace
} // namespace vz
