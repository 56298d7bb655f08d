#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vz {

class frmMain;

// Turns a typed slash command (without its "/") into one protocol line.
class CommandParser {
public:
    explicit CommandParser(frmMain& main);
    // The returned line goes to SendData, also when it is empty. `join`,
    // `server` and `part` act on their own as well; the command word is
    // echoed in the status window.
    std::string ParseCommand(const std::string& target, const std::string& line);

private:
    std::string expand(const std::string& target, const std::vector<std::string>& typed);

    frmMain& main_;
};

// A line typed into the status window: a "/" command gives the protocol line
// to send; anything else is not sent (only commands can be typed there) and
// gives nothing.
std::optional<std::string> StatusInputLine(frmMain& main, const std::string& typed);

} // namespace vz
