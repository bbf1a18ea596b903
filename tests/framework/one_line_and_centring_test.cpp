// What a one-line field makes of pasted lines, and where a centred window goes: the plain rules
// behind the fields and the windows, checked without a window.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "framework/placement.h"
#include "framework/text.h"
#include "tests/support/rows.h"

namespace {

using rows::PrintTo;

struct PastedRow {
    std::string name;
    std::string_view text;
    std::size_t cursor;  // where the paste left the cursor, a byte offset
    std::string_view held;
    std::size_t heldCursor;
};

class PastedLineTest : public testing::TestWithParam<PastedRow> {};

TEST_P(PastedLineTest, HoldsOneLineWithTheCursorInPlace) {
    std::size_t cursor = GetParam().cursor;
    EXPECT_EQ(fw::SingleLine(GetParam().text, &cursor), GetParam().held);
    EXPECT_EQ(cursor, GetParam().heldCursor);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Field, PastedLineTest, testing::Values(
    PastedRow{"SpreadsheetCell", "250000\n", 7, "250000", 6},
    PastedRow{"WindowsLine", "250000\r\n", 8, "250000", 6},
    PastedRow{"OldMacLine", "250000\r", 7, "250000", 6},
    PastedRow{"SeveralTrailingBreaks", "360\n\r\n\n", 7, "360", 3},
    PastedRow{"OnlyABreak", "\n", 1, "", 0},
    PastedRow{"NoBreak", "3.75", 2, "3.75", 2},
    PastedRow{"InnerBreaksBecomeOneBlankEach", "1\n2\r\n3\r4", 9, "1 2 3 4", 7},
    PastedRow{"PastedBeforeOtherText", "250000\n12", 7, "250000 12", 7},
    PastedRow{"CursorInsideAPair", "5\r\n6", 2, "5 6", 1},
    PastedRow{"LeadingBreak", "\n6.5", 1, " 6.5", 1},
    PastedRow{"NonAsciiKept", "\xE2\x82\xAC" "5\n", 5, "\xE2\x82\xAC" "5", 4}),
    RowName<PastedRow>);
// clang-format on

struct PlacementRow {
    std::string name;
    fw::ScreenArea area;
    int width, height;
    fw::ScreenPoint expected;
};

class CentringTest : public testing::TestWithParam<PlacementRow> {};

TEST_P(CentringTest, KeepsTheTopLeftCornerInTheArea) {
    const PlacementRow& row = GetParam();
    const fw::ScreenPoint at = fw::CentredIn(row.area, row.width, row.height);
    EXPECT_EQ(at.x, row.expected.x);
    EXPECT_EQ(at.y, row.expected.y);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, CentringTest, testing::Values(
    PlacementRow{"CalculatorOnAnOrdinaryScreen", {0, 0, 1280, 1024}, 638, 589, {321, 217}},
    PlacementRow{"CalculatorAtTwiceTheScale", {0, 0, 1280, 1024}, 1276, 1178, {2, 0}},
    PlacementRow{"WiderAndTallerThanTheScreen", {0, 0, 1280, 1024}, 1660, 1236, {0, 0}},
    PlacementRow{"BelowATopPanel", {0, 32, 1280, 992}, 1276, 1178, {2, 32}},
    PlacementRow{"RightOfAPanelOnASecondScreen", {1330, 0, 1870, 1080}, 2000, 600, {1330, 240}},
    PlacementRow{"ExactFit", {0, 0, 800, 600}, 800, 600, {0, 0}}),
    RowName<PlacementRow>);
// clang-format on

}  // namespace
