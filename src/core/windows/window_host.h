// The main window as its child windows see it.
#pragma once

#include "config/globals.h"
#include "platform/platform.h"

#include <string>

namespace vz {

class TextView;
class WindowTables;

// Who answers a version request. Each answers with a text of its own.
enum class VersionAnswer { CtcpRequest, OwnRequest, ChannelWindow, PrivateWindow };

// What the child windows need from the main window that owns them: the shared
// values and services, and the few operations of the layers above them
// (sending a line, running a typed command, answering a version request).
class WindowHost {
public:
    virtual const Platform& platform() const = 0;
    virtual Globals& globals() = 0;
    virtual WindowTables& tables() = 0;

    // Appends a display line to `view`, logged under `logName` when that log is on.
    virtual void PutColorText(TextView& view, const std::string& text,
                              const std::string& logName) = 0;
    // "06" & text in the status window.
    virtual void PutStatus(const std::string& text) = 0;
    // [section] key of the current language file.
    virtual std::string LangText(const std::string& section, const std::string& key) = 0;
    // The same, or `builtIn` while the language file has no such text.
    virtual std::string LangTextOr(const std::string& section, const std::string& key,
                                   const std::string& builtIn) = 0;
    // The text view that notices go to while its window is the active child.
    virtual void setActiveChild(TextView* textView) = 0;
    // The child window with `textView` was hidden, or another window or none
    // became active: when it was the active one, no child is active now.
    virtual void childDeactivated(const TextView& textView) = 0;
    // The window logged as `logName` closed: its log file is closed too.
    virtual void closeLog(const std::string& logName) = 0;

    virtual void SendData(const std::string& strData) = 0;
    // The protocol line for a typed slash command (without its "/").
    virtual std::string ParseCommand(const std::string& target, const std::string& line) = 0;
    // Sends `kind`'s version answer to `nick` while automatic answers are allowed.
    virtual void AnswerVersion(const std::string& nick, VersionAnswer kind) = 0;

protected:
    ~WindowHost() = default;
};

} // namespace vz
