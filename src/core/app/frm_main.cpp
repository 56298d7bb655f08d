// The main window's logic: start-up, shutdown, options and the saved window position.
#include "app/frm_main.h"

#include "config/settings_values.h"
#include "config/version.h"
#include "interpret/ctcp.h"
#include "text/utf8.h"

namespace vz {

namespace {

const char* const SettingsUnreadable =
    "*** Не вдалося прочитати vuvivaz.ini: налаштування не буде збережено";

// The first character of a stored flag; a blank for an empty value.
std::string firstCharacter(const std::string& value) {
    return value.empty() ? std::string(" ") : utf8::left(value, 1);
}

} // namespace

frmMain::frmMain(const Platform& platform)
    : platform_(platform), settingsIni_(platform.files),
      langTexts_(platform.files, globals_.LangName),
      logSettings_(globals_, platform.files, platform.locale), writer_(logSettings_),
      replyLimiter_(platform.clock), connection_(*this), ident_(*this), tables_(*this),
      status_(*this), list_(*this), interpreter_(*this), parser_(*this), command_(*this),
      channels_(*this), plugins_(*this), options_(*this), certificate_(*this) {
    platform_.serverSocket.setEvents(&connection_);
    platform_.identSocket.setEvents(&ident_);
}

frmMain::~frmMain() {
    platform_.serverSocket.setEvents(nullptr);
    platform_.identSocket.setEvents(nullptr);
}

void frmMain::startUp() {
    LoadPosition();
    globals_.ArrangeMode = Arrangement::TileHorizontal;
    LoadOptions();
    SetLang();
    mainWindow().show();
    status_.show();
    PutStatus(std::string(ProgramTitle) + " v" + VersionText());
    PutStatus(CreditLine);
    PutStatus(">>>");
    startedUp_ = true;
    reportUnreadableSettings();
    globals_.ProgramName = ProgramTitle;
    globals_.ConnectTry = 1;
    applyToolbarImages();
    settingsIni_.setFileName(SettingsFileName);
    if (settingsIni_.Value("Options", "ConnOnStart") == "1")
        connection_.ConnectToIRC(globals_.Server, globals_.ServerPort);
    if (settingsIni_.Value("Start", "Open") == "1")
        options_.Show(true);
}

void frmMain::applyToolbarImages() {
    static const int images[] = {1, 3, 4, 5, 8, 9};
    for (int button = 1; button <= 6; ++button)
        mainWindow().setToolButtonImage(button, images[button - 1]);
}

void frmMain::shutDown() {
    settingsIni_.setFileName(SettingsFileName);
    const std::string port = globals_.ServerPort.text();
    settingsIni_.AddSection("Last");
    settingsIni_.AddValue("Last", "Server", globals_.Server);
    settingsIni_.AddValue("Last", "Port", port);
    settingsIni_.setValue("Last", "Server", globals_.Server);
    settingsIni_.setValue("Last", "Port", port);
    settingsIni_.UpdateFile();
    SavePosition();
    ident_.Close();
    platform_.serverSocket.close();
    closeAllWindows();
}

void frmMain::closeAllWindows() {
    tables_.closeConversations();
    list_.close();
    status_.window().hide();
}

// Texts that go to the server or back into the settings file keep no code-0
// character: a missing key reads as empty there.
void frmMain::LoadOptions() {
    settingsIni_.setFileName(SettingsFileName);
    globals_.FullName = ValueOrEmpty(settingsIni_.Value("Options", "FullName"));
    globals_.Email = ValueOrEmpty(settingsIni_.Value("Options", "Email"));
    globals_.Nick = ValueOrEmpty(settingsIni_.Value("Options", "Nick"));
    globals_.Alternative = ValueOrEmpty(settingsIni_.Value("Options", "Alternative"));
    globals_.Server = ValueOrEmpty(settingsIni_.Value("Last", "Server"));
    globals_.ServerPort = PortOrDefault(settingsIni_.Value("Last", "Port"));
    globals_.Password = ValueOrEmpty(settingsIni_.Value("Last", "Password"));
    globals_.SaslUser = ValueOrEmpty(settingsIni_.Value("Last", "SaslUser"));
    globals_.LangName = ValueOrEmpty(settingsIni_.Value("Lang", "Name"));
    globals_.LogChannels = firstCharacter(settingsIni_.Value("Logs", "Channels"));
    globals_.LogPrivats = firstCharacter(settingsIni_.Value("Logs", "Privats"));
    globals_.Scrollback = ScrollbackOrDefault(settingsIni_.Value("Options", "Scrollback"));
    reportUnreadableSettings();
    plugins_.LoadPlugins();
}

// Said once, after the banner: the program runs on defaults and will not
// write over the file it could not read.
void frmMain::reportUnreadableSettings() {
    if (!startedUp_ || unreadableReported_ || !settingsIni_.loadFailed())
        return;
    unreadableReported_ = true;
    PutStatus(SettingsUnreadable);
}

// Each value by itself: one that is missing or no number leaves only its own
// property as it was.
void frmMain::LoadPosition() {
    settingsIni_.setFileName(SettingsFileName);
    MainWindowView& window = mainWindow();
    if (const auto top = ParseTwips(settingsIni_.Value("Position", "Top")))
        window.setTop(*top);
    if (const auto left = ParseTwips(settingsIni_.Value("Position", "Left")))
        window.setLeft(*left);
    if (const auto width = ParseTwips(settingsIni_.Value("Position", "Width")))
        window.setWidth(*width);
    if (const auto height = ParseTwips(settingsIni_.Value("Position", "Height")))
        window.setHeight(*height);
}

void frmMain::SavePosition() {
    MainWindowView& window = mainWindow();
    if (window.isMinimized())
        return;
    settingsIni_.setFileName(SettingsFileName);
    const TwipRect geometry = window.geometry();
    const std::pair<const char*, int> values[] = {{"Top", geometry.top},
                                                  {"Left", geometry.left},
                                                  {"Width", geometry.width},
                                                  {"Height", geometry.height}};
    settingsIni_.AddSection("Position");
    for (const auto& [key, value] : values)
        settingsIni_.AddValue("Position", key, FormatSingle(static_cast<float>(value)));
    for (const auto& [key, value] : values)
        settingsIni_.setValue("Position", key, FormatSingle(static_cast<float>(value)));
    settingsIni_.UpdateFile();
}

void frmMain::PutColorText(TextView& view, const std::string& text, const std::string& logName) {
    writer_.PutColorText(view, text, logName);
}

void frmMain::AnswerVersion(const std::string& nick, VersionAnswer kind) {
    vz::AnswerVersion(*this, nick, kind);
}

void frmMain::PutStatus(const std::string& text) {
    writer_.PutColorText(status_.rtfText(), "06" + text, "");
}

} // namespace vz
