// Plug-in libraries through the dynamic linker (dlopen and dlsym).
#pragma once

#include "platform/plugin_loader.h"

namespace vz {

// Loads a plug-in library with dlopen, finds the functions of
// include/vuvivaz/plugin.h with dlsym and never unloads the library, so the
// objects and code it hands out stay valid for the whole run.
class DlPluginLoader : public PluginLoader {
public:
    CreatedPlugin create(const std::string& path, const std::string& className) override;
};

} // namespace vz
