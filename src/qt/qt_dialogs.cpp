// Qt dialogs: options, favourite channels and about.
#include "qt_dialogs.h"

namespace vz {

void QtDialogs::showOptions(bool) {}

void QtDialogs::showFavouriteChannels(bool) {}

void QtDialogs::showAbout() {}

} // namespace vz
