// The slash commands the user can type.
#pragma once

#include <string>
#include <vector>

namespace vz {

class ProtocolHost;

// Turns a typed slash command (without its "/") into one protocol line.
class CommandParser {
public:
    explicit CommandParser(ProtocolHost& main);
    // The returned line goes to SendData, also when it is empty. `join`,
    // `server` and `part` act on their own as well; the command word is
    // echoed in the status window.
    std::string ParseCommand(const std::string& target, const std::string& line);

private:
    std::string expand(const std::string& target, const std::vector<std::string>& typed);

    ProtocolHost& main_;
};

} // namespace vz
