// The main window's menu and toolbar commands, and the nick list's pop-up menu.
#pragma once

#include "platform/main_window_view.h"

namespace vz {

class frmMain;

// What the main window's menus and toolbar buttons do. The window only
// forwards each entry to one of these.

// File > Connect: disconnects while connected, otherwise reloads the options
// and shows the options dialog, not modal; the user connects from there.
void MenuConnect(frmMain& main);
// File > Channels and toolbar button 2: the favourite channels dialog.
void MenuFavourites(frmMain& main);
// File > Exit: closes the main window, which runs the shutdown.
void MenuExit(frmMain& main);
// Command > List: asks the server for its channel list.
void MenuList(frmMain& main);
// Command > Server, Privat, Join, Whois, Nick, Part: the prompt dialog in
// that mode.
void MenuServer(frmMain& main);
void MenuPrivat(frmMain& main);
void MenuJoin(frmMain& main);
void MenuWhois(frmMain& main);
void MenuNick(frmMain& main);
void MenuPart(frmMain& main);
// Command > Topic: prompts for the topic of the active channel window;
// nothing while no channel window is active.
void MenuTopic(frmMain& main);
// Window > Cascade / Tile: arranges the child windows, then toolbar button 4
// offers the arrangement that follows: after cascade horizontal, after
// horizontal vertical, after vertical cascade (tool tip, image, ArrangeMode).
void MenuArrange(frmMain& main, Arrangement arrangement);
// Toolbar button 4's tool tip and image for the arrangement ArrangeMode names.
void ShowArrangeOffer(frmMain& main);
// Logs > current channel / current private: opens the log file of the
// channel or private window activated last in the desktop's editor, without
// waiting for it; nothing when no such window was activated. The status
// window says so when the file is missing or cannot be opened.
void MenuChannelLog(frmMain& main);
void MenuPrivatLog(frmMain& main);
// Help > About and toolbar button 5.
void MenuAbout(frmMain& main);

// The channel nick list's pop-up menu, acting on the nick clicked last.
// Whois: a leading "@" and everything from the first "[" are dropped from
// the selected nick (kept that way), then the WHOIS goes out.
void UserMenuWho(frmMain& main);
// Msg: as a double-click in the nick list, opens or fronts the private window.
void UserMenuMsg(frmMain& main);

// Toolbar button 1: disconnects while connected, otherwise reloads the
// options and connects to the server and port they name.
void ToolbarConnect(frmMain& main);
// Toolbar button 3: the options dialog, not modal.
void ToolbarOptions(frmMain& main);
// Toolbar button 4: the arrangement that ArrangeMode names.
void ToolbarArrange(frmMain& main);
// Toolbar button 6: closes the main window once the user confirms.
void ToolbarExit(frmMain& main);

} // namespace vz
