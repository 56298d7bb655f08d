#pragma once

#include "client_under_test.h"
#include "ngircd_server.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace vz::it {

// Our client and one scripted user, both signed on to a private local server.
class ClientAndPeerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << server.diagnostics();
        ASSERT_TRUE(client.signOn()) << client.statusTranscript();
        ASSERT_TRUE(other.signOn(server.port())) << other.transcript();
    }

    NgircdServer server;
    ClientUnderTest client{ClientSettings{server.port()}};
    ScriptedPeer other{"other"};
};

} // namespace vz::it
