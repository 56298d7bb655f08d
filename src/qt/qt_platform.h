// Everything the Qt program hands the logic at start.
#pragma once

#include "dl_plugin_loader.h"
#include "platform/platform.h"
#include "qt_client_socket.h"
#include "qt_clock.h"
#include "qt_desktop.h"
#include "qt_dialogs.h"
#include "qt_event_pump.h"
#include "qt_file_system.h"
#include "qt_ident_socket.h"
#include "qt_locale_format.h"
#include "qt_main_window.h"

namespace vz {

// The Qt implementations of the platform services, with the main window.
// The child windows' factory needs the main window's document area, so it
// is made outside and handed to platform().
class QtPlatform {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    QtMainWindow& mainWindow() { return mainWindow_; }
    Platform platform(UiFactory& ui);

private:
    QtClock clock_;
    QtEventPump pump_;
    QtFileSystem files_;
    QtLocaleFormat locale_;
    QtClientSocket serverSocket_;
    QtIdentSocket identSocket_;
    QtDesktop desktop_;
    DlPluginLoader plugins_;
    QtMainWindow mainWindow_;
    QtDialogs dialogs_{mainWindow_};
};

} // namespace vz
