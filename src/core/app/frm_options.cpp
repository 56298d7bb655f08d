// The options dialog: identity, server list, language, logs, proxy, plug-ins.
#include "app/frm_options.h"

#include "app/dialog_captions.h"
#include "app/frm_main.h"
#include "config/list_file.h"
#include "config/settings_values.h"
#include "windows/control_helpers.h"

#include <array>

namespace vz {

namespace {

// Controls captioned by the key of their own name; the page buttons take the
// keys lblOption1 to lblOption3.
const char* const CaptionKeys[] = {
    "Label1",    "Label2",     "Label3",      "Label4",         "Label5",      "Label6",
    "Label7",    "Label8",     "btnConnect",  "btnAdd",         "btnEdit",     "btnDelete",
    "Check2",    "chkChanLog", "chkPrivLog",  "chkConnOnStart", "btnLangEdit", "btnOk",
    "btnCancel", "btnApply",   "lblPassword", "btnPlugin",      "lblSaslUser"};

// A stored flag ticks or clears its box; anything but "1" or "0" leaves it.
void showFlag(CheckBox& box, const std::string& value) {
    if (value == "1" || value == "0")
        box.setChecked(value == "1");
}

std::string flagOf(const CheckBox& box) {
    return box.isChecked() ? "1" : "0";
}

// The stored port as the dialog shows it: a port that is missing or no valid
// port reads as the default.
std::string portText(const std::string& stored) {
    return ParsePort(stored) ? stored : std::to_string(DefaultPort);
}

struct Setting {
    const char* section;
    const char* key;
    std::string value;
};

// A [Last] key stored once something was typed, and from then on also when
// it is emptied.
void setTypedOrStored(clsINI& ini, const char* key, const std::string& typed) {
    if (!typed.empty() || ini.ValueExists("Last", key))
        ini.setValue("Last", key, typed);
}

// Where Apply sets each key, as positions in the order it adds them.
constexpr std::array<int, 14> SetOrder = {13, 10, 11, 12, 8, 9, 7, 6, 4, 5, 0, 1, 2, 3};

} // namespace

frmOptions::frmOptions(frmMain& main) : main_(main), addServer_(main, *this) {}

frmOptions::~frmOptions() = default;

OptionsView& frmOptions::view() {
    if (!view_)
        view_ = main_.platform().ui.createOptionsView(*this);
    return *view_;
}

void frmOptions::Show(bool modal) {
    OptionsView& dialog = view();
    dialog.showPage(1);
    main_.SettingsIni().setFileName(SettingsFileName);
    SetLang();
    loadIdentity();
    GetData();
    ShowComboText(dialog.cmbServer(), main_.globals().Server);
    fillLanguages();
    loadLogsAndProxy();
    onProxyClick();
    fillPlugins();
    dialog.hideProxyFrame();
    dialog.show(modal);
}

void frmOptions::SetLang() {
    if (!view_)
        return;
    LanguageTexts& texts = main_.languageTexts();
    for (const char* name : CaptionKeys)
        SetCaptionFrom(texts, *view_, name, "Options", name);
    for (const char* page : {"1", "2", "3"})
        SetCaptionFrom(texts, *view_, std::string("cmdOption") + page, "Options",
                       std::string("lblOption") + page);
}

// The identity reloaded into the program's values, and shown.
void frmOptions::loadIdentity() {
    const clsINI& ini = main_.SettingsIni();
    Globals& g = main_.globals();
    OptionsView& dialog = *view_;
    g.FullName = ValueOrEmpty(ini.Value("Options", "FullName"));
    g.Email = ValueOrEmpty(ini.Value("Options", "Email"));
    g.Nick = ValueOrEmpty(ini.Value("Options", "Nick"));
    g.Alternative = ValueOrEmpty(ini.Value("Options", "Alternative"));
    showFlag(dialog.chkConnOnStart(), ini.Value("Options", "ConnOnStart"));
    g.Server = ValueOrEmpty(ini.Value("Last", "Server"));
    dialog.txtIrcPort().setText(portText(ini.Value("Last", "Port")));
    g.ServerPort = PortOrDefault(dialog.txtIrcPort().text());
    g.Password = ValueOrEmpty(ini.Value("Last", "Password"));
    g.SaslUser = ValueOrEmpty(ini.Value("Last", "SaslUser"));
    dialog.txtFullName().setText(g.FullName);
    dialog.txtEmail().setText(g.Email);
    dialog.txtNick().setText(g.Nick);
    dialog.txtAlternative().setText(g.Alternative);
    dialog.txtPassword().setText(g.Password);
    dialog.txtSaslUser().setText(g.SaslUser);
    showFlag(dialog.Check2(), ini.Value("Start", "Open"));
}

// Every "*.lng" of the working directory, in the listing's byte order.
void frmOptions::fillLanguages() {
    ComboBox& languages = view_->cmbLang();
    languages.clear();
    for (const std::string& name : main_.platform().files.listFiles("", "*.lng"))
        languages.addRow(name);
    const std::string chosen = ValueOrEmpty(main_.SettingsIni().Value("Lang", "Name"));
    ShowComboText(languages, chosen.empty() ? LanguageTexts::DefaultFile : chosen);
}

void frmOptions::loadLogsAndProxy() {
    const clsINI& ini = main_.SettingsIni();
    OptionsView& dialog = *view_;
    showFlag(dialog.chkChanLog(), ini.Value("Logs", "Channels"));
    showFlag(dialog.chkPrivLog(), ini.Value("Logs", "Privats"));
    showFlag(dialog.chkProxy(), ini.Value("Proxy", "Proxy"));
    dialog.txtProxyServer().setText(ValueOrEmpty(ini.Value("Proxy", "Server")));
    dialog.txtProxyPort().setText(ValueOrEmpty(ini.Value("Proxy", "Port")));
}

void frmOptions::fillPlugins() {
    ListBox& plugins = view_->lstPlugins();
    plugins.clear();
    for (const std::string& name : main_.plugins().ListPlugins())
        plugins.addRow(name);
}

// Missing keys are added first, in one order, so a file made from nothing
// has its sections in that order; then every key is set. The password and
// the SASL account follow their own rule.
void frmOptions::Apply() {
    clsINI& ini = main_.SettingsIni();
    ini.setFileName(SettingsFileName);
    OptionsView& dialog = view();
    const std::string server = TypedText(dialog.cmbServer());
    const std::string port = TypedText(dialog.txtIrcPort());
    const std::string password = TypedText(dialog.txtPassword());
    const std::string saslUser = TypedText(dialog.txtSaslUser());
    const std::array<Setting, 14> settings = {{
        {"Options", "FullName", TypedText(dialog.txtFullName())},
        {"Options", "Email", TypedText(dialog.txtEmail())},
        {"Options", "Nick", TypedText(dialog.txtNick())},
        {"Options", "Alternative", TypedText(dialog.txtAlternative())},
        {"Last", "Server", server},
        {"Last", "Port", port},
        {"Start", "Open", flagOf(dialog.Check2())},
        {"Lang", "Name", TypedText(dialog.cmbLang())},
        {"Logs", "Channels", flagOf(dialog.chkChanLog())},
        {"Logs", "Privats", flagOf(dialog.chkPrivLog())},
        {"Proxy", "Proxy", flagOf(dialog.chkProxy())},
        {"Proxy", "Server", TypedText(dialog.txtProxyServer())},
        {"Proxy", "Port", TypedText(dialog.txtProxyPort())},
        {"Options", "ConnOnStart", flagOf(dialog.chkConnOnStart())},
    }};
    ini.AddSection("Options");
    for (const Setting& setting : settings)
        ini.AddValue(setting.section, setting.key, setting.value);
    for (const int at : SetOrder)
        ini.setValue(settings[at].section, settings[at].key, settings[at].value);
    setTypedOrStored(ini, "Password", password);
    setTypedOrStored(ini, "SaslUser", saslUser);
    ini.UpdateFile();
    Globals& g = main_.globals();
    g.Server = server;
    g.ServerPort = PortOrDefault(port);
    g.Password = password;
    g.SaslUser = saslUser;
    g.LangName = settings[7].value;
    g.LogChannels = settings[8].value;
    g.LogPrivats = settings[9].value;
    main_.GetLang();
}

void frmOptions::onPage(int page) {
    view().showPage(page);
}

void frmOptions::onOk() {
    Apply();
    view().close();
}

void frmOptions::onCancel() {
    view().close();
}

// What the dialog shows is what connects; nothing is stored.
void frmOptions::onConnect() {
    OptionsView& dialog = view();
    Globals& g = main_.globals();
    g.Server = TypedText(dialog.cmbServer());
    g.ServerPort = PortOrDefault(TypedText(dialog.txtIrcPort()));
    g.Password = TypedText(dialog.txtPassword());
    g.SaslUser = TypedText(dialog.txtSaslUser());
    dialog.close();
    main_.connection().ConnectTo();
}

void frmOptions::GetData() {
    ComboBox& servers = view().cmbServer();
    servers.clear();
    for (const std::string& entry : ReadListFile(main_.platform().files, ServerListFile))
        servers.addRow(entry);
}

void frmOptions::SaveData() {
    const ComboBox& servers = view().cmbServer();
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(servers.count()));
    for (int row = 0; row < servers.count(); ++row)
        entries.push_back(servers.row(row));
    WriteListFile(main_.platform().files, ServerListFile, entries);
}

