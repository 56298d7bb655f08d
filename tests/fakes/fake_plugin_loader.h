#pragma once

#include "platform/plugin_loader.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vz::fake {

// Plug-in classes by name; creating one that is not here fails with
// VUVIVAZ_ERROR_CLASS.
class FakePluginLoader : public PluginLoader {
public:
    struct Class {
        std::optional<std::string> name; // nothing: reading the name fails
        bool startFails = false;
    };

    CreatedPlugin create(const std::string& path, const std::string& className) override;

    std::map<std::string, Class> classes;
    std::vector<std::string> loaded;  // the library paths, in order
    std::vector<std::string> started; // the class of each object started
    int alive = 0;                    // objects made and not yet released
};

} // namespace vz::fake
