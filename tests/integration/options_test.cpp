#include "app/menu_commands.h"
#include "client_under_test.h"
#include "ngircd_server.h"

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// The stored server is the wrong one; what the dialog shows signs on, and
// nothing is stored.
TEST(OptionsConnectTest, ConnectFromTheDialogSignsOnWithWhatItShows) {
    NgircdServer server(NgircdOptions{false, "s3cret"});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client(ClientSettings{1});
    const std::string stored = client.files.files[SettingsFileName];
    client.start();
    ToolbarOptions(*client.app);
    fake::FakeOptionsView& dialog = *client.ui.options;
    dialog.servers.value = "127.0.0.1<local server>";
    dialog.port.value = std::to_string(server.port());
    dialog.password.value = "s3cret";
    client.ui.optionsEvents->onConnect();
    EXPECT_FALSE(dialog.visible);
    EXPECT_TRUE(client.waitForWelcome()) << client.statusTranscript();
    EXPECT_EQ(client.files.files[SettingsFileName], stored);
}

} // namespace
} // namespace vz::it
