#pragma once

#include <string>

namespace vz {

class frmMain;

// The [Main] text of the language file under `key`, or `builtIn` while the
// language file has none.
std::string MainText(frmMain& main, const std::string& key, const char* builtIn);

} // namespace vz
