// The lines of a text file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vz {

// `bytes` split into lines at CR LF, CR or LF, each decoded (UTF-8 kept,
// anything else read as Windows-1251). A line end at the very end starts no
// further line.
std::vector<std::string> FileLines(std::string_view bytes);

} // namespace vz
