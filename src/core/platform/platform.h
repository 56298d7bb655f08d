// The outside services the logic is made with, in one bundle.
#pragma once

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/file_system.h"
#include "platform/locale_format.h"
#include "platform/main_window_view.h"
#include "platform/plugin_loader.h"
#include "platform/sockets.h"
#include "platform/ui_factory.h"

namespace vz {

// Everything the logic needs of the outside world, injected at start.
struct Platform {
    Clock& clock;
    EventPump& pump;
    FileSystem& files;
    LocaleFormat& locale;
    UiFactory& ui;
    MainWindowView& mainWindow;
    Dialogs& dialogs;
    ClientSocket& serverSocket;
    IdentSocket& identSocket;
    Desktop& desktop;
    PluginLoader& plugins;
};

} // namespace vz
