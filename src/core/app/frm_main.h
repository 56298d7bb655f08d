// The main window's logic: start-up, shutdown, options and the saved window position.
#pragma once

#include "app/connection.h"
#include "app/frm_certificate.h"
#include "app/frm_channels.h"
#include "app/frm_command.h"
#include "app/frm_options.h"
#include "app/ident_responder.h"
#include "config/globals.h"
#include "config/ini_store.h"
#include "config/language_texts.h"
#include "config/log_settings.h"
#include "input/command_parser.h"
#include "interpret/interpreter.h"
#include "interpret/protocol_host.h"
#include "interpret/reply_limiter.h"
#include "platform/platform.h"
#include "plugins/plugin_table.h"
#include "text/color_writer.h"
#include "windows/frm_list.h"
#include "windows/frm_status.h"
#include "windows/window_tables.h"

#include <string>

namespace vz {

// The main window's logic: owns the global values, the stores, the sockets'
// logic, the window tables and the status and list windows. The layers below
// reach it only through the host interfaces it implements.
class frmMain final : public ProtocolHost {
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
    // The main window's menu captions and tool tips from the language file; a
    // caption the file lacks stays as it is.
    void SetLang();
    // The main and status windows take the current language file. Open
    // channel and private windows keep their title words until reopened.
    void GetLang();

    // What the windows, the interpreter and the command parser use.
    const Platform& platform() const override { return platform_; }
    Globals& globals() override { return globals_; }
    WindowTables& tables() override { return tables_; }
    void PutColorText(TextView& view, const std::string& text, const std::string& logName) override;
    void PutStatus(const std::string& text) override;
    std::string LangText(const std::string& section, const std::string& key) override {
        return langTexts_.LangText(section, key);
    }
    std::string LangTextOr(const std::string& section, const std::string& key,
                           const std::string& builtIn) override {
        return langTexts_.LangTextOr(section, key, builtIn);
    }
    // nullptr when the active child has no text view (the list window) or
    // there is no active child.
    TextView* activeTextView() const override { return activeTextView_; }
    void setActiveChild(TextView* textView) override { activeTextView_ = textView; }
    void SendData(const std::string& strData) override { connection_.SendData(strData); }
    std::string ParseCommand(const std::string& target, const std::string& line) override {
        return parser_.ParseCommand(target, line);
    }
    void AnswerVersion(const std::string& nick, VersionAnswer kind) override;
    frmStatus& status() override { return status_; }
    frmList& list() override { return list_; }
    clsINI& SettingsIni() override { return settingsIni_; }
    ReplyLimiter& replyLimiter() override { return replyLimiter_; }
    ServerLink& link() override { return connection_; }
    void PromptNick() override { command_.Prompt("Nick", "NICK "); }
    void ShowFavouriteChannels(bool modal) override { channels_.Show(modal); }

    void closeLog(const std::string& logName) override { logSettings_.CloseLog(logName); }
    void childDeactivated(const TextView& textView) override {
        if (activeTextView_ == &textView)
            activeTextView_ = nullptr;
    }

    const Globals& globals() const { return globals_; }
    MainWindowView& mainWindow() const { return platform_.mainWindow; }
    Connection& connection() { return connection_; }
    IdentResponder& ident() { return ident_; }
    Interpreter& interpreter() { return interpreter_; }
    frmCommand& command() { return command_; }
    frmOptions& options() { return options_; }
    frmChannels& channels() { return channels_; }
    frmCertificate& certificate() { return certificate_; }
    LanguageTexts& languageTexts() { return langTexts_; }
    PluginTable& plugins() { return plugins_; }

private:
    void applyToolbarImages();
    void reportUnreadableSettings();
    void closeAllWindows();

    Platform platform_;
    Globals globals_;
    clsINI settingsIni_;
    LanguageTexts langTexts_;
    LogSettings logSettings_;
    ColorWriter writer_;
    ReplyLimiter replyLimiter_;
    Connection connection_;
    IdentResponder ident_;
    WindowTables tables_;
    frmStatus status_;
    frmList list_;
    Interpreter interpreter_;
    CommandParser parser_;
    frmCommand command_;
    frmChannels channels_;
    PluginTable plugins_;
    frmOptions options_;
    frmCertificate certificate_;
    TextView* activeTextView_ = nullptr;
    bool startedUp_ = false;
    bool unreadableReported_ = false;
};

} // namespace vz
