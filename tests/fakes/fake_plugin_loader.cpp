#include "fakes/fake_plugin_loader.h"

#include "vuvivaz/plugin.h"

namespace vz::fake {

namespace {

class FakePluginObject : public PluginObject {
public:
    FakePluginObject(FakePluginLoader& loader, std::string className)
        : loader_(loader), className_(std::move(className)) {
        ++loader_.alive;
    }
    ~FakePluginObject() override { --loader_.alive; }
    std::optional<std::string> name() override { return loader_.classes.at(className_).name; }
    bool plugin() override {
        loader_.started.push_back(className_);
        return !loader_.classes.at(className_).startFails;
    }

private:
    FakePluginLoader& loader_;
    std::string className_;
};

} // namespace

CreatedPlugin FakePluginLoader::create(const std::string& path, const std::string& className) {
    loaded.push_back(path);
    if (classes.count(className) == 0)
        return {nullptr, {VUVIVAZ_ERROR_CLASS, "no class " + className}};
    return {std::make_unique<FakePluginObject>(*this, className), {}};
}

} // namespace vz::fake
