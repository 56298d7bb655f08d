#include "text/typed_line.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(TypedLineTest, EveryLineBreakBecomesOneBlank) {
    const struct {
        const char* typed;
        const char* line;
    } rows[] = {
        {"a\r\nb", "a b"},  {"a\rb", "a b"}, {"a\nb", "a b"},
        {"a\n\nb", "a  b"}, {"a\r\n", "a "}, {"\r\r\n", "  "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(BlanksForLineBreaks(row.typed), row.line);
    }
}

} // namespace
} // namespace vz
