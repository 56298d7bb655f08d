#include "app/frm_main.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const std::string Stored(64, 'a');
const std::string Presented(64, 'b');

// Connected over TLS to irc.test:+6697, with a stored certificate for it.
struct CertificateTest : ::testing::Test {
    CertificateTest() {
        world.files.files["vuvivaz.ini"] =
            "[Options]\r\nNick=me\r\n[Last]\r\nServer=irc.test\r\nPort=+6697\r\n"
            "[Certificates]\r\nIRC.test:6697=" +
            Stored + "\r\n";
        world.start();
        world.connect();
    }
    std::string state() {
        const fake::FakeMainWindow& w = world.mainWindow;
        return w.caption() + ", icon " + std::to_string(w.icon) + ", button " +
               std::to_string(w.toolImages.at(1)) + (w.isMenuEnabled("mnuJoin") ? ", menus" : "") +
               ", try " + std::to_string(world.app->globals().ConnectTry) +
               (world.app->globals().Connected ? ", connected" : "");
    }
    fake::FakeWorld world;
};

// The stored fingerprint goes with every attempt to that host and port; a
// certificate the socket rejects ends the attempt without a retry and asks
// the user once.
TEST_F(CertificateTest, RejectedCertificateAsksTheUserOnce) {
    EXPECT_EQ(world.server.acceptedFingerprint, Stored);
    world.server.events->onClosedByServer();
    world.clock.advance(2000);
    EXPECT_EQ(world.server.acceptedFingerprint, Stored);
    EXPECT_EQ(world.statusLast(), " *** #2 Connecting to irc.test:+6697");
    world.news();
    world.server.events->onCertificateRejected("self-signed", Presented);
    world.clock.advance(120000);
    EXPECT_EQ(world.server.connects, 2);
    EXPECT_EQ(world.news(), "Status:  *** Сертифікат сервера не пройшов перевірку: self-signed "
                            "(SHA-256 " +
                                Presented + ")\n");
    EXPECT_EQ(state(), "VuviVAZ, icon 1, button 1, try 1");
    ASSERT_NE(world.ui.certificate, nullptr);
    EXPECT_EQ(world.ui.certificate->shows, 1);
    EXPECT_TRUE(world.ui.certificate->modal);
    EXPECT_EQ(world.ui.certificate->details, "irc.test:6697 | self-signed | " + Presented);
}

// Accept stores the fingerprint under the host as typed and the port without
// "+", and tries again at once with it; Reject leaves things as they are.
TEST_F(CertificateTest, AcceptStoresAndReconnectsRejectDoesNothing) {
    for (const bool accept : {false, true}) {
        SCOPED_TRACE(accept ? "accept" : "reject");
        world.app->globals().Server = "Other.Test";
        world.app->connection().ConnectTo();
        EXPECT_EQ(world.server.acceptedFingerprint, "");
        world.server.events->onCertificateRejected("expired", Presented);
        const std::string before = world.files.files["vuvivaz.ini"];
        const int connects = world.server.connects;
        accept ? world.ui.certificateEvents->onAccept() : world.ui.certificateEvents->onReject();
        EXPECT_FALSE(world.ui.certificate->visible);
        EXPECT_EQ(world.server.connects, connects + (accept ? 1 : 0));
        const std::string& after = world.files.files["vuvivaz.ini"];
        EXPECT_EQ(after.find("\nOther.Test:6697=" + Presented + "\r\n") != std::string::npos,
                  accept);
        EXPECT_EQ(after == before, !accept);
    }
    EXPECT_EQ(world.server.acceptedFingerprint, Presented);
}

} // namespace
} // namespace vz
