#include "config/log_settings.h"
#include "fakes/fake_platform.h"
#include "text/color_writer.h"
#include "text/control_codes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

namespace vz {
namespace {

// In the texts of these tests ^ stands for the colour character, * for bold,
// _ for underline and ~ for reverse.
std::string codes(std::string text) {
    const std::string marks = "^*_~", chars = {ColourChar, BoldChar, UnderlineChar, ReverseChar};
    for (char& c : text)
        if (const auto at = marks.find(c); at != std::string::npos)
            c = chars[at];
    return text;
}

class RecordingLog : public LogSettings {
public:
    using LogSettings::LogSettings;
    void WriteLog(const std::string& text, const std::string& logName) override {
        entries.push_back(logName + "|" + text);
    }
    std::vector<std::string> entries;
};

class ColorWriterTest : public ::testing::Test {
protected:
    // The runs of the written line, each as "[text|#rrggbb bold underline]"
    // with black and plain left out.
    std::string write(const std::string& line, const std::string& logName = "") {
        writer.PutColorText(view, codes(line), logName);
        std::string out;
        for (const TextRun& run : view.lines.back()) {
            char rgb[16];
            std::snprintf(rgb, sizeof rgb, "|#%06x", static_cast<unsigned>(run.attr.rgb));
            out += "[" + run.text + (run.attr.rgb ? rgb : "") + (run.attr.bold ? " bold" : "") +
                   (run.attr.underline ? " underline" : "") + "]";
        }
        return out;
    }
    Globals globals;
    fake::FakeFiles files;
    fake::FakeLocale locale;
    RecordingLog log{globals, files, locale};
    ColorWriter writer{log};
    fake::FakeTextView view;
};

// Each row is followed by a plain line, which must not inherit anything.
TEST_F(ColorWriterTest, DisplayLinesBecomeRunsBehindABlackBlank) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        // name, line, runs
        {"empty", "", "[ ]"},
        {"plain", "plain", "[ plain]"},
        {"line colour taken off", "06hello", "[ ][hello|#7f007f]"},
        {"00 is no line colour", "00hello", "[ 00hello]"},
        {"16 is no line colour", "16x", "[ 16x]"},
        {"one digit is no line colour", "6x", "[ 6x]"},
        {"colour code", "^4red", "[ ][red|#ff0000]"},
        {"12 then a digit", "^123", "[ ][3|#0000ff]"},
        {"16 is no colour: 1 (black) and a 6", "^16", "[ 6]"},
        {"10 is black", "^10x", "[ x]"},
        {"background", "^4,1text", "[ ][text|#ff0000]"},
        {"background has two digits at most", "^4,123", "[ ][3|#ff0000]"},
        {"4,12 reads as 4.12", "^4,12x", "[ ][x|#ff0000]"},
        {"second comma ends the code", "^4,1,x", "[ ][,x|#ff0000]"},
        {"no foreground: no code", "^,5x", "[ ,5x]"},
        {"codes do not chain", "^4red^12blue", "[ ][red|#ff0000][12blue]"},
        {"a third colour character opens again", "^4a^b^9c", "[ ][a|#ff0000][b][c|#00ff00]"},
        {"colour characters are never shown", "^hello", "[ hello]"},
        {"two colour characters", "^^x", "[ x]"},
        {"colour closed at once", "^4^x", "[ x]"},
        {"and the next opens again", "^4^x^5y", "[ x][y|#7f0000]"},
        {"reverse is kept outside a code", "a~b", "[ a~b]"},
        {"reverse closing a code is dropped", "^4~x", "[ ][x|#ff0000]"},
        {"bold and underline toggle", "*nick*_:_\ttext", "[ ][nick bold][: underline][\ttext]"},
        {"bold to the end", "*bold", "[ ][bold bold]"},
        {"bold closing a code", "^4*x", "[ ][x|#ff0000 bold]"},
        {"multi-byte text stays whole", "03Привіт ^4червоний",
         "[ ][Привіт |#007f00][червоний|#ff0000]"},
    };
    for (const auto& [name, line, runs] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(write(line), codes(runs));
        EXPECT_EQ(write("next"), "[ next]");
    }
}

TEST_F(ColorWriterTest, LogsTheTextWithoutLineColourWhenTheLogIsOn) {
    globals.LogChannels = "1";
    globals.LogPrivats = "0";
    write("06hello", "#chan");
    write("03private", "bob");
    write("status line", "");
    EXPECT_EQ(log.entries, std::vector<std::string>{"#chan|hello"});
    globals.LogPrivats = "1";
    write("*bob* hi", "bob");
    EXPECT_EQ(log.entries.back(), codes("bob|*bob* hi"));
}

} // namespace
} // namespace vz
