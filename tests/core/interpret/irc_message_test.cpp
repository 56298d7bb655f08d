#include "interpret/irc_message.h"
#include "text/words.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

IrcMessage parse(const std::string& line) {
    IrcMessage msg;
    ParseLine(line, msg);
    return msg;
}

TEST(ParseLine, FullPrefixCommandAndTrailingParameter) {
    const IrcMessage msg = parse(":n!u@h PRIVMSG #c :hello world");
    EXPECT_EQ(msg.strNick, "n");
    EXPECT_EQ(msg.strUser, "u");
    EXPECT_EQ(msg.strHost, "h");
    EXPECT_EQ(msg.strPrefix, "n!u@h");
    EXPECT_EQ(msg.strCommand, "PRIVMSG");
    EXPECT_EQ(msg.intCount, 2);
    EXPECT_EQ(msg.param(1), "#c");
    EXPECT_EQ(msg.param(2), "hello world");
    EXPECT_EQ(msg.strParams, "#c :hello world");
}

TEST(ParseLine, PrefixForms) {
    const IrcMessage server = parse(":srv1 001 me :Welcome");
    EXPECT_EQ(server.strNick, "");
    EXPECT_EQ(server.strUser, "");
    EXPECT_EQ(server.strHost, "srv1");

    const IrcMessage noAt = parse(":a!b PRIVMSG x :y");
    EXPECT_EQ(noAt.strNick, "a");
    EXPECT_EQ(noAt.strUser, "b");
    EXPECT_EQ(noAt.strHost, "b");

    const IrcMessage prefixOnly = parse(":lonely");
    EXPECT_EQ(prefixOnly.strPrefix, "lonely");
    EXPECT_EQ(prefixOnly.strCommand, "lonely");
    EXPECT_EQ(prefixOnly.intCount, 0);
}

TEST(ParseLine, CommandWithoutParameters) {
    const IrcMessage ping = parse("PING");
    EXPECT_EQ(ping.strCommand, "PING");
    EXPECT_EQ(ping.intCount, 0);
    EXPECT_EQ(ping.param(1), "");
    EXPECT_EQ(JoinParams(ping, 1, -1), "");
}

TEST(ParseLine, BlanksMakeEmptyParameters) {
    const IrcMessage trailing = parse("MODE #c +o x ");
    EXPECT_EQ(trailing.intCount, 4);
    EXPECT_EQ(trailing.param(4), "");
    EXPECT_EQ(JoinParams(trailing, 1, -1), "#c +o x ");

    const IrcMessage doubled = parse("CMD a  b");
    EXPECT_EQ(doubled.intCount, 3);
    EXPECT_EQ(doubled.param(2), "");
    EXPECT_EQ(doubled.param(3), "b");
}

TEST(ParseLine, ColonOnlyMeansTrailingAtTheStartOfAParameter) {
    const IrcMessage join = parse(":a!b@c JOIN :#chan");
    EXPECT_EQ(join.intCount, 1);
    EXPECT_EQ(join.param(1), "#chan");

    const IrcMessage inner = parse("CMD a:b :c d");
    EXPECT_EQ(inner.param(1), "a:b");
    EXPECT_EQ(inner.param(2), "c d");
}

TEST(ParseLine, ParametersBeyondTheCountReadEmpty) {
    const IrcMessage msg = parse(":s 001 me");
    EXPECT_EQ(msg.param(0), "");
    EXPECT_EQ(msg.param(2), "");
    EXPECT_EQ(msg.param(-5), "");
    EXPECT_EQ(msg.param(1000), "");
}

TEST(JoinParams, RangesAndCarriageReturns) {
    const IrcMessage msg = parse("CMD a b\r c");
    EXPECT_EQ(JoinParams(msg, 1, -1), "a b c");
    EXPECT_EQ(JoinParams(msg, 2, 2), "b");
    EXPECT_EQ(JoinParams(msg, 0, -1), "");
    EXPECT_EQ(JoinParams(msg, 2, 4), "");
    EXPECT_EQ(JoinParams(parse("CMD one"), 2, -1), "");
}

TEST(SplitAtFirst, SeparatorFoundOrNot) {
    std::string left, right;
    SplitAtFirst("a b c", ' ', left, right);
    EXPECT_EQ(left, "a");
    EXPECT_EQ(right, "b c");
    SplitAtFirst("abc", ' ', left, right);
    EXPECT_EQ(left, "abc");
    EXPECT_EQ(right, "abc");
    std::string same = "x:y";
    SplitAtFirst(same, ':', left, same);
    EXPECT_EQ(left, "x");
    EXPECT_EQ(same, "y");
}

} // namespace
} // namespace vz
