#include "client_under_test.h"

#include "free_port.h"

#include <QCoreApplication>

#include <algorithm>
#include <regex>

namespace vz::it {
ClientUnderTest::ClientUnderTest(ClientSettings settings)
    : FakeWorld({.clock = &qtClock,
                 .pump = &qtPump,
                 .locale = &qtLocale,
                 .server = &serverSocket,
                 .identSocket = &qtIdentSocket}) {
    std::string ini = "[Options]\r\nNick=vuvi\r\nAlternative=vuvi_\r\nFullName=VuviVAZ Tester\r\n"
                      "Email=\r\nConnOnStart=0\r\n[Start]\r\nOpen=0\r\n[Logs]\r\nChannels=0\r\n"
                      "Privats=0\r\n[Last]\r\nServer=127.0.0.1\r\nPort=";
    ini += (settings.tls ? "+" : "") + std::to_string(settings.serverPort) + "\r\n" +
           (settings.password.empty() ? "" : "Password=" + settings.password + "\r\n") +
           (settings.saslUser.empty() ? "" : "SaslUser=" + settings.saslUser + "\r\n");
    if (!settings.defaultIdentPort)
        ini += "[Ident]\r\nPort=" + std::to_string(freeLoopbackPort()) + "\r\n";
    files.files[SettingsFileName] = ini;
}

ClientUnderTest::~ClientUnderTest() {
    if (app->globals().Connected)
        app->connection().DisconnectToIRC();
    app.reset();
    QCoreApplication::processEvents();
}

bool ClientUnderTest::waitForLine(const fake::FakeTextView& view, const std::string& pattern) {
    const std::regex expression(pattern);
    return waitUntil([&] {
        const auto lines = view.lineTexts();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const auto& line) { return std::regex_search(line, expression); });
    });
}

} // namespace vz::it
