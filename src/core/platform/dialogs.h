// The main window's dialogs as the logic opens them.
#pragma once

namespace vz {

// Dialogs with no logic of their own.
class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;

    virtual void showAbout() = 0;
};

} // namespace vz
