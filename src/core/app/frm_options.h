// The options dialog: identity, server list, language, logs, proxy, plug-ins.
#pragma once

#include "app/frm_add_server.h"
#include "platform/options_view.h"

#include <memory>

namespace vz {

class frmMain;

class frmOptions : public OptionsViewEvents {
public:
    explicit frmOptions(frmMain& main);
    ~frmOptions();

    // Opens the dialog on page 1 with the settings as the file holds them; a
    // modal one holds the user's input to the other windows.
    void Show(bool modal);
    // Captions from the language file; nothing before the dialog is first shown.
    void SetLang();
    // Fills the server list from the server list file.
    void GetData();
    // Writes the server list to its file.
    void SaveData();
    // Stores the dialog's settings, makes the server, port, language and log
    // switches the program's own, and refreshes the captions.
    void Apply();

    void onPage(int page) override;
    void onOk() override;
    void onCancel() override;
    void onApply() override { Apply(); }
    void onConnect() override;
    void onAddServer() override;
    void onEditServer() override;
    void onDeleteServer() override;
    void onProxyClick() override;
    void onLangEdit() override;
    void onPlugin() override;

    OptionsView& view();
    frmAddServer& addServer() { return addServer_; }

private:
    void loadIdentity();
    void fillLanguages();
    void loadLogsAndProxy();
    void fillPlugins();

    frmMain& main_;
    std::unique_ptr<OptionsView> view_;
    frmAddServer addServer_;
};

} // namespace vz
