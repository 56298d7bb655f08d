// Qt dialogs: the about box.
#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace vz {

// The main window's about box.
class QtDialogs : public Dialogs {
public:
    // The dialogs open over `parent`.
    explicit QtDialogs(QWidget& parent) : parent_(parent) {}

    void showAbout() override;

private:
    QWidget& parent_;
};

} // namespace vz
