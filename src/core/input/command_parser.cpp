#include "input/command_parser.h"

#include "app/frm_main.h"

namespace vz {

std::string GetWords(const std::vector<std::string>&, int, int) { return {}; }

CommandParser::CommandParser(frmMain& main) : main_(main) {}

std::string CommandParser::ParseCommand(const std::string&, const std::string&) { return {}; }

} // namespace vz
