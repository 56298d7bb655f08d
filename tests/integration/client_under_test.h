#pragma once

#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "line_client.h"
#include "qt_client_socket.h"
#include "qt_clock.h"
#include "qt_event_pump.h"
#include "qt_ident_socket.h"
#include "qt_locale_format.h"
#include "windows/frm_chat.h"
#include "windows/frm_privat.h"

#include <string>

namespace vz::it {

struct ClientSettings {
    int serverPort = 0;
    // Leaves [Ident] Port out, so the program listens on its default, 113;
    // otherwise the settings name a free port.
    bool defaultIdentPort = false;
    // [Last] Password and SaslUser; each left out when empty.
    std::string password{};
    std::string saslUser{};
    // [Last] Port written with "+".
    bool tls = false;
};

// The real Qt sockets, clock, event pump and locale of the client under test.
struct QtParts {
    QtClock qtClock;
    QtEventPump qtPump;
    QtLocaleFormat qtLocale;
    QtClientSocket serverSocket;
    QtIdentSocket qtIdentSocket;
};

// The program's logic with the real Qt parts, and the fake windows and files
// that the tests read; its nick is "vuvi".
class ClientUnderTest : private QtParts, public fake::FakeWorld {
public:
    explicit ClientUnderTest(ClientSettings settings);
    ~ClientUnderTest();

    // Whether a line of `view` comes to contain a match of `pattern`.
    bool waitForLine(const fake::FakeTextView& view, const std::string& pattern);
    bool waitForStatus(const std::string& pattern) { return waitForLine(statusText(), pattern); }
    bool waitForWelcome() { return waitForStatus("^ \\* Welcome to the Internet Relay Network "); }
    // Starts, connects and waits for the server's welcome.
    bool signOn() {
        start();
        connect();
        return waitForWelcome();
    }

    // Typing a line and pressing Enter in a window's input line.
    template <class Window> static void type(Window& window, const std::string& line) {
        window.txtIn().setText(line);
        window.onInputEnter();
    }

    bool hasChannel(const std::string& name) const { return app->tables().FindChannel(name) != -1; }
    // The status window's lines, for failure messages.
    std::string statusTranscript() {
        return ui.status == nullptr ? "(no status window)" : statusText().text();
    }
};

} // namespace vz::it
