// Qt dialogs: options, favourite channels and about.
#pragma once

#include "platform/dialogs.h"

namespace vz {

// The dialogs of the main window; each shows nothing until it is built.
class QtDialogs : public Dialogs {
public:
    void showOptions(bool modal) override;
    void showFavouriteChannels(bool modal) override;
    void showAbout() override;
};

} // namespace vz
