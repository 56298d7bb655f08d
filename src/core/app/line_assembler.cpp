#include "app/line_assembler.h"

namespace vz {

std::vector<std::string> LineAssembler::feed(std::string_view) { return {}; }
void LineAssembler::reset() {
    pending_.clear();
    discarding_ = false;
}

} // namespace vz
