// The colour writer: display lines into coloured runs for a view, and what is logged.
#pragma once

#include "platform/controls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

// Colour number to 0xRRGGBB; unknown numbers give black.
std::uint32_t GetColor(int number);
// The text after the first `separator`; all of `text` when it has none.
std::string AfterFirst(const std::string& text, const std::string& separator);

// What the writer logs, and where: each line that belongs to a channel or
// private conversation is offered to it.
class LogPolicy {
public:
    virtual ~LogPolicy() = default;
    // Whether the lines of `logName` (a channel when it starts with "#",
    // otherwise a nick) are logged now.
    virtual bool Logs(const std::string& logName) const = 0;
    // Logs one line, without its line colour.
    virtual void WriteLog(const std::string& text, const std::string& logName) = 0;
};

// Turns display lines (line colour, colour codes, bold and underline toggles)
// into runs of equal attributes and appends them to a view.
class ColorWriter {
public:
    explicit ColorWriter(LogPolicy& log);

    // Appends one display line; logs it under `logName` when that log is on.
    void PutColorText(TextView& view, std::string text, const std::string& logName);

private:
    LogPolicy& log_;
};

// The runs of one display line, the leading blank included. `text` is the
// line after its line colour was taken off; `colour` is that colour.
std::vector<TextRun> DisplayLineRuns(std::string_view text, std::uint32_t colour);

} // namespace vz
