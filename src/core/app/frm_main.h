#pragma once

#include "app/connection.h"
#include "app/globals.h"
#include "app/ident_responder.h"
#include "app/reply_limiter.h"
#include "config/ini_store.h"
#include "input/command_parser.h"
#include "interpret/interpreter.h"
#include "platform/platform.h"
#include "text/color_writer.h"
#include "windows/frm_list.h"
#include "windows/frm_status.h"
#include "windows/window_tables.h"

#include <string>

namespace vz {

constexpr const char* SettingsFileName = "vuvivaz.ini";
constexpr const char* ProgramTitle = "VuviVAZ";

// Log hand-off; writes nothing until log files exist.
class NoLogWriter : public LogWriter {
public:
    void WriteLog(const std::string&, const std::string&) override {}
};

// The main window's logic: owns the global values, the stores, the sockets'
// logic, the window tables and the status and list windows.
class frmMain {
public:
    explicit frmMain(const Platform& platform);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Runs when the main window is created / being closed.
    void startUp();
    void shutDown();

    void LoadOptions();
    void LoadPosition();
    void SavePosition();
    void SetLang();

    // Shorthands used everywhere.
    void SendData(const std::string& strData) { connection_.SendData(strData); }
    void PutColorText(TextView& view, const std::string& text, const std::string& logName);
    // "06" & text in the status window.
    void PutStatus(const std::string& text);
    // [section] key of the current language file.
    std::string LangText(const std::string& section, const std::string& key);
    // The same, or `builtIn` while the language file has no such text.
    std::string LangTextOr(const std::string& section, const std::string& key,
                           const std::string& builtIn);
    std::string ParseCommand(const std::string& target, const std::string& line) {
        return parser_.ParseCommand(target, line);
    }

    // The text view of the active child window; nullptr when the active child
    // has none (the list window) or there is no active child.
    TextView* activeTextView() const { return activeTextView_; }
    void setActiveChild(TextView* textView) { activeTextView_ = textView; }
    // The child window with `textView` was hidden, or another window or none
    // became active: when it was the active one, no child is active now.
    void childDeactivated(const TextView& textView) {
        if (activeTextView_ == &textView)
            activeTextView_ = nullptr;
    }

    const Platform& platform() const { return platform_; }
    MainWindowView& mainWindow() const { return platform_.mainWindow; }
    Globals& globals() { return globals_; }
    const Globals& globals() const { return globals_; }
    clsINI& SettingsIni() { return settingsIni_; }
    clsINI& LangIni() { return langIni_; }
    ReplyLimiter& replyLimiter() { return replyLimiter_; }
    Connection& connection() { return connection_; }
    IdentResponder& ident() { return ident_; }
    WindowTables& tables() { return tables_; }
    frmStatus& status() { return status_; }
    frmList& list() { return list_; }
    Interpreter& interpreter() { return interpreter_; }

private:
    void applyToolbarImages();
    void closeAllWindows();

    Platform platform_;
    Globals globals_;
    clsINI settingsIni_;
    clsINI langIni_;
    NoLogWriter logWriter_;
    ColorWriter writer_;
    ReplyLimiter replyLimiter_;
    Connection connection_;
    IdentResponder ident_;
    WindowTables tables_;
    frmStatus status_;
    frmList list_;
    Interpreter interpreter_;
    CommandParser parser_;
    TextView* activeTextView_ = nullptr;
};

} // namespace vz
