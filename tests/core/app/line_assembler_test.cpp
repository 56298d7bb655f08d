#include "app/line_assembler.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

using Lines = std::vector<std::string>;

TEST(LineAssembler, CutsAtLineFeedsAndKeepsCarriageReturns) {
    LineAssembler lines;
    EXPECT_EQ(lines.feed("A\r\nB\r\nC"), (Lines{"A\r", "B\r"}));
    EXPECT_EQ(lines.feed("\r\n"), Lines{"C\r"});
    EXPECT_EQ(lines.feed("\n"), Lines{""});
}

TEST(LineAssembler, JoinsALineSplitOverReads) {
    LineAssembler lines;
    EXPECT_EQ(lines.feed(":s PRIVMSG #c :hel"), Lines{});
    EXPECT_EQ(lines.feed("lo wor"), Lines{});
    EXPECT_EQ(lines.feed("ld\r\nPING :x\r\n"),
              (Lines{":s PRIVMSG #c :hello world\r", "PING :x\r"}));
}

TEST(LineAssembler, OverlongLineIsCutAndTheRestDropped) {
    LineAssembler lines;
    const std::string big(LineAssembler::MaxLineBytes + 100, 'x');
    const Lines out = lines.feed(big);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].size(), LineAssembler::MaxLineBytes);
    EXPECT_EQ(lines.feed(std::string(500000, 'y')), Lines{});
    EXPECT_EQ(lines.feed("tail\nnext\n"), Lines{"next"});
}

TEST(LineAssembler, OverlongLineIsCutBackToAWholeCharacter) {
    LineAssembler lines;
    std::string big(LineAssembler::MaxLineBytes - 1, 'x');
    big += "ї and more";
    const Lines out = lines.feed(big);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].size(), LineAssembler::MaxLineBytes - 1);
}

TEST(LineAssembler, ResetForgetsAnIncompleteTail) {
    LineAssembler lines;
    lines.feed("half");
    lines.reset();
    EXPECT_EQ(lines.feed("new\n"), Lines{"new"});
}

} // namespace
} // namespace vz
