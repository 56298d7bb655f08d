// Turning what the user typed or pasted into one protocol-safe line.
#pragma once

#include <string>
#include <string_view>

namespace vz {

// `text` with every line break (CR LF, CR or LF) replaced by one blank, so a
// pasted block can never turn into several lines on the wire.
std::string BlanksForLineBreaks(std::string_view text);

} // namespace vz
