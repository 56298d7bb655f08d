#pragma once

#include "platform/plugin_loader.h"
#include "vuvivaz/plugin.h"

#include <map>
#include <string>

namespace vz::fake {

// Plug-in classes by name with the names their objects will give (nothing:
// reading the name fails); creating any other class fails.
class FakePluginLoader : public PluginLoader {
public:
    CreatedPlugin create(const std::string&, const std::string& className) override {
        if (classes.count(className) == 0)
            return {nullptr, {VUVIVAZ_ERROR_CLASS, "no class " + className}};
        return {std::make_unique<Object>(*this, className), {}};
    }

    std::map<std::string, std::optional<std::string>> classes;
    std::string started; // the class of the object started last

private:
    struct Object : PluginObject {
        Object(FakePluginLoader& owner, const std::string& made)
            : loader(owner), className(made), given(owner.classes.at(made)) {}
        std::optional<std::string> name() override { return given; }
        bool plugin() override {
            loader.started = className;
            return true;
        }
        FakePluginLoader& loader;
        std::string className;
        std::optional<std::string> given;
    };
};

} // namespace vz::fake
