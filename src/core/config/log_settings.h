// Which conversations are logged, as the settings say, and where.
#pragma once

#include "config/globals.h"
#include "platform/file_system.h"
#include "text/color_writer.h"

#include <map>
#include <memory>
#include <string>

namespace vz {

class FileSystem;
class LocaleFormat;

// Channels are logged while [Logs] Channels is "1", private conversations
// while [Logs] Privats is "1"; each line goes to the conversation's log file.
// A log stays open between entries, each entry flushed, until its window
// closes, so a flood does not open and close the file for every line.
class LogSettings : public LogPolicy {
public:
    LogSettings(const Globals& globals, FileSystem& files, const LocaleFormat& locale)
        : globals_(globals), files_(files), locale_(locale) {}
    bool Logs(const std::string& logName) const override;
    void WriteLog(const std::string& text, const std::string& logName) override;
    // The window of `logName` closed: its log file is closed.
    void CloseLog(const std::string& logName);

private:
    const Globals& globals_;
    FileSystem& files_;
    const LocaleFormat& locale_;
    // Open logs by file name.
    std::map<std::string, std::unique_ptr<AppendingFile>> open_;
};

} // namespace vz
