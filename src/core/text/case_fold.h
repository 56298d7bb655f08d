// Comparing names ignoring case, for Latin, Greek and Cyrillic.
#pragma once

#include <string>
#include <string_view>

namespace vz {

// Simple case folding for Latin, Latin-1, Latin Extended-A, Greek and
// Cyrillic (Ukrainian letters included). Other characters stay as they are.
char32_t foldCodePoint(char32_t cp);
std::string foldCase(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace vz
