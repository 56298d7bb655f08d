#include "client_under_test.h"
#include "ngircd_server.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

constexpr int FirstRetryMs = 2000;

std::string refusal(const std::string& fingerprint) {
    return "^ \\*\\*\\* Сертифікат сервера не пройшов перевірку: .+ \\(SHA-256 " + fingerprint +
           "\\)$";
}

// A self-signed certificate, and one other than the stored, is refused with
// one dialog and no retry; accepted, it signs on, and "+" stays in [Last] Port.
TEST(TlsTest, UntrustedCertificateIsRefusedUntilTheUserAcceptsIt) {
    NgircdServer server(NgircdOptions{.tls = true});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    const std::string fingerprint = server.certificateFingerprint();
    ASSERT_EQ(fingerprint.size(), 64u);
    ClientUnderTest client(ClientSettings{.serverPort = server.tlsPort(), .tls = true});
    const std::string key = "127.0.0.1:" + std::to_string(server.tlsPort());
    client.files.files[SettingsFileName] +=
        "[Certificates]\r\n" + key + "=" + std::string(64, '0') + "\r\n";
    client.start();
    client.connect();
    ASSERT_TRUE(client.waitForStatus(refusal(fingerprint))) << client.statusTranscript();
    waitUntil([] { return false; }, FirstRetryMs + 500);
    EXPECT_EQ(countLines(client.statusText(), "Connecting to 127\\.0\\.0\\.1:\\+"), 1);
    EXPECT_EQ(client.ui.certificate->shows, 1);
    EXPECT_FALSE(client.app->globals().Connected);
    EXPECT_EQ(client.app->globals().ConnectTry, 1);

    client.ui.certificateEvents->onAccept();
    ASSERT_TRUE(client.waitForWelcome()) << client.statusTranscript();
    EXPECT_EQ(client.ui.certificate->shows, 1);
    client.app->shutDown();
    const std::string& settings = client.files.files[SettingsFileName];
    EXPECT_NE(settings.find(key + "=" + fingerprint + "\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Port=+" + std::to_string(server.tlsPort()) + "\r\n"),
              std::string::npos)
        << settings;
}

// Without "+" the TLS port is an ordinary failed connection: closed by the
// server and tried again, no certificate dialog.
TEST(TlsTest, PlainConnectionToTheTlsPortFailsAndIsRetried) {
    NgircdServer server(NgircdOptions{.tls = true});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client(ClientSettings{.serverPort = server.tlsPort()});
    client.start();
    client.connect();
    EXPECT_TRUE(client.waitForStatus("^ Connection closed by server$"))
        << client.statusTranscript();
    EXPECT_TRUE(client.waitForStatus("^ \\*\\*\\* #2 Connecting to ")) << client.statusTranscript();
    EXPECT_EQ(client.ui.certificate, nullptr);
}

} // namespace
} // namespace vz::it
