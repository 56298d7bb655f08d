// Everything the Qt program hands the logic at start.
#include "qt_platform.h"

namespace vz {

Platform QtPlatform::platform(UiFactory& ui) {
    return Platform{clock_,   pump_,         files_,       locale_,  ui,      mainWindow_,
                    dialogs_, serverSocket_, identSocket_, desktop_, plugins_};
}

} // namespace vz
