// The options dialog's and the server editor's controls as the logic sees them.
#pragma once

#include "platform/controls.h"

#include <memory>
#include <string>

namespace vz {

// What the server editor reports.
class ServerEditorViewEvents {
public:
    // The add button (captioned add or save), or Enter.
    virtual void onAdd() = 0;
    // The cancel button, Escape or the close box.
    virtual void onCancel() = 0;

protected:
    ~ServerEditorViewEvents() = default;
};

// The server editor: host, port, description and group fields.
class ServerEditorView {
public:
    virtual ~ServerEditorView() = default;
    // The caption of the control named `name` ("Frame1", "Label2", "btnAdd").
    virtual void setCaption(const std::string& name, const std::string& text) = 0;
    virtual LineEdit& txtServer() = 0;
    virtual LineEdit& txtPort() = 0;
    virtual LineEdit& txtDescription() = 0;
    virtual LineEdit& txtGroup() = 0;
    // Shows the editor in front of the options dialog with the focus in the
    // host field; a modal one holds the user's input to the other windows.
    virtual void show(bool modal) = 0;
    virtual void close() = 0;
};

// What the options dialog reports.
class OptionsViewEvents {
public:
    // Page button 1, 2 or 3.
    virtual void onPage(int page) = 0;
    // The OK button, or Enter.
    virtual void onOk() = 0;
    // The Cancel button, Escape or the close box.
    virtual void onCancel() = 0;
    virtual void onApply() = 0;
    virtual void onConnect() = 0;
    virtual void onAddServer() = 0;
    virtual void onEditServer() = 0;
    virtual void onDeleteServer() = 0;
    virtual void onProxyClick() = 0;
    virtual void onLangEdit() = 0;
    // The plug-in button, or a double click in the plug-in list.
    virtual void onPlugin() = 0;

protected:
    ~OptionsViewEvents() = default;
};

// The options dialog: three pages, one shown at a time, and the buttons
// below them. Controls keep the program's names.
class OptionsView {
public:
    virtual ~OptionsView() = default;
    // The caption of the control named `name` ("Label3", "btnApply",
    // "cmdOption1" for the first page button).
    virtual void setCaption(const std::string& name, const std::string& text) = 0;
    // Shows page 1, 2 or 3 and hides the others.
    virtual void showPage(int page) = 0;

    // Page 1: the server, port, identity and password.
    virtual ComboBox& cmbServer() = 0;
    virtual LineEdit& txtIrcPort() = 0;
    virtual LineEdit& txtFullName() = 0;
    virtual LineEdit& txtEmail() = 0;
    virtual LineEdit& txtNick() = 0;
    virtual LineEdit& txtAlternative() = 0;
    // Shows what is typed masked.
    virtual LineEdit& txtPassword() = 0;
    // The SASL account; while it is filled the password signs in by SASL.
    virtual LineEdit& txtSaslUser() = 0;
    virtual CheckBox& chkConnOnStart() = 0;
    // Page 2: the plug-ins.
    virtual ListBox& lstPlugins() = 0;
    // Page 3: language, start-up, logs and the proxy frame.
    virtual ComboBox& cmbLang() = 0;
    virtual CheckBox& Check2() = 0;
    virtual CheckBox& chkChanLog() = 0;
    virtual CheckBox& chkPrivLog() = 0;
    virtual CheckBox& chkProxy() = 0;
    virtual LineEdit& txtProxyServer() = 0;
    virtual LineEdit& txtProxyPort() = 0;
    virtual void setProxyBoxesEnabled(bool enabled) = 0;
    virtual void hideProxyFrame() = 0;

    // The server editor, in front of this dialog.
    virtual std::unique_ptr<ServerEditorView>
    createServerEditor(ServerEditorViewEvents& events) = 0;
    // Shows the dialog in front with the focus in the server field; a modal
    // one holds the user's input to the other windows.
    virtual void show(bool modal) = 0;
    virtual void close() = 0;
};

} // namespace vz
