#include "fakes/fake_controls.h"
#include "windows/control_helpers.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(ControlHelpersTest, PlacesEmptyRectanglesButNotNegativeOnes) {
    fake::FakeLineEdit input;
    EXPECT_TRUE(PlaceIfValid(input, TwipRect{5, 6, 0, 0}));
    EXPECT_EQ(input.placed.left, 5);
    EXPECT_FALSE(PlaceIfValid(input, TwipRect{7, 8, 100, -1}));
    EXPECT_FALSE(PlaceIfValid(input, TwipRect{7, 8, -1, 100}));
    EXPECT_EQ(input.placed.left, 5);
    EXPECT_EQ(input.placed.top, 6);
}

TEST(ControlHelpersTest, AddressedWordGoesAfterTheTypedTextWithTheCaretAtTheEnd) {
    fake::FakeLineEdit input;
    input.value = "привіт";
    AddressWord(input, "bob");
    EXPECT_EQ(input.value, "привіт bob, ");
    EXPECT_EQ(input.caret, 12); // code points, not bytes
    EXPECT_EQ(input.focusCount, 1);
    AddressWord(input, "");
    EXPECT_EQ(input.value, "привіт bob,  , ");
}

TEST(ControlHelpersTest, WordAtPointerReadsTheNickUnderThePixel) {
    fake::FakeTextView view;
    view.appendLine({TextRun{"hi bob_1!", {}}});
    for (int i = 0; i < 12; ++i)
        view.charAtPixel[{i, 0}] = i;
    const std::string shown = view.text();
    const int offset = static_cast<int>(shown.find("bob"));
    EXPECT_EQ(WordAtPointer(view, offset + 2, 0), "bob_1");
    EXPECT_EQ(WordAtPointer(view, offset + 5, 0), "");
    EXPECT_EQ(WordAtPointer(view, 50, 50), "");
}

} // namespace
} // namespace vz
