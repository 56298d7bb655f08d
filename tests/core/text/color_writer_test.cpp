#include "config/log_settings.h"
#include "fakes/fake_controls.h"
#include "text/color_writer.h"

#include <gtest/gtest.h>

namespace vz {

void PrintTo(const TextRun& r, std::ostream* os) {
    *os << "{\"" << r.text << "\" #" << std::hex << r.attr.rgb << (r.attr.bold ? " bold" : "")
        << (r.attr.underline ? " underline" : "") << "}";
}

namespace {

constexpr std::uint32_t Black = 0x000000, Red = 0xFF0000, Blue = 0x0000FF, Green = 0x00FF00,
                        Purple = 0x7F007F;

TextRun run(const std::string& text, std::uint32_t rgb, bool bold = false, bool underline = false) {
    return TextRun{text, TextAttr{rgb, bold, underline}};
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
    std::vector<TextRun> write(const std::string& line, const std::string& logName = "") {
        writer.PutColorText(view, line, logName);
        return view.lines.back();
    }
    Globals globals;
    RecordingLog log{globals};
    ColorWriter writer{log};
    fake::FakeTextView view;
};

TEST_F(ColorWriterTest, EveryLineStartsWithABlackBlank) {
    EXPECT_EQ(write(""), std::vector<TextRun>{run(" ", Black)});
    EXPECT_EQ(write("plain"), (std::vector<TextRun>{run(" plain", Black)}));
}

TEST_F(ColorWriterTest, LineColourIsTakenOffTheText) {
    EXPECT_EQ(write("06hello"), (std::vector<TextRun>{run(" ", Black), run("hello", Purple)}));
    EXPECT_EQ(write("00hello"), std::vector<TextRun>{run(" 00hello", Black)});
    EXPECT_EQ(write("16x"), std::vector<TextRun>{run(" 16x", Black)});
    EXPECT_EQ(write("6x"), std::vector<TextRun>{run(" 6x", Black)});
}

TEST_F(ColorWriterTest, ColourCodesFromTheWorkedExamples) {
    EXPECT_EQ(write("\x03"
                    "4red"),
              (std::vector<TextRun>{run(" ", Black), run("red", Red)}));
    EXPECT_EQ(write("\x03"
                    "123"),
              (std::vector<TextRun>{run(" ", Black), run("3", Blue)}));
    EXPECT_EQ(write("\x03"
                    "16"),
              std::vector<TextRun>{run(" 6", Black)});
    EXPECT_EQ(write("\x03"
                    "4,12x"),
              (std::vector<TextRun>{run(" ", Black), run("x", Red)}));
    EXPECT_EQ(write("\x03"
                    "4,1text"),
              (std::vector<TextRun>{run(" ", Black), run("text", Red)}));
}

TEST_F(ColorWriterTest, OneAndTenAreBlackLikeUnknownNumbers) {
    EXPECT_EQ(GetColor(1), Black);
    EXPECT_EQ(GetColor(10), Black);
    EXPECT_EQ(GetColor(99), Black);
    EXPECT_EQ(GetColor(0), 0xFFFFFFu);
    EXPECT_EQ(GetColor(14), 0x5C5C5Cu);
}

TEST_F(ColorWriterTest, CodesDoNotChainButATThirdColourCharacterOpensAgain) {
    EXPECT_EQ(write("\x03"
                    "4red\x03"
                    "12blue"),
              (std::vector<TextRun>{run(" ", Black), run("red", Red), run("12blue", Black)}));
    EXPECT_EQ(
        write("\x03"
              "4a\x03"
              "b\x03"
              "9c"),
        (std::vector<TextRun>{run(" ", Black), run("a", Red), run("b", Black), run("c", Green)}));
}

TEST_F(ColorWriterTest, ColourCharactersAreNeverShown) {
    EXPECT_EQ(write("\x03hello"), std::vector<TextRun>{run(" hello", Black)});
    EXPECT_EQ(write("\x03\x03x"), std::vector<TextRun>{run(" x", Black)});
    EXPECT_EQ(write("\x03"
                    "4\x03x"),
              std::vector<TextRun>{run(" x", Black)});
}

TEST_F(ColorWriterTest, ReverseIsDroppedOnlyWhenItClosesACode) {
    EXPECT_EQ(write("a\x16"
                    "b"),
              std::vector<TextRun>{run(" a\x16"
                                       "b",
                                       Black)});
    EXPECT_EQ(write("\x03"
                    "4\x16x"),
              (std::vector<TextRun>{run(" ", Black), run("x", Red)}));
}

TEST_F(ColorWriterTest, BoldAndUnderlineLastToTheEndOfTheLineOnly) {
    EXPECT_EQ(write("\x02nick\x02\x1F:\x1F\ttext"),
              (std::vector<TextRun>{run(" ", Black), run("nick", Black, true),
                                    run(":", Black, false, true), run("\ttext", Black)}));
    EXPECT_EQ(write("\x02"
                    "bold to the end"),
              (std::vector<TextRun>{run(" ", Black), run("bold to the end", Black, true)}));
    EXPECT_EQ(write("next"), std::vector<TextRun>{run(" next", Black)});
    EXPECT_EQ(write("\x03"
                    "4\x02x"),
              (std::vector<TextRun>{run(" ", Black), run("x", Red, true)}));
}

TEST_F(ColorWriterTest, CommaRulesOfTheColourCode) {
    EXPECT_EQ(write("\x03,5x"), std::vector<TextRun>{run(" ,5x", Black)});
    EXPECT_EQ(write("\x03"
                    "4,1,x"),
              (std::vector<TextRun>{run(" ", Black), run(",x", Red)}));
    EXPECT_EQ(write("\x03"
                    "4,123"),
              (std::vector<TextRun>{run(" ", Black), run("3", Red)}));
}

TEST_F(ColorWriterTest, LogsTheTextWithoutLineColourWhenTheLogIsOn) {
    globals.LogChannels = "1";
    globals.LogPrivats = "0";
    write("06hello", "#chan");
    write("03private", "bob");
    write("status line", "");
    EXPECT_EQ(log.entries, std::vector<std::string>{"#chan|hello"});
    globals.LogPrivats = "1";
    write("\x02"
          "bob\x02 hi",
          "bob");
    EXPECT_EQ(log.entries.back(), "bob|\x02"
                                  "bob\x02 hi");
}

TEST_F(ColorWriterTest, MultiByteTextStaysWhole) {
    EXPECT_EQ(
        write("03Привіт \x03"
              "4червоний"),
        (std::vector<TextRun>{run(" ", Black), run("Привіт ", 0x007F00), run("червоний", Red)}));
}

} // namespace
} // namespace vz
