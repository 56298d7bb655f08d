// The server editor: one entry of the server list added or changed.
#pragma once

#include "platform/options_view.h"

#include <memory>
#include <string>

namespace vz {

class frmMain;
class frmOptions;

class frmAddServer : public ServerEditorViewEvents {
public:
    frmAddServer(frmMain& main, frmOptions& options);
    ~frmAddServer();

    // Opens the editor in `mode`, "Add" or "Save", with the host and the
    // description of `entry`, an empty group and the port "6669".
    void Show(const std::string& mode, bool modal, const std::string& entry = "");
    // Captions from the language file; nothing before the editor is first shown.
    void SetLang();

    // Adds the entry to the server list file (mode "Add") or puts it in place
    // of the entry at EditIndex (mode "Save", none below 0); then the options
    // dialog shows the entry and the typed port, and the editor closes.
    void onAdd() override;
    void onCancel() override;

    ServerEditorView& view();

    std::string Mode;
    // The list position of the entry being edited; -1 for none. The channel
    // editor keeps its own, so neither editor writes over the other's list.
    int EditIndex = -1;

private:
    frmMain& main_;
    frmOptions& options_;
    std::unique_ptr<ServerEditorView> view_;
};

} // namespace vz
