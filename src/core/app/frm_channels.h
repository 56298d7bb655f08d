// The favourite channels dialog and its channel editor.
#pragma once

#include "platform/favourites_view.h"

#include <memory>
#include <string>

namespace vz {

class frmMain;

class frmChannels : public FavouritesViewEvents, public ChannelEditorEvents {
public:
    static constexpr const char* FileName = "Channel.txt";

    explicit frmChannels(frmMain& main);
    ~frmChannels();

    // Shows the dialog with the captions, the list from the file and the
    // stored check box.
    void Show(bool modal);
    void SetLang();
    // The list from the file / the file from the list.
    void GetData();
    void SaveData();

    void onEntryClick(int row) override;
    void onEntryDoubleClick(int row) override;
    void onButton(const std::string& name) override;
    bool onChannelKey(int character) override;
    void onClosed() override;
    void onEditorSave() override;
    void onEditorCancel() override;

    // The list position the editor saves to in "Save" mode; -1: none.
    int EditIndex = -1;

private:
    FavouritesView& view();
    ChannelEditorView& editor();
    // Closes the dialog and sends the command typed as `line` (without "/").
    void request(const std::string& line);
    void openEditor(const std::string& mode);
    void editSelected();
    void deleteSelected();
    void storeCheckBox();

    frmMain& main_;
    std::unique_ptr<FavouritesView> view_;
    std::unique_ptr<ChannelEditorView> editor_;
    std::string editorMode_;
};

} // namespace vz
