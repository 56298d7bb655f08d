#include "fakes/fake_platform.h"
#include "text/log_file.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(LogFileTest, NamesStayInTheWorkingDirectory) {
    const std::pair<std::string_view, const char*> rows[] = {
        {"#kiev", "#kiev.txt"}, {"Bob[away]", "Bob[away].txt"}, {"../etc/x", ".._etc_x.txt"},
        {"a\\b", "a_b.txt"},    {"a\tb\x7f", "a_b_.txt"},       {{"n\0l", 3}, "n_l.txt"},
    };
    for (const auto& [logName, file] : rows)
        EXPECT_EQ(LogFileName(logName), file) << logName;
}

// Bold and underline go, colour codes stay; an entry that cannot be written is lost alone.
TEST(LogFileTest, EachLineIsOneEntryAppendedToItsFile) {
    fake::FakeFiles files;
    fake::FakeLocale locale;
    WriteLog(files, locale,
             "\x02hi\x02 \x1F\x03"
             "4all\x1F",
             "#x");
    files.failWrites = true;
    WriteLog(files, locale, "lost", "#x");
    files.failWrites = false;
    WriteLog(files, locale, "Ніч", "#x");
    EXPECT_EQ(files.files["#x.txt"], "[06.12.2026]-21:30:00- hi \x03"
                                     "4all\r\n"
                                     "----------------------\r\n"
                                     "[06.12.2026]-21:30:00- Ніч\r\n"
                                     "----------------------\r\n");
}

} // namespace
} // namespace vz
