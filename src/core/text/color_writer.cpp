// The colour writer: display lines into coloured runs for a view, and what is logged.
#include "text/color_writer.h"

#include "text/control_codes.h"

#include <charconv>
#include <cmath>

namespace vz {

namespace {

constexpr std::uint32_t Black = 0x000000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number spelt by the decimal digits at the start of `digits`; 0 for none.
int leadingNumber(std::string_view digits) {
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

// A two-digit line colour "01" to "15" at the start of `text`, or 0.
int lineColour(std::string_view text) {
    if (text.size() < 2 || !isDigit(text[0]) || !isDigit(text[1]))
        return 0;
    const int number = (text[0] - '0') * 10 + (text[1] - '0');
    return number >= 1 && number <= 15 ? number : 0;
}

// Reads collected colour digits ("4", "12", "4,1") as a number with the comma
// as decimal separator, rounded half to even; -1 when it is not such a number.
int readCandidate(std::string_view candidate) {
    const auto comma = candidate.find(',');
    const std::string_view whole = candidate.substr(0, comma);
    if (whole.empty())
        return -1;
    double value = leadingNumber(whole);
    if (comma != std::string_view::npos) {
        const std::string_view fraction = candidate.substr(comma + 1);
        if (fraction.find(',') != std::string_view::npos)
            return -1;
        double scale = 0.1;
        for (const char digit : fraction) {
            value += (digit - '0') * scale;
            scale /= 10;
        }
    }
    return static_cast<int>(std::nearbyint(value));
}

// The writer's state for one line, producing runs of equal attributes.
class RunBuilder {
public:
    explicit RunBuilder(std::uint32_t colour) {
        runs_.push_back(TextRun{" ", TextAttr{}});
        attr_.rgb = colour;
    }

    void feed(char c) {
        if (c == ColourChar) {
            colourOn_ = !colourOn_;
            digits_.clear();
        }
        if (inCode_)
            feedInCode(c);
        else if (c == ColourChar)
            openOrReset();
        else
            applyOrInsert(c);
    }

    std::vector<TextRun> take() { return std::move(runs_); }

private:
    // A colour character outside a code opens one, or resets to black when it
    // closes a colour that was set before.
    void openOrReset() {
        if (colourOn_)
            inCode_ = true;
        else
            attr_.rgb = Black;
    }

    void feedInCode(char c) {
        if (c == ColourChar) {
            colourOn_ = false;
            closeCode();
        } else if (isDigit(c) || c == ',') {
            feedDigit(c);
        } else {
            if (digits_.empty())
                colourOn_ = false;
            else
                setColourFromDigits();
            if (c != ReverseChar)
                applyOrInsert(c);
            closeCode();
        }
    }

    void feedDigit(char c) {
        const bool backgroundFull = isDigit(c) && AfterFirst(digits_, ",").size() >= 2;
        const std::string candidate = digits_ + c;
        const int value = readCandidate(candidate);
        if (backgroundFull || value < 0 || value > 15) {
            setColourFromDigits();
            insert(c);
            closeCode();
            return;
        }
        digits_ = candidate;
    }

    void setColourFromDigits() {
        const std::string foreground = digits_.substr(0, digits_.find(','));
        if (!foreground.empty())
            attr_.rgb = GetColor(leadingNumber(foreground));
    }

    void closeCode() {
        inCode_ = false;
        digits_.clear();
    }

    void applyOrInsert(char c) {
        if (c == BoldChar)
            attr_.bold = !attr_.bold;
        else if (c == UnderlineChar)
            attr_.underline = !attr_.underline;
        else
            insert(c);
    }

    void insert(char c) {
        if (!(runs_.back().attr == attr_))
            runs_.push_back(TextRun{std::string(), attr_});
        runs_.back().text += c;
    }

    std::vector<TextRun> runs_;
    TextAttr attr_;
    bool colourOn_ = false;
    bool inCode_ = false;
    std::string digits_;
};

} // namespace

std::uint32_t GetColor(int number) {
    switch (number) {
    case 0:
        return 0xFFFFFF;
    case 2:
        return 0x00007F;
    case 3:
        return 0x007F00;
    case 4:
        return 0xFF0000;
    case 5:
        return 0x7F0000;
    case 6:
        return 0x7F007F;
    case 7:
        return 0xFF7F00;
    case 8:
        return 0xFFFF00;
    case 9:
        return 0x00FF00;
    case 11:
        return 0x00FFFF;
    case 12:
        return 0x0000FF;
    case 13:
        return 0xFF00FF;
    case 14:
        return 0x5C5C5C;
    case 15:
        return 0xB8B8B8;
    default:
        return Black;
    }
}

std::string AfterFirst(const std::string& text, const std::string& separator) {
    const auto at = text.find(separator);
    return at == std::string::npos ? text : text.substr(at + separator.size());
}

std::vector<TextRun> DisplayLineRuns(std::string_view text, std::uint32_t colour) {
    RunBuilder builder(colour);
    for (const char c : text)
        builder.feed(c);
    return builder.take();
}

ColorWriter::ColorWriter(LogPolicy& log) : log_(log) {}

void ColorWriter::PutColorText(TextView& view, std::string text, const std::string& logName) {
    std::uint32_t colour = Black;
    if (const int number = lineColour(text)) {
        colour = GetColor(number);
        text.erase(0, 2);
    }
    view.appendLine(DisplayLineRuns(text, colour));
    if (!logName.empty() && log_.Logs(logName))
        log_.WriteLog(text, logName);
}

} // namespace vz
