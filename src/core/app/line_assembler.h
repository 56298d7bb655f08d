// Cutting the bytes the server sends into whole lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

// Joins received bytes into whole lines (cut at line feeds). An incomplete
// tail waits for the next read; after MaxLineBytes without a line feed the
// bytes so far (cut back to a whole UTF-8 character) come out as one line and
// the rest up to the next line feed is dropped.
class LineAssembler {
public:
    static constexpr std::size_t MaxLineBytes = std::size_t{64} * 1024;

    // The complete lines in `bytes`, without their line feeds.
    std::vector<std::string> feed(std::string_view bytes);
    void reset();

private:
    std::string pending_;
    bool discarding_ = false;
};

} // namespace vz
