// Base64 encoding (RFC 4648, with padding).
#pragma once

#include <string>
#include <string_view>

namespace vz {

std::string Base64Encode(std::string_view bytes);

} // namespace vz
