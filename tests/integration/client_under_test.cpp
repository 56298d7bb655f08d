#include "client_under_test.h"

#include "free_port.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <chrono>
#include <regex>

namespace vz::it {
namespace {

constexpr const char* LanguageFile = "Test.lng";

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += "[" + line + "]\n";
    return text;
}

} // namespace

ClientUnderTest::ClientUnderTest(ClientSettings settings)
    : identPort_(settings.identPort == 0 ? freeLoopbackPort() : settings.identPort) {
    std::string ini =
        "[Options]\r\nNick=" + settings.nick + "\r\nAlternative=" + settings.alternative +
        "\r\nFullName=" + settings.fullName + "\r\nEmail=\r\nConnOnStart=0\r\n" +
        "[Last]\r\nServer=127.0.0.1\r\nPort=" + std::to_string(settings.serverPort) + "\r\n" +
        (settings.password.empty() ? "" : "Password=" + settings.password + "\r\n") +
        "[Start]\r\nOpen=0\r\n[Lang]\r\nName=" + LanguageFile +
        "\r\n[Logs]\r\nChannels=0\r\nPrivats=0\r\n";
    if (identPort_ != DefaultIdentPort)
        ini += "[Ident]\r\nPort=" + std::to_string(identPort_) + "\r\n";
    world_.files.files[SettingsFileName] = ini;
    world_.files.files[LanguageFile] =
        std::string("[Main]\r\nmnuConnect=Connect\r\nmnuDisconnect=Disconnect\r\n") +
        "[Status]\r\nCaption=Status\r\n[Chat]\r\nstrUsersCount=" + UsersWord +
        "\r\n[Private]\r\nstrCaption=Private\r\n[List]\r\nCaption1=" + ChannelListCaption +
        "\r\nCaption2=" + WhoisCaption + "\r\nCaption3=" + NamesCaption + "\r\n";
}

ClientUnderTest::~ClientUnderTest() {
    if (app().globals().Connected)
        app().connection().DisconnectToIRC();
    world_.app.reset();
    pumpQtEvents();
}

bool ClientUnderTest::signOn() {
    start();
    connect();
    return waitForWelcome();
}

bool ClientUnderTest::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        runQtEventsFor(5);
    }
    return true;
}

void ClientUnderTest::typeInStatus(const std::string& line) {
    world_.ui.status->inputLine.setText(line);
    app().status().onInputEnter();
}

void ClientUnderTest::typeInChannel(const std::string& channel, const std::string& line) {
    chatView(channel).inputLine.setText(line);
    chat(channel).onInputEnter();
}

void ClientUnderTest::typeInPrivat(const std::string& nick, const std::string& line) {
    privatView(nick).inputLine.setText(line);
    privat(nick).onInputEnter();
}

bool ClientUnderTest::hasChannel(const std::string& name) const {
    return world_.app->tables().FindChannel(name) != -1;
}

bool ClientUnderTest::hasPrivat(const std::string& nick) const {
    return world_.app->tables().FindPrivat(nick) != -1;
}

std::string ClientUnderTest::statusTranscript() {
    return world_.ui.status == nullptr ? "(no status window)" : linesOf(statusText());
}

std::string linesOf(const fake::FakeTextView& view) {
    return joined(view.lineTexts());
}

std::string rowsOf(const fake::FakeListBox& list) {
    return joined(list.rows);
}

bool showsLine(const fake::FakeTextView& view, const std::string& pattern) {
    return countLines(view, pattern) > 0;
}

int countLines(const fake::FakeTextView& view, const std::string& pattern) {
    const std::regex expression(pattern);
    int count = 0;
    for (const auto& line : view.lineTexts())
        count += std::regex_search(line, expression) ? 1 : 0;
    return count;
}

} // namespace vz::it
