#include "windows/membership.h"

namespace vz {

std::string FormatNick(const UserEntry& entry) { return entry.strNick; }
std::string StripPrefix(const std::string& text) { return text; }

} // namespace vz
