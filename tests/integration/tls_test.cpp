#include "client_under_test.h"
#include "ngircd_server.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// With "+" before the port, a self-signed certificate, not the one stored,
// is refused and asked about once; accepted, it signs on, and [Last] Port
// keeps its "+".
TEST(TlsTest, AnUntrustedCertificateIsRefusedUntilTheUserAcceptsIt) {
    NgircdServer server(NgircdOptions{.tls = true});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    const std::string port = std::to_string(server.tlsPort());
    const std::string stored = "\n127.0.0.1:" + port + "=";
    ClientUnderTest client(ClientSettings{.serverPort = server.tlsPort(), .tls = true});
    client.files.files[SettingsFileName] += "[Certificates]" + stored + std::string(64, '0');
    client.start();
    client.connect();
    EXPECT_TRUE(client.waitForStatus("^ \\*\\*\\* Сертифікат сервера не пройшов перевірку: .+ "
                                     "\\(SHA-256 " +
                                     server.certificateFingerprint() + "\\)$"))
        << client.statusTranscript();
    ASSERT_NE(client.ui.certificate, nullptr);
    client.ui.certificateEvents->onAccept();
    ASSERT_TRUE(client.waitForWelcome()) << client.statusTranscript();
    EXPECT_EQ(client.ui.certificate->shows, 1);
    client.app->shutDown();
    const std::string& settings = client.files.files[SettingsFileName];
    EXPECT_NE(settings.find(stored + server.certificateFingerprint()), std::string::npos);
    EXPECT_NE(settings.find("\nPort=+" + port + "\r\n"), std::string::npos) << settings;
}

} // namespace
} // namespace vz::it