void frmOptions::onAddServer() {
    addServer_.Show("Add", true);
}

void frmOptions::onEditServer() {
    const ComboBox& servers = view().cmbServer();
    addServer_.EditIndex = SelectedComboRow(servers);
    addServer_.Show("Save", false, TypedText(servers));
}

// Without a picked entry nothing is removed, yet the field is emptied and
// the file written again.
void frmOptions::onDeleteServer() {
    ComboBox& servers = view().cmbServer();
    if (const int row = SelectedComboRow(servers); row != -1)
        servers.removeRow(row);
    ShowComboText(servers, "");
    SaveData();
    GetData();
}

// The proxy boxes can be typed into only while the proxy is on.
void frmOptions::onProxyClick() {
    OptionsView& dialog = view();
    dialog.setProxyBoxesEnabled(dialog.chkProxy().isChecked());
}

void frmOptions::onLangEdit() {
    const std::string name = TypedText(view().cmbLang());
    if (name.empty())
        return;
    const Platform& platform = main_.platform();
    if (!platform.files.isFile(name) || !platform.desktop.openInEditor(name))
        main_.PutStatus("*** Не вдалося відкрити " + name);
}

// A plug-in that fails, or no entry picked, leaves the dialog open.
void frmOptions::onPlugin() {
    if (main_.plugins().StartPlugin(view().lstPlugins().selectedIndex()))
        view().close();
}

} // namespace vz
