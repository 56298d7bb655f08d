// Which conversations are logged, as the settings say, and where.
#pragma once

#include "config/globals.h"
#include "text/color_writer.h"

namespace vz {

class FileSystem;
class LocaleFormat;

// Channels are logged while [Logs] Channels is "1", private conversations
// while [Logs] Privats is "1"; each line goes to the conversation's log file.
class LogSettings : public LogPolicy {
public:
    LogSettings(const Globals& globals, FileSystem& files, const LocaleFormat& locale)
        : globals_(globals), files_(files), locale_(locale) {}
    bool Logs(const std::string& logName) const override;
    void WriteLog(const std::string& text, const std::string& logName) override;

private:
    const Globals& globals_;
    FileSystem& files_;
    const LocaleFormat& locale_;
};

} // namespace vz
