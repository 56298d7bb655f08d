#include "app/frm_main.h"
#include "fakes/fake_platform.h"
#include "text/log_file.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(LogFileNameTest, NamesStayInTheWorkingDirectory) {
    const std::pair<const char*, const char*> rows[] = {
        {"#kiev", "#kiev.txt"}, {"Bob[away]", "Bob[away].txt"}, {"../etc/x", ".._etc_x.txt"},
        {"a\\b", "a_b.txt"},    {"a\tb\x7f", "a_b_.txt"},       {"Ніч", "Ніч.txt"},
    };
    for (const auto& [logName, file] : rows)
        EXPECT_EQ(LogFileName(logName), file) << logName;
    EXPECT_EQ(LogFileName(std::string_view("n\0l", 3)), "n_l.txt");
}

TEST(WriteLogTest, EachSwitchedOnConversationLineIsOneEntryInItsFile) {
    fake::FakeWorld world;
    world.startSignedOn();
    Globals& globals = world.app->globals();
    globals.LogChannels = "1";
    globals.LogPrivats = "0";
    world.serverSays(":me!u@h JOIN :#x");
    world.serverSays(":bob!u@h PRIVMSG #x :\x02hi\x02 \x1F\x03"
                     "4all\x1F");
    world.serverSays(":bob!u@h PRIVMSG me :psst");
    world.files.failWrites = true;
    world.serverSays(":bob!u@h PRIVMSG #x :lost");
    world.files.failWrites = false;
    world.locale.time = "21:30:05";
    world.serverSays(":bob!u@h PRIVMSG #x :\x01"
                     "ACTION waves\x01");
    EXPECT_EQ(world.files.files["#x.txt"], "[06.12.2026]-21:30:00- bob: \thi \x03"
                                           "4all\r\n"
                                           "----------------------\r\n"
                                           "[06.12.2026]-21:30:05- bob waves\r\n"
                                           "----------------------\r\n");
    EXPECT_FALSE(world.files.isFile("bob.txt"));
    globals.LogPrivats = "1";
    world.serverSays(":bob!u@h PRIVMSG me :psst");
    EXPECT_EQ(world.files.listFiles("", "*.txt"), (std::vector<std::string>{"#x.txt", "bob.txt"}));
}

} // namespace
} // namespace vz
