// Which conversations are logged, as the settings say.
#include "config/log_settings.h"

namespace vz {

bool LogSettings::Logs(const std::string& logName) const {
    const bool channel = !logName.empty() && logName.front() == '#';
    return channel ? globals_.LogChannels == "1" : globals_.LogPrivats == "1";
}

} // namespace vz
