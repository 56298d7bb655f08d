// The server editor: one entry of the server list added or changed.
#include "app/frm_add_server.h"

#include "app/dialog_captions.h"
#include "app/frm_main.h"
#include "app/frm_options.h"
#include "config/list_file.h"
#include "text/words.h"
#include "windows/control_helpers.h"

namespace vz {

namespace {

constexpr const char* InitialPort = "6669";

} // namespace

frmAddServer::frmAddServer(frmMain& main, frmOptions& options) : main_(main), options_(options) {}

frmAddServer::~frmAddServer() = default;

ServerEditorView& frmAddServer::view() {
    if (!view_)
        view_ = options_.view().createServerEditor(*this);
    return *view_;
}

void frmAddServer::Show(const std::string& mode, bool modal, const std::string& entry) {
    ServerEditorView& editor = view();
    Mode = mode;
    SetLang();
    editor.txtServer().setText(BeforeAngle(entry));
    editor.txtPort().setText(InitialPort);
    editor.txtDescription().setText(InsideAngle(entry));
    editor.txtGroup().setText("");
    editor.show(modal);
}

// The cancel button reads the channel editor's caption.
void frmAddServer::SetLang() {
    if (!view_)
        return;
    LanguageTexts& texts = main_.languageTexts();
    for (const char* name : {"Frame1", "Label1", "Label2", "Label3", "Label4"})
        SetCaptionFrom(texts, *view_, name, "AddServer", name);
    SetCaptionFrom(texts, *view_, "btnAdd", "AddServer", Mode == "Save" ? "btnSave" : "btnAdd");
    SetCaptionFrom(texts, *view_, "btnCancel", "AddChannel", "btnCancel");
}

void frmAddServer::onAdd() {
    ServerEditorView& editor = view();
    const std::string entry =
        ListEntry(TypedText(editor.txtServer()), TypedText(editor.txtDescription()));
    ComboBox& servers = options_.view().cmbServer();
    if (Mode == "Add") {
        AppendListEntry(main_.platform().files, ServerListFile, entry);
        options_.GetData();
    } else if (Mode == "Save" && EditIndex >= 0) {
        if (EditIndex < servers.count())
            servers.setRow(EditIndex, entry);
        options_.SaveData();
        options_.GetData();
    }
    ShowComboText(servers, entry);
    options_.view().txtIrcPort().setText(TypedText(editor.txtPort()));
    editor.close();
}

void frmAddServer::onCancel() {
    view().close();
}

} // namespace vz
