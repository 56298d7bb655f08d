#pragma once

#include "platform/controls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

struct Globals;

constexpr char BoldChar = '\x02';
constexpr char ColourChar = '\x03';
constexpr char UnderlineChar = '\x1F';
constexpr char ReverseChar = '\x16';

// Colour number to 0xRRGGBB; unknown numbers give black.
std::uint32_t GetColor(int number);
// The text after the first `separator`; all of `text` when it has none.
std::string AfterFirst(const std::string& text, const std::string& separator);

// Receives each line that belongs to a channel or private conversation.
class LogWriter {
public:
    virtual ~LogWriter() = default;
    virtual void WriteLog(const std::string& text, const std::string& logName) = 0;
};

// Turns display lines (line colour, colour codes, bold and underline toggles)
// into runs of equal attributes and appends them to a view.
class ColorWriter {
public:
    ColorWriter(const Globals& globals, LogWriter& log);

    // Appends one display line; logs it under `logName` when that log is on.
    void PutColorText(TextView& view, std::string text, const std::string& logName);

private:
    const Globals& globals_;
    LogWriter& log_;
};

// The runs of one display line, the leading blank included. `text` is the
// line after its line colour was taken off; `colour` is that colour.
std::vector<TextRun> DisplayLineRuns(std::string_view text, std::uint32_t colour);

} // namespace vz
