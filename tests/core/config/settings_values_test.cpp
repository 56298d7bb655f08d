#include "config/settings_values.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vz {
namespace {

// A port is digits with an optional "+" for TLS, kept when written back.
TEST(SettingsValuesTest, NumbersAreReadOnlyWhenTheWholeTextIsOne) {
    for (const char* port : {"6697", "+6697", "65535", "+1"})
        EXPECT_EQ(ParsePort(port).value_or(IrcPort{}).text(), port);
    for (const char* bad :
         {"", "0", "+0", "65536", "-1", "+", "++1", " 6667", "6667 ", "66x", "99999999999"})
        EXPECT_EQ(ParsePort(bad), std::nullopt) << bad;
    EXPECT_EQ(ScrollbackOrDefault("0"), 0); // no bound
    EXPECT_EQ(ScrollbackOrDefault("-1"), DefaultScrollback);
    EXPECT_EQ(ScrollbackOrDefault("200x"), DefaultScrollback);
    for (const auto& [text, value] :
         {std::pair{"1440", 1440.0f}, {"-1234.5", -1234.5f}, {"+15", 15.0f}, {"1e3", 1000.0f}})
        EXPECT_EQ(ParseSingle(text), value);
    for (const char* bad : {"", "12abc", "abc", " 12", "12 ", "1,5", "+", "+-1", "inf", "nan"})
        EXPECT_EQ(ParseSingle(bad), std::nullopt) << bad;
    EXPECT_EQ(ParseTwips("1234.5"), 1235);
    EXPECT_EQ(ParseTwips("-120"), -120);
    EXPECT_EQ(ParseTwips("1e30"), std::nullopt); // no window is that big
    EXPECT_EQ(ParseTwips("x"), std::nullopt);
}

TEST(SettingsValuesTest, UserLocaleDoesNotChangeTheDecimalPoint) {
    const char* chosen = nullptr;
    for (const char* name : {"uk_UA.UTF-8", "de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"})
        if (!chosen)
            chosen = std::setlocale(LC_NUMERIC, name);
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string formatted = FormatSingle(1234.5f);
    const auto parsed = ParseSingle("1234.5");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(formatted, "1234.5");
    EXPECT_EQ(parsed, 1234.5f);
}

} // namespace
} // namespace vz
