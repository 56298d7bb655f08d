#pragma once

namespace vz {

class frmMain;

// The channel nick list's pop-up menu, acting on the nick clicked last.

// Whois: a leading "@" and everything from the first "[" are dropped from
// the selected nick (kept that way), then the WHOIS goes out.
void UserMenuWho(frmMain& main);
// Msg: as a double-click in the nick list, opens or fronts the private window.
void UserMenuMsg(frmMain& main);

} // namespace vz
