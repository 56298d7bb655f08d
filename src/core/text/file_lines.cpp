// The lines of a text file.
#include "text/file_lines.h"

#include "text/codec.h"

namespace vz {

std::vector<std::string> FileLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", from), bytes.size());
        lines.push_back(decodeLine(bytes.substr(from, end - from)));
        from = end + (bytes.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

} // namespace vz
