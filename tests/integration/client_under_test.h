#pragma once

#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "line_client.h"
#include "qt_client_socket.h"
#include "qt_clock.h"
#include "qt_event_pump.h"
#include "qt_ident_socket.h"
#include "qt_locale_format.h"

#include <functional>
#include <string>

namespace vz::it {

// Words of the language file the client under test reads.
constexpr const char* UsersWord = "users";
constexpr const char* ChannelListCaption = "Channels";
constexpr const char* WhoisCaption = "Whois";
constexpr const char* NamesCaption = "Names";

struct ClientSettings {
    int serverPort = 0;
    std::string nick = "vuvi";
    std::string alternative = "vuvi_";
    std::string fullName = "VuviVAZ Tester";
    // The ident port written to the settings; 0 picks a free port, and
    // DefaultIdentPort leaves the key out, so the program uses its default.
    int identPort = 0;
    // [Last] Password; left out when empty.
    std::string password{};
};

constexpr int DefaultIdentPort = 113;

// Lines of a text view, joined for failure messages.
std::string linesOf(const fake::FakeTextView& view);
// Rows of a list, joined for failure messages.
std::string rowsOf(const fake::FakeListBox& list);
// True when some line of `view` contains a match of `pattern`.
bool showsLine(const fake::FakeTextView& view, const std::string& pattern);
// How many lines of `view` contain a match of `pattern`.
int countLines(const fake::FakeTextView& view, const std::string& pattern);

// The program's logic with the real Qt sockets, clock, event pump and locale,
// and the fake windows and files that the tests read.
class ClientUnderTest {
public:
    explicit ClientUnderTest(ClientSettings settings);
    ~ClientUnderTest();
    ClientUnderTest(const ClientUnderTest&) = delete;
    ClientUnderTest& operator=(const ClientUnderTest&) = delete;

    // Runs the start-up (status window, banner, settings).
    void start() { world_.start(); }
    // Starts a connection attempt to the configured server.
    void connect() { app().connection().ConnectTo(); }
    // Waits until the server's welcome is shown.
    bool waitForWelcome() { return waitForStatus("^ \\* Welcome to the Internet Relay Network "); }
    // start(), connect() and waitForWelcome().
    bool signOn();
    // Runs the Qt event loop until `condition` holds or `timeoutMs` passed.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs = DefaultWaitMs);
    // Waits for a line matching `pattern` in a text view.
    bool waitForLine(const fake::FakeTextView& view, const std::string& pattern,
                     int timeoutMs = DefaultWaitMs) {
        return waitUntil([&] { return showsLine(view, pattern); }, timeoutMs);
    }
    bool waitForStatus(const std::string& pattern, int timeoutMs = DefaultWaitMs) {
        return waitForLine(statusText(), pattern, timeoutMs);
    }

    // Typing a line and pressing Enter in a window's input line.
    void typeInStatus(const std::string& line);
    void typeInChannel(const std::string& channel, const std::string& line);
    void typeInPrivat(const std::string& nick, const std::string& line);

    frmMain& app() { return *world_.app; }
    fake::FakeMainWindow& mainWindow() { return world_.mainWindow; }
    fake::FakeUi& ui() { return world_.ui; }
    fake::FakeFiles& files() { return world_.files; }
    const std::string& nick() const { return world_.app->globals().Nick; }
    int identPort() const { return identPort_; }

    fake::FakeTextView& statusText() { return world_.statusText(); }
    bool hasChannel(const std::string& name) const;
    bool hasPrivat(const std::string& nick) const;
    frmChat& chat(const std::string& name) { return world_.chat(name); }
    fake::FakeChatView& chatView(const std::string& name) { return world_.chatView(name); }
    frmPrivat& privat(const std::string& nick) { return world_.privat(nick); }
    fake::FakePrivatView& privatView(const std::string& nick) { return world_.privatView(nick); }
    // The list window's view; nullptr before the list window was made.
    fake::FakeListWindowView* listView() { return world_.ui.list; }

    // The status window's lines, for failure messages.
    std::string statusTranscript();

private:
    int identPort_ = 0;
    QtClock clock_;
    QtEventPump pump_;
    QtLocaleFormat locale_;
    QtClientSocket serverSocket_;
    QtIdentSocket identSocket_;
    fake::FakeWorld world_{{.clock = &clock_,
                            .pump = &pump_,
                            .locale = &locale_,
                            .server = &serverSocket_,
                            .identSocket = &identSocket_}};
};

} // namespace vz::it
