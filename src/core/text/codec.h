// Text encodings: UTF-8 kept, Windows-1251 decoded.
#pragma once

#include <string>
#include <string_view>

namespace vz {

// Decodes one line of bytes from the server or a file: valid UTF-8 stays as
// it is, anything else is read as Windows-1251.
std::string decodeLine(std::string_view bytes);
std::string fromWindows1251(std::string_view bytes);

} // namespace vz
