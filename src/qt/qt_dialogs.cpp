// Qt dialogs: the about box.
#include "qt_dialogs.h"

#include "qt_about_box.h"

namespace vz {

void QtDialogs::showAbout() {
    showAboutBox(parent_);
}

} // namespace vz
