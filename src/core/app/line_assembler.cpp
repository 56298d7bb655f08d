// Cutting the bytes the server sends into whole lines.
#include "app/line_assembler.h"

#include "text/utf8.h"

namespace vz {

std::vector<std::string> LineAssembler::feed(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t feedAt = bytes.find('\n', pos);
        const bool complete = feedAt != std::string_view::npos;
        const std::size_t end = complete ? feedAt : bytes.size();
        if (!discarding_)
            pending_.append(bytes.substr(pos, end - pos));
        if (pending_.size() > MaxLineBytes) {
            pending_.resize(utf8::cutBackToWhole(pending_, MaxLineBytes));
            lines.push_back(std::move(pending_));
            pending_.clear();
            discarding_ = true;
        }
        if (complete) {
            if (!discarding_)
                lines.push_back(std::move(pending_));
            pending_.clear();
            discarding_ = false;
        }
        pos = end + (complete ? 1 : 0);
    }
    return lines;
}

void LineAssembler::reset() {
    pending_.clear();
    discarding_ = false;
}

} // namespace vz
