// Which conversations are logged, as the settings say, and where.
#include "config/log_settings.h"

#include "text/log_file.h"

namespace vz {

bool LogSettings::Logs(const std::string& logName) const {
    const bool channel = !logName.empty() && logName.front() == '#';
    return channel ? globals_.LogChannels == "1" : globals_.LogPrivats == "1";
}

namespace {

// Open logs beyond this many (windows renamed many times) are all closed.
constexpr std::size_t MaxOpenLogs = 64;

} // namespace

void LogSettings::WriteLog(const std::string& text, const std::string& logName) {
    const std::string name = LogFileName(logName);
    auto found = open_.find(name);
    if (found == open_.end()) {
        if (open_.size() >= MaxOpenLogs)
            open_.clear();
        found = open_.emplace(name, files_.openAppending(name)).first;
    }
    vz::WriteLog(*found->second, locale_, text);
}

void LogSettings::CloseLog(const std::string& logName) {
    open_.erase(LogFileName(logName));
}

} // namespace vz
