#include "client_under_test.h"

#include "free_port.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <chrono>
#include <regex>

namespace vz::it {
namespace {

constexpr const char* LanguageFile = "Test.lng";

std::string languageText() {
    return std::string("[Main]\r\nmnuConnect=Connect\r\nmnuDisconnect=Disconnect\r\n") +
           "[Status]\r\nCaption=Status\r\n" + "[Chat]\r\nstrUsersCount=" + UsersWord + "\r\n" +
           "[Private]\r\nstrCaption=Private\r\n" + "[List]\r\nCaption1=" + ChannelListCaption +
           "\r\nCaption2=" + WhoisCaption + "\r\nCaption3=" + NamesCaption + "\r\n";
}

} // namespace

ClientUnderTest::ClientUnderTest(ClientSettings settings)
    : app_(std::make_unique<frmMain>(Platform{clock_, pump_, files_, locale_, ui_, mainWindow_,
                                              dialogs_, serverSocket_, identSocket_})) {
    writeSettings(settings);
}

ClientUnderTest::~ClientUnderTest() {
    if (app_->globals().Connected)
        app_->connection().DisconnectToIRC();
    app_.reset();
    pumpQtEvents();
}

void ClientUnderTest::writeSettings(const ClientSettings& settings) {
    identPort_ = settings.identPort == 0 ? freeLoopbackPort() : settings.identPort;
    std::string ini =
        "[Options]\r\nNick=" + settings.nick + "\r\nAlternative=" + settings.alternative +
        "\r\nFullName=" + settings.fullName + "\r\nEmail=\r\nConnOnStart=0\r\n" +
        "[Last]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(settings.serverPort) + "\r\n" +
        (settings.password.empty() ? "" : "Password=" + settings.password + "\r\n") +
        "[Start]\r\nOpen=0\r\n" + "[Lang]\r\nName=" + LanguageFile + "\r\n" +
        "[Logs]\r\nChannels=0\r\nPrivats=0\r\n";
    if (identPort_ != DefaultIdentPort)
        ini += "[Ident]\r\nPort=" + std::to_string(identPort_) + "\r\n";
    files_.files[SettingsFileName] = ini;
    files_.files[LanguageFile] = languageText();
}

void ClientUnderTest::start() {
    app_->startUp();
}

void ClientUnderTest::connect() {
    app_->connection().ConnectTo();
}

bool ClientUnderTest::waitForWelcome() {
    return waitForStatus("^ \\* Welcome to the Internet Relay Network ");
}

bool ClientUnderTest::signOn() {
    start();
    connect();
    return waitForWelcome();
}

bool ClientUnderTest::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (Clock::now() >= deadline)
            return false;
        runQtEventsFor(5);
    }
    return true;
}

bool ClientUnderTest::waitForLine(const fake::FakeTextView& view, const std::string& pattern,
                                  int timeoutMs) {
    return waitUntil([&] { return showsLine(view, pattern); }, timeoutMs);
}

bool ClientUnderTest::waitForStatus(const std::string& pattern, int timeoutMs) {
    return waitForLine(statusText(), pattern, timeoutMs);
}

void ClientUnderTest::typeInStatus(const std::string& line) {
    ui_.status->inputLine.setText(line);
    app_->status().onInputEnter();
}

void ClientUnderTest::typeInChannel(const std::string& channel, const std::string& line) {
    chatView(channel).inputLine.setText(line);
    chat(channel).onInputEnter();
}

void ClientUnderTest::typeInPrivat(const std::string& nick, const std::string& line) {
    privatView(nick).inputLine.setText(line);
    privat(nick).onInputEnter();
}

fake::FakeTextView& ClientUnderTest::statusText() {
    return ui_.statusText();
}

bool ClientUnderTest::hasChannel(const std::string& name) const {
    return app_->tables().FindChannel(name) != -1;
}

bool ClientUnderTest::hasPrivat(const std::string& nick) const {
    return app_->tables().FindPrivat(nick) != -1;
}

frmChat& ClientUnderTest::chat(const std::string& name) {
    return fake::channelWindow(*app_, name);
}

fake::FakeChatView& ClientUnderTest::chatView(const std::string& name) {
    return *ui_.chats.at(&chat(name));
}

frmPrivat& ClientUnderTest::privat(const std::string& nick) {
    return fake::privatWindow(*app_, nick);
}

fake::FakePrivatView& ClientUnderTest::privatView(const std::string& nick) {
    return *ui_.privats.at(&privat(nick));
}

std::string ClientUnderTest::statusTranscript() {
    return ui_.status == nullptr ? "(no status window)" : linesOf(ui_.status->textView);
}

std::string linesOf(const fake::FakeTextView& view) {
    std::string text;
    for (const auto& line : view.lineTexts())
        text += "[" + line + "]\n";
    return text;
}

std::string rowsOf(const fake::FakeListBox& list) {
    std::string text;
    for (const auto& row : list.rows)
        text += "[" + row + "]\n";
    return text;
}

bool showsLine(const fake::FakeTextView& view, const std::string& pattern) {
    return countLines(view, pattern) > 0;
}

int countLines(const fake::FakeTextView& view, const std::string& pattern) {
    const std::regex expression(pattern);
    int count = 0;
    for (const auto& line : view.lineTexts())
        if (std::regex_search(line, expression))
            ++count;
    return count;
}

} // namespace vz::it
