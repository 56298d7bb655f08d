// Plug-in libraries through the dynamic linker (dlopen and dlsym).
#include "dl_plugin_loader.h"

#include "vuvivaz/plugin.h"

#include <dlfcn.h>

namespace vz {

namespace {

// The library's functions, as include/vuvivaz/plugin.h declares them.
struct PluginFunctions {
    decltype(&vuvivaz_create) create = nullptr;
    decltype(&vuvivaz_name) name = nullptr;
    decltype(&vuvivaz_plugin) plugin = nullptr;
    decltype(&vuvivaz_release) release = nullptr;
};

class DlPluginObject : public PluginObject {
public:
    DlPluginObject(const PluginFunctions& functions, vuvivaz_object* object)
        : functions_(functions), object_(object) {}
    ~DlPluginObject() override { functions_.release(object_); }

    std::optional<std::string> name() override {
        const char* text = functions_.name(object_);
        return text == nullptr ? std::nullopt : std::optional<std::string>(text);
    }
    bool plugin() override { return functions_.plugin(object_) == 0; }

private:
    PluginFunctions functions_;
    vuvivaz_object* object_;
};

PluginError dlError(int number) {
    const char* text = dlerror();
    return {number, text == nullptr ? "unknown error" : text};
}

// Finds `symbol` in `library` and stores it in `function`; false when it is missing.
template <class Function> bool find(void* library, const char* symbol, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, symbol));
    return function != nullptr;
}

} // namespace

CreatedPlugin DlPluginLoader::create(const std::string& path, const std::string& className) {
    // Every dependency is bound now, so a missing one shows here and not at a later call.
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return {nullptr, dlError(VUVIVAZ_ERROR_LOAD)};
    PluginFunctions functions;
    if (!find(library, VUVIVAZ_CREATE_SYMBOL, functions.create) ||
        !find(library, VUVIVAZ_NAME_SYMBOL, functions.name) ||
        !find(library, VUVIVAZ_PLUGIN_SYMBOL, functions.plugin) ||
        !find(library, VUVIVAZ_RELEASE_SYMBOL, functions.release))
        return {nullptr, dlError(VUVIVAZ_ERROR_SYMBOL)};
    vuvivaz_object* object = functions.create(className.c_str());
    if (object == nullptr)
        return {nullptr, {VUVIVAZ_ERROR_CLASS, path + ": no class " + className}};
    return {std::make_unique<DlPluginObject>(functions, object), {}};
}

} // namespace vz
