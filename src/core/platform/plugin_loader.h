// Loading plug-in libraries and creating their objects.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace vz {

// One plug-in object; destroying it releases the object.
class PluginObject {
public:
    PluginObject() = default;
    PluginObject(const PluginObject&) = delete;
    PluginObject& operator=(const PluginObject&) = delete;
    virtual ~PluginObject() = default;

    // The object's `name`; nothing when the call fails.
    virtual std::optional<std::string> name() = 0;
    // Calls `plugin` and waits for it; false when the call fails.
    virtual bool plugin() = 0;
};

// Why no object was made: a number of include/vuvivaz/plugin.h and a text.
struct PluginError {
    int number = 0;
    std::string description;
};

// An object, or the error that kept it from being made.
struct CreatedPlugin {
    std::unique_ptr<PluginObject> object;
    PluginError error;
};

class PluginLoader {
public:
    PluginLoader() = default;
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;
    virtual ~PluginLoader() = default;

    // Loads the library file `path` (relative to the working directory; it
    // stays loaded) and creates its object of class `className`.
    virtual CreatedPlugin create(const std::string& path, const std::string& className) = 0;
};

} // namespace vz
