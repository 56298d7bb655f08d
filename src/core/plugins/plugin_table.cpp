// The plug-in table: loading, listing and starting plug-ins.
#include "plugins/plugin_table.h"

#include "text/codec.h"
#include "vuvivaz/plugin.h"

#include <algorithm>

namespace vz {

namespace {

const char* const PluginFolder = "Plugins";
const char* const PluginPattern = "*.dll";
const char* const ClassSuffix = ".Data";
const char* const RegisterHint =
    "Якщо плагин не завантажуеться спробуйте зареєструвати його за допомогою будь-якої "
    "програми, що реєструє *.dll файли";

// The file name without its extension ".dll".
std::string baseName(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - std::min<std::size_t>(fileName.size(), 4));
}

} // namespace

void PluginTable::LoadPlugins() {
    const auto files = host_.platform().files.listFiles(PluginFolder, PluginPattern);
    std::size_t slot = 0;
    for (const std::string& file : files) {
        const PluginError error =
            slot < slots_.size()
                ? load(slot++, file)
                : PluginError{VUVIVAZ_ERROR_NO_SLOT, "No free plug-in slot for " + file + ": " +
                                                         std::to_string(SlotCount) +
                                                         " plug-ins are loaded"};
        if (error.number != 0) {
            host_.PutStatus("!!! Plugin error " + std::to_string(error.number) + " " +
                            error.description);
            host_.PutStatus(RegisterHint);
            return;
        }
    }
}

PluginError PluginTable::load(std::size_t slot, const std::string& fileName) {
    CreatedPlugin created = host_.platform().plugins.create(
        std::string(PluginFolder) + "/" + fileName, baseName(fileName) + ClassSuffix);
    if (!created.object)
        return created.error;
    slots_[slot] = std::move(created.object);
    return {};
}

std::vector<std::string> PluginTable::ListPlugins() {
    std::vector<std::string> names;
    listedSlots_.clear();
    for (std::size_t slot = 0; slot < slots_.size(); ++slot) {
        const auto name = slots_[slot] ? slots_[slot]->name() : std::nullopt;
        if (!name)
            continue;
        names.push_back(decodeLine(*name));
        listedSlots_.push_back(slot);
    }
    return names;
}

bool PluginTable::StartPlugin(int entry) {
    if (entry < 0 || static_cast<std::size_t>(entry) >= listedSlots_.size())
        return false;
    // A listed slot stays filled: loading never empties one.
    return slots_[listedSlots_[static_cast<std::size_t>(entry)]]->plugin();
}

} // namespace vz
