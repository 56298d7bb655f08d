// The program's version number and how it is written.
#include "config/version.h"

namespace vz {

std::string VersionText() {
    return std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) +
           std::to_string(VersionRevision);
}

} // namespace vz
