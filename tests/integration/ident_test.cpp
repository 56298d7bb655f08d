#include "client_under_test.h"
#include "ngircd_server.h"

#include <QTcpServer>

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// ngircd asks the client's ident port 113, the default, while it signs on,
// and takes the answer, so the user name carries no "~".
TEST(IdentTest, ServerAsksTheDefaultPortAndSignsOnWithoutTilde) {
    if (QTcpServer probe; !probe.listen(QHostAddress::AnyIPv4, 113))
        GTEST_SKIP() << "port 113 cannot be bound here";
    NgircdServer server(NgircdOptions{true});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client{ClientSettings{.serverPort = server.port(), .defaultIdentPort = true}};
    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    EXPECT_TRUE(client.waitForStatus("Welcome to the Internet Relay Network vuvi![^~]"))
        << client.statusTranscript() << server.diagnostics();
}

} // namespace
} // namespace vz::it
