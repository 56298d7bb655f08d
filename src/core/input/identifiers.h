#pragma once

#include <string>

namespace vz {

class frmMain;

// The value of identifier `name` ($me, $chan, ...); unknown names give "".
std::string ExpandIdentifier(frmMain& main, const std::string& target, const std::string& name);

} // namespace vz
