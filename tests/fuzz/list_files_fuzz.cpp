// Any bytes as the server list and the favourite channel list: both dialogs
// open over them, every favourite is clicked and edited, and the lists are
// written back. Invariants: the dialogs show exactly the file's entries, no
// entry is empty or holds a line break, and a written list reads back the same.
#include "app/frm_channels.h"
#include "app/menu_commands.h"
#include "config/list_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vz::fake::FakeWorld world;
    world.startSignedOn();
    const std::string bytes = vz::fuzz::text(data, size);
    world.files.files[vz::ServerListFile] = bytes;
    world.files.files[vz::frmChannels::FileName] = bytes;
    const std::vector<std::string> entries = vz::ReadListFile(world.files, vz::ServerListFile);
    for (const std::string& entry : entries)
        vz::fuzz::check(!entry.empty() && !vz::fuzz::hasLineBreak(entry), "a whole entry");

    vz::ToolbarOptions(*world.app);
    vz::fuzz::check(world.ui.options->servers.rows == entries, "the server list shows the file");
    vz::MenuFavourites(*world.app);
    vz::fuzz::check(world.ui.favourites->list.rows == entries, "the favourites show the file");
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        world.app->channels().onEntryClick(row);
        world.ui.favourites->list.selected = row;
        world.app->channels().onButton("btnEdit");
        world.app->channels().onEditorCancel();
    }
    world.ui.favourites->list.selected = 0;
    world.app->channels().onButton("btnDelete");
    vz::fuzz::check(vz::ReadListFile(world.files, vz::frmChannels::FileName) ==
                        std::vector(entries.begin() + (entries.empty() ? 0 : 1), entries.end()),
                    "the list reads back without the deleted entry");

    vz::WriteListFile(world.files, vz::ServerListFile, entries);
    vz::fuzz::check(vz::ReadListFile(world.files, vz::ServerListFile) == entries, "round trip");
    return 0;
}
