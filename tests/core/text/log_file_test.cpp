#include "fakes/fake_platform.h"
#include "text/log_file.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// Bold and underline go, colour codes stay; an entry that cannot be written
// is lost alone; no name leads out of the working directory.
TEST(LogFileTest, EachLineIsOneEntryAppendedToItsFile) {
    fake::FakeFiles files;
    fake::FakeLocale locale;
    const auto log = files.openAppending("#x.txt");
    WriteLog(*log, locale, "\002hi\002 \037\0034all\037");
    files.failWrites = true;
    WriteLog(*log, locale, "lost");
    files.failWrites = false;
    WriteLog(*log, locale, "Ніч");
    EXPECT_EQ(files.files["#x.txt"], "[06.12.2026]-21:30:00- hi \0034all\r\n"
                                     "----------------------\r\n"
                                     "[06.12.2026]-21:30:00- Ніч\r\n"
                                     "----------------------\r\n");
    const std::pair<std::string_view, const char*> names[] = {
        {"Bob[away]", "Bob[away].txt"},
        {"../etc/x", ".._etc_x.txt"},
        {"a\\b\tc\x7f", "a_b_c_.txt"},
        {{"n\0l", 3}, "n_l.txt"},
    };
    for (const auto& [logName, file] : names)
        EXPECT_EQ(LogFileName(logName), file) << logName;
}

} // namespace
} // namespace vz
