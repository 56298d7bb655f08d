// Qt dialogs: favourite channels and about.
#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace vz {

// The dialogs of the main window; each shows nothing until it is built.
class QtDialogs : public Dialogs {
public:
    // The dialogs open over `parent`.
    explicit QtDialogs(QWidget& parent) : parent_(parent) {}

    void showFavouriteChannels(bool modal) override;
    // The program's name, version and credit line, not modal.
    void showAbout() override;

private:
    QWidget& parent_;
};

} // namespace vz
