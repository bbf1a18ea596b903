// What a one-line field makes of pasted lines, and where a centred window goes: the plain rules
// behind the fields and the windows, checked without a window.

#include <gtest/gtest.h>

#include <string_view>

#include "framework/placement.h"
#include "framework/text.h"

namespace {

TEST(OneLineField, HoldsPastedLinesAsOneWithTheCursorInPlace) {
    struct Row {
        const char* name;
        std::string_view text;
        std::size_t cursor;  // where the paste left the cursor, a byte offset
        std::string_view held;
        std::size_t heldCursor;
    };
    // clang-format off
    for (const Row& row : {
             Row{"SpreadsheetCell", "250000\n", 7, "250000", 6},
             Row{"WindowsLine", "250000\r\n", 8, "250000", 6},
             Row{"OldMacLine", "250000\r", 7, "250000", 6},
             Row{"SeveralTrailingBreaks", "360\n\r\n\n", 7, "360", 3},
             Row{"OnlyABreak", "\n", 1, "", 0},
             Row{"InnerBreaksBecomeOneBlankEach", "1\n2\r\n3\r4", 9, "1 2 3 4", 7},
             Row{"PastedBeforeOtherText", "250000\n12", 7, "250000 12", 7},
             Row{"CursorInsideAPair", "5\r\n6", 2, "5 6", 1},
             Row{"NonAsciiKept", "\xE2\x82\xAC" "5\n", 5, "\xE2\x82\xAC" "5", 4}}) {
        // clang-format on
        SCOPED_TRACE(row.name);
        std::size_t cursor = row.cursor;
        EXPECT_EQ(fw::SingleLine(row.text, &cursor), row.held);
        EXPECT_EQ(cursor, row.heldCursor);
    }
}

TEST(CentredWindow, KeepsItsTopLeftCornerInTheScreensFreeArea) {
    struct Row {
        const char* name;
        fw::ScreenArea area;
        int width, height;
        fw::ScreenPoint expected;
    };
    for (const Row& row :
         {Row{"CalculatorOnAnOrdinaryScreen", {0, 0, 1280, 1024}, 638, 589, {321, 217}},
          Row{"CalculatorAtTwiceTheScale", {0, 0, 1280, 1024}, 1276, 1178, {2, 0}},
          Row{"WiderAndTallerThanTheScreen", {0, 0, 1280, 1024}, 1660, 1236, {0, 0}},
          Row{"BelowATopPanel", {0, 32, 1280, 992}, 1276, 1178, {2, 32}},
          Row{"RightOfAPanelOnASecondScreen", {1330, 0, 1870, 1080}, 2000, 600, {1330, 240}}}) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::CentredIn(row.area, row.width, row.height), row.expected);
    }
}

}  // namespace
