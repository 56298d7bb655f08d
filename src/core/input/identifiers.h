// The $ identifiers of typed commands ($me, $chan, $randnick, ...).
#pragma once

#include <string>

namespace vz {

class ProtocolHost;

// The value of identifier `name` ($me, $chan, ...) for a command typed with
// `target` (channel, partner or ""); the name is matched ignoring case and
// unknown or empty names give "".
std::string ExpandIdentifier(ProtocolHost& main, const std::string& target,
                             const std::string& name);

// A nick for $randnick: the start of `nick` followed by random digits.
std::string RandomNick(const std::string& nick);

} // namespace vz
