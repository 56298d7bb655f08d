#include "config/settings_values.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vz {
namespace {

TEST(SettingsValuesTest, PortsAreWholeNumbersFrom1To65535) {
    EXPECT_EQ(ParsePort("6697"), 6697);
    EXPECT_EQ(ParsePort("65535"), 65535);
    EXPECT_EQ(ParsePort("1"), 1);
    for (const char* bad : {"", "0", "65536", "-1", " 6667", "6667 ", "66x", "99999999999"})
        EXPECT_EQ(ParsePort(bad), std::nullopt) << bad;
}

TEST(SettingsValuesTest, BadPortReadsAsDefault) {
    EXPECT_EQ(PortOrDefault(std::string(1, '\0')), 6667);
    EXPECT_EQ(PortOrDefault("40000"), 40000);
    EXPECT_EQ(PortOrDefault("70000"), 6667);
}

TEST(SettingsValuesTest, SingleReadsOnlyAWholeNumber) {
    EXPECT_EQ(ParseSingle("1440"), 1440.0f);
    EXPECT_EQ(ParseSingle("-1234.5"), -1234.5f);
    EXPECT_EQ(ParseSingle("+15"), 15.0f);
    EXPECT_EQ(ParseSingle("1e3"), 1000.0f);
    for (const char* bad : {"", "12abc", "abc", " 12", "12 ", "1,5", "+", "+-1", "inf", "nan"})
        EXPECT_EQ(ParseSingle(bad), std::nullopt) << bad;
}

TEST(SettingsValuesTest, TwipsRoundAndRejectWhatNoWindowCanHave) {
    EXPECT_EQ(ParseTwips("1234.5"), 1235);
    EXPECT_EQ(ParseTwips("-120"), -120);
    EXPECT_EQ(ParseTwips("1e30"), std::nullopt);
    EXPECT_EQ(ParseTwips("x"), std::nullopt);
}

TEST(SettingsValuesTest, FormatIsShortestAndReadsBack) {
    EXPECT_EQ(FormatSingle(1440.0f), "1440");
    EXPECT_EQ(FormatSingle(1234.5f), "1234.5");
    EXPECT_EQ(FormatSingle(-15.0f), "-15");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    for (const float value : {0.1f, 1.0f / 3.0f, 16777216.0f, -7.25f})
        EXPECT_EQ(ParseSingle(FormatSingle(value)), value);
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
