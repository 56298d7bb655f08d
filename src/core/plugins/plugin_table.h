// The plug-in table: loading, listing and starting plug-ins.
#pragma once

#include "platform/plugin_loader.h"
#include "windows/window_host.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace vz {

// The `Plugins` table: 30 slots that live for the whole run. Loading fills
// them from slot 1 upwards and never empties one, so a slot past the files
// found now keeps the object an earlier load put there.
class PluginTable {
public:
    static constexpr int SlotCount = 30;

    explicit PluginTable(WindowHost& host) : host_(host) {}

    // Creates one object from each "Plugins/*.dll" file, in byte order of the
    // names. The first failure stops loading and is reported in the status
    // window; the objects made before it stay.
    void LoadPlugins();

    // The options dialog's plug-in list (lstPlugins), top to bottom: the name
    // of every filled slot whose object gives one. The table remembers which
    // slot each entry shows, for StartPlugin.
    std::vector<std::string> ListPlugins();
    // Starts the plug-in shown at `entry` (0-based) of the last listing, and
    // returns when it is done. False when no entry is given (-1), there is no
    // such entry or the plug-in fails: the options dialog then stays open.
    bool StartPlugin(int entry);

private:
    PluginError load(std::size_t slot, const std::string& fileName);

    WindowHost& host_;
    std::array<std::unique_ptr<PluginObject>, SlotCount> slots_;
    std::vector<std::size_t> listedSlots_;
};

} // namespace vz
