// Which conversations are logged, as the settings say, and where.
#include "config/log_settings.h"

#include "text/log_file.h"

namespace vz {

bool LogSettings::Logs(const std::string& logName) const {
    const bool channel = !logName.empty() && logName.front() == '#';
    return channel ? globals_.LogChannels == "1" : globals_.LogPrivats == "1";
}

void LogSettings::WriteLog(const std::string& text, const std::string& logName) {
    vz::WriteLog(files_, locale_, text, logName);
}

} // namespace vz
