// The main window as the interpreter and the command parser see it.
#pragma once

#include "config/settings_values.h"
#include "windows/window_host.h"

#include <optional>
#include <string>

namespace vz {

class clsINI;
class frmList;
class frmStatus;
class ReplyLimiter;

// Control of the server connection that typed commands and identifiers need.
class ServerLink {
public:
    virtual void ConnectTo() = 0;
    virtual void DisconnectToIRC() = 0;
    // The host and port of the attempt in progress ("" / none without one).
    virtual const std::string& remoteHost() const = 0;
    virtual const std::optional<IrcPort>& remotePort() const = 0;

protected:
    ~ServerLink() = default;
};

// Everything of the windows' host, plus the status and list windows, the
// settings, the shared limit of automatic answers and the connection.
class ProtocolHost : public WindowHost {
public:
    virtual frmStatus& status() = 0;
    virtual frmList& list() = 0;
    virtual clsINI& SettingsIni() = 0;
    virtual ReplyLimiter& replyLimiter() = 0;
    // The text view of the active child window, or nullptr.
    virtual TextView* activeTextView() const = 0;
    virtual ServerLink& link() = 0;
    // Asks the user for a new nick, without blocking the server's lines.
    virtual void PromptNick() = 0;
    // The favourite channels dialog; a modal one still lets lines be handled.
    virtual void ShowFavouriteChannels(bool modal) = 0;

protected:
    ~ProtocolHost() = default;
};

} // namespace vz
