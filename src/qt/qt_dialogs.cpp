// Qt dialogs: options, favourite channels and about.
#include "qt_dialogs.h"

#include "qt_about_box.h"

namespace vz {

void QtDialogs::showOptions(bool) {}

void QtDialogs::showAbout() {
    showAboutBox(parent_);
}

} // namespace vz
