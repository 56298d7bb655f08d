// The main window's dialogs as the logic opens them.
#pragma once

namespace vz {

// Dialogs that later parts of the program fill in. Modal calls return when
// the user has closed the dialog.
class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    virtual void showFavouriteChannels(bool modal) = 0;
    virtual void showAbout() = 0;
};

} // namespace vz
