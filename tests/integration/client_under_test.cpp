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
                 .identSocket = &qtIdentSocket}),
      identPort_(settings.identPort == 0 ? freeLoopbackPort() : settings.identPort) {
    std::string ini = "[Options]\r\nNick=vuvi\r\nAlternative=vuvi_\r\nFullName=VuviVAZ Tester\r\n"
                      "Email=\r\nConnOnStart=0\r\n[Start]\r\nOpen=0\r\n[Logs]\r\nChannels=0\r\n"
                      "Privats=0\r\n[Last]\r\nServer=127.0.0.1\r\nPort=";
    ini += (settings.tls ? "+" : "") + std::to_string(settings.serverPort) + "\r\n" +
           (settings.password.empty() ? "" : "Password=" + settings.password + "\r\n") +
           (settings.saslUser.empty() ? "" : "SaslUser=" + settings.saslUser + "\r\n");
    if (identPort_ != DefaultIdentPort)
        ini += "[Ident]\r\nPort=" + std::to_string(identPort_) + "\r\n";
    files.files[SettingsFileName] = ini;
}

ClientUnderTest::~ClientUnderTest() {
    if (app->globals().Connected)
        app->connection().DisconnectToIRC();
    app.reset();
    QCoreApplication::processEvents();
}

int countLines(const fake::FakeTextView& view, const std::string& pattern) {
    const std::regex expression(pattern);
    const auto lines = view.lineTexts();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
        return std::regex_search(line, expression);
    }));
}

} // namespace vz::it
