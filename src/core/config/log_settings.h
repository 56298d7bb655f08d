// Which conversations are logged, as the settings say.
#pragma once

#include "config/globals.h"
#include "text/color_writer.h"

namespace vz {

// Channels are logged while [Logs] Channels is "1", private conversations
// while [Logs] Privats is "1". Log files are not written yet.
class LogSettings : public LogPolicy {
public:
    explicit LogSettings(const Globals& globals) : globals_(globals) {}
    bool Logs(const std::string& logName) const override;
    void WriteLog(const std::string&, const std::string&) override {}

private:
    const Globals& globals_;
};

} // namespace vz
