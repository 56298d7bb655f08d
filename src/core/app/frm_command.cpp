// The prompt dialog: one line of text turned into the command of its mode.
#include "app/frm_command.h"

#include "app/frm_main.h"
#include "config/settings_values.h"
#include "text/words.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"
#include "windows/input_keys.h"

namespace vz {

frmCommand::frmCommand(frmMain& main) : main_(main) {}

frmCommand::~frmCommand() = default;

// The view is made when the dialog is first shown, and takes its captions then.
PromptView& frmCommand::view() {
    if (!view_) {
        view_ = main_.platform().ui.createPromptView(*this);
        SetLang();
    }
    return *view_;
}

void frmCommand::Prompt(const std::string& labelKey, const std::string& mode,
                        const std::string& extra) {
    PromptView& dialog = view();
    dialog.setLabel(main_.LangTextOr("Command", labelKey, labelKey + ":"));
    dialog.field().setText("");
    strMode = mode;
    strExtra = extra;
    dialog.show();
}

void frmCommand::SetLang() {
    if (!view_)
        return;
    view_->setOkCaption(main_.LangTextOr("Command", "btnOk", "OK"));
    view_->setCancelCaption(main_.LangTextOr("Command", "btnCancel", "Cancel"));
}

void frmCommand::onOk() {
    if (runMode(view().field().text()))
        view().close();
}

void frmCommand::onCancel() {
    view().close();
}

bool frmCommand::onFieldKey(int character) {
    return HandleInputKey(main_.platform(), InputField::PromptField, character, view().field(),
                          [this] { onOk(); });
}

bool frmCommand::runMode(const std::string& text) {
    strText = text;
    if (strMode == "PART ") {
        main_.SendData("PART " + text);
        if (frmChat* channel = main_.tables().channelNamed(text))
            channel->onClose();
    } else if (strMode == "PRIVAT ") {
        return openPrivat(text);
    } else if (strMode == "TOPIC ") {
        main_.SendData("TOPIC " + strExtra + text);
    } else if (strMode == "JOIN " || strMode == "WHOIS ") {
        const std::string line = (strMode == "JOIN " ? "join " : "whois ") + text;
        strText = "/" + line;
        main_.SendData(main_.ParseCommand("", line));
    } else if (strMode == "SERVER ") {
        changeServer(text);
    } else if (strMode == "NICK ") {
        main_.SendData("NICK " + text);
    }
    return true;
}

// Brings the nick's open window forward or opens one; false when no window
// could be had: the dialog stays open.
bool frmCommand::openPrivat(const std::string& nick) {
    WindowTables& tables = main_.tables();
    tables.ShowPrivat(nick);
    const int slot = tables.FindPrivat(nick);
    if (slot == -1)
        return false;
    frmPrivat& window = tables.privat(slot);
    window.window().setTitle(nick);
    window.strPrivNick = nick;
    return true;
}

// The host is the text before the first blank or ":"; a port 1 to 65535
// after it replaces ServerPort, anything else there leaves it.
void frmCommand::changeServer(const std::string& text) {
    main_.connection().DisconnectToIRC();
    Globals& globals = main_.globals();
    std::string portText;
    SplitAtFirst(text, ' ', globals.Server, portText);
    if (globals.Server.find(':') != std::string::npos)
        SplitAtFirst(std::string(globals.Server), ':', globals.Server, portText);
    if (const auto port = ParsePort(portText))
        globals.ServerPort = *port;
    main_.connection().ConnectTo();
}

} // namespace vz
