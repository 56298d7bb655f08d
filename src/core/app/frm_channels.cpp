// The favourite channels dialog and its channel editor.
#include "app/frm_channels.h"

#include "app/frm_main.h"
#include "config/list_file.h"
#include "config/settings_values.h"
#include "text/words.h"
#include "windows/input_keys.h"

namespace vz {

namespace {

const char* const DialogCaptions[] = {"Frame1",    "Frame2",  "btnJoinTo", "btnAdd",   "btnEdit",
                                      "btnDelete", "btnInfo", "btnJoin",   "btnClose", "Check1"};
const char* const EditorCaptions[] = {"Frame1", "Label1", "Label2", "Label3", "btnCancel"};

} // namespace

frmChannels::frmChannels(frmMain& main) : main_(main) {}

frmChannels::~frmChannels() = default;

FavouritesView& frmChannels::view() {
    if (!view_)
        view_ = main_.platform().ui.createFavouritesView(*this);
    return *view_;
}

ChannelEditorView& frmChannels::editor() {
    if (!editor_)
        editor_ = main_.platform().ui.createChannelEditorView(*this);
    return *editor_;
}

void frmChannels::Show(bool modal) {
    clsINI& settings = main_.SettingsIni();
    settings.setFileName(SettingsFileName);
    view();
    SetLang();
    GetData();
    if (const auto open = ParseSingle(settings.Value("Connect", "OpenChannelsForm")))
        view().openAfterConnecting().setChecked(*open != 0.0f);
    view().show(modal);
}

// A caption the language file lacks stays as it is.
void frmChannels::SetLang() {
    if (!view_)
        return;
    for (const char* control : DialogCaptions)
        if (const auto text = main_.languageTexts().Find("Channels", control))
            view().setCaption(control, *text);
    if (!editor_)
        return;
    for (const char* control : EditorCaptions)
        if (const auto text = main_.languageTexts().Find("AddChannel", control))
            editor_->setCaption(control, *text);
    const char* addKey = editorMode_ == "Save" ? "btnSave" : "btnAdd";
    if (const auto text = main_.languageTexts().Find("AddChannel", addKey))
        editor_->setCaption("btnAdd", *text);
}

void frmChannels::GetData() {
    ListBox& list = view().entries();
    list.clear();
    for (const std::string& entry : ReadListFile(main_.platform().files, FileName))
        list.addRow(entry);
}

void frmChannels::SaveData() {
    const ListBox& list = view().entries();
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row)
        entries.push_back(list.row(row));
    WriteListFile(main_.platform().files, FileName, entries);
}

void frmChannels::onEntryClick(int row) {
    view().selectedChannel().setText(BeforeAngle(view().entries().row(row)));
}

void frmChannels::onEntryDoubleClick(int row) {
    onEntryClick(row);
    onButton("btnJoin");
}

void frmChannels::onButton(const std::string& name) {
    if (name == "btnJoin")
        request("join " + view().selectedChannel().text());
    else if (name == "btnInfo")
        request("names " + view().selectedChannel().text());
    else if (name == "btnJoinTo")
        request("join " + view().typedChannel().text());
    else if (name == "btnAdd")
        openEditor("Add");
    else if (name == "btnEdit")
        editSelected();
    else if (name == "btnDelete")
        deleteSelected();
    else if (name == "btnClose")
        onClosed();
}

bool frmChannels::onChannelKey(int character) {
    return HandleInputKey(main_.platform(), InputField::FavouriteChannel, character,
                          view().typedChannel(), [this] { onButton("btnJoinTo"); });
}

void frmChannels::onClosed() {
    view().close();
    storeCheckBox();
}

// Every close stores the check box, adding the section and key when missing.
void frmChannels::storeCheckBox() {
    clsINI& settings = main_.SettingsIni();
    settings.setFileName(SettingsFileName);
    const std::string state = view().openAfterConnecting().isChecked() ? "1" : "0";
    if (!settings.SectionExists("Connect"))
        settings.AddSection("Connect");
    if (!settings.ValueExists("Connect", "OpenChannelsForm"))
        settings.AddValue("Connect", "OpenChannelsForm", state);
    settings.setValue("Connect", "OpenChannelsForm", state);
    settings.UpdateFile();
}

void frmChannels::request(const std::string& line) {
    onClosed();
    main_.SendData(main_.ParseCommand("", line));
}

void frmChannels::openEditor(const std::string& mode) {
    editorMode_ = mode;
    editor();
    SetLang();
    editor_->show(mode == "Add");
}

void frmChannels::editSelected() {
    const ListBox& list = view().entries();
    EditIndex = list.selectedIndex();
    const std::string entry = EditIndex >= 0 ? list.row(EditIndex) : std::string();
    editor().channel().setText(BeforeAngle(entry));
    editor().description().setText(InsideAngle(entry));
    openEditor("Save");
}

void frmChannels::deleteSelected() {
    ListBox& list = view().entries();
    if (list.selectedIndex() >= 0)
        list.removeRow(list.selectedIndex());
    view().selectedChannel().setText("");
    SaveData();
    GetData();
}

void frmChannels::onEditorSave() {
    const std::string channel = editor().channel().text();
    const std::string description = editor().description().text();
    const std::string entry = ListEntry(channel, description);
    if (editorMode_ == "Add") {
        AppendListEntry(main_.platform().files, FileName, entry);
        GetData();
    } else if (EditIndex >= 0 && EditIndex < view().entries().count()) {
        view().entries().setRow(EditIndex, entry);
        SaveData();
        GetData();
    }
    view().selectedChannel().setText(channel);
    editor().close();
}

void frmChannels::onEditorCancel() {
    editor().close();
}

} // namespace vz
