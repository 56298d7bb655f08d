#pragma once

#include <string>
#include <vector>

namespace vz {

class frmMain;

// Words first..last (last = -1: the final word) joined by blanks, CRs removed;
// empty when first < 1, last beyond the words, or first > last. Words are
// numbered from 1 (words[0] is unused).
std::string GetWords(const std::vector<std::string>& words, int first, int last);

// Turns a typed slash command (without its "/") into one protocol line.
class CommandParser {
public:
    explicit CommandParser(frmMain& main);
    std::string ParseCommand(const std::string& target, const std::string& line);

private:
    frmMain& main_;
};

} // namespace vz
