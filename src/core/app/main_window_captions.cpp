// The main window's captions and tool tips in the chosen language.
#include "app/frm_main.h"
#include "app/menu_commands.h"

#include <utility>

namespace vz {

namespace {

// Menu entries captioned by the key of their own name.
const char* const MenuKeys[] = {"mnuFile",
                                "mnuChannel",
                                "mnuExit",
                                "mnuCommand",
                                "mnuWindow",
                                "mnuLogs",
                                "mnuAbout",
                                "mnuHelp",
                                "mnuServer",
                                "mnuList",
                                "mnuPrivat",
                                "mnuJoin",
                                "mnuWhois",
                                "mnuTopic",
                                "mnuNick",
                                "mnuPart",
                                "mnuWindowCascade",
                                "mnuWindowTileVertical",
                                "mnuWindowTileHorizontal",
                                "mnuChanLog",
                                "mnuPrivLog"};

// Toolbar buttons whose tool tip never changes; button 1 follows the
// connection and button 4 the arrangement it offers.
const std::pair<int, const char*> ButtonKeys[] = {
    {2, "mnuChannel"}, {3, "mnuOption"}, {5, "mnuAbout"}, {6, "mnuExit"}};

} // namespace

void frmMain::SetLang() {
    MainWindowView& window = mainWindow();
    for (const char* key : MenuKeys)
        if (const auto text = langTexts_.Find("Main", key))
            window.setMenuCaption(key, *text);
    // While connected the connect entry reads as its opposite.
    if (const auto text =
            langTexts_.Find("Main", globals_.Connected ? "mnuDisconnect" : "mnuConnect")) {
        window.setMenuCaption("mnuConnect", *text);
        window.setToolButtonToolTip(1, *text);
    }
    for (const auto& [button, key] : ButtonKeys)
        if (const auto text = langTexts_.Find("Main", key))
            window.setToolButtonToolTip(button, *text);
    ShowArrangeOffer(*this);
}

void frmMain::GetLang() {
    SetLang();
    status_.SetLang();
    options_.SetLang();
    options_.addServer().SetLang();
    command_.SetLang();
    channels_.SetLang();
}

} // namespace vz
