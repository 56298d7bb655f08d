// Qt dialogs: options, favourite channels, nick prompt and about.
#include "qt_dialogs.h"

namespace vz {

void QtDialogs::showOptions(bool) {}

void QtDialogs::showFavouriteChannels(bool) {}

void QtDialogs::promptNick() {}

void QtDialogs::showAbout() {}

} // namespace vz
