#include "windows/conversation_lines.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(ConversationLinesTest, RecognisesOnlyTheExactCtcpStarts) {
    EXPECT_TRUE(IsAction("\x01"
                         "ACTION waves\x01"));
    EXPECT_TRUE(IsAction("\x01"
                         "ACTION "));
    EXPECT_FALSE(IsAction("\x01"
                          "ACTION"));
    EXPECT_FALSE(IsAction("\x01"
                          "action waves\x01"));
    EXPECT_TRUE(IsVersionRequest("\x01VERSION\x01 and more"));
    EXPECT_FALSE(IsVersionRequest("\x01VERSION"));
    EXPECT_FALSE(IsVersionRequest(""));
}

TEST(ConversationLinesTest, ActionLineDropsTheMarksAndKeepsCyrillicWhole) {
    EXPECT_EQ(ActionLine("bob", "\x01"
                                "ACTION махає\x01"),
              "06bob махає");
    EXPECT_EQ(ActionLine("bob", "\x01"
                                "ACTION "),
              "06bob ");
    EXPECT_EQ(ActionLine("bob", "\x01"
                                "ACTION ґ"),
              "06bob ");
}

TEST(ConversationLinesTest, MessageLineTrimsTheWholeLineOwnLineDoesNot) {
    EXPECT_EQ(MessageLine("bob", "  hi  "), "\x02"
                                            "bob\x02\x1F:\x1F \t  hi");
    EXPECT_EQ(MessageLine("  ", ""), "\x02  \x02\x1F:\x1F \t");
    EXPECT_EQ(OwnLine("me", "hi  "), "\x02me\x02\x1F:\x1F\thi  ");
}

} // namespace
} // namespace vz
