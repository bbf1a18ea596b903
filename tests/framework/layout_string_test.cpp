#include "framework/layout_string.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "tests/framework/layout_test_target.h"

namespace {

using namespace fw::layout;
using layout_test::LayoutTarget;

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes) {
        out += static_cast<char>(b);
    }
    return out;
}

// One record and the bytes of its value as they stand in a layout, after the name and its blank.
struct Encoding {
    const char* row;
    fw::LayoutRecord record;
    std::string value;
};

// clang-format off
const std::vector<Encoding>& Encodings() {
    static const std::vector<Encoding> rows = {
        {"TopWhoseFirstValueByteIsTheBlank", Int("Top", 32), Bytes({0x20, 0, 0, 0, 0, 0, 0, 0})},
        {"IndexOfNoControlSet", Int("Index", -2147483648LL),
         Bytes({0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"NavyTextColor", Rgb("TextColor", 0x10, 0x20, 0xC7), Bytes({0xC7, 0x20, 0x10, 0x00})},
        {"HalfTransparentColor", Rgb("TextColor", 0x33, 0x22, 0x11, 0x80),
         Bytes({0x11, 0x22, 0x33, 0x80})},
        {"DefaultFontSize", Single("FontSize", 0.0f), Bytes({0x00, 0x00, 0x00, 0x00})},
        {"FontSize12", Single("FontSize", 12.0f), Bytes({0x00, 0x00, 0x40, 0x41})},
        {"VisibleTrue", Bool("Visible", true), Bytes({0x01})},
        {"FontUnitHighest", Enum8("FontUnit", 255), Bytes({0xFF})},
        {"RightAligned", Enum64("TextAlignment", 3), Bytes({0x03, 0, 0, 0, 0, 0, 0, 0})},
        {"EmptyTooltip", Str("Tooltip", ""), Bytes({0, 0, 0, 0})},
        {"TextEndingInBlank", Str("Text", "Note: "), Bytes({6, 0, 0, 0}) + "Note: "},
        {"TextWithCarriageReturns", Str("Text", "a\r\rb"), Bytes({4, 0, 0, 0}) + "a\r\rb"},
    };
    return rows;
}
// clang-format on

TEST(LayoutWriter, WritesEachValueKindAsItsBytes) {
    for (const Encoding& row : Encodings()) {
        SCOPED_TRACE(row.row);
        EXPECT_EQ(fw::WriteLayout({row.record}), row.record.name + " " + row.value);
    }
}

TEST(LayoutReader, ReadsEachValueKindFromItsBytes) {
    for (const Encoding& row : Encodings()) {
        SCOPED_TRACE(row.row);
        LayoutTarget target;
        fw::SetProperties(target, row.record.name + " " + row.value);
        EXPECT_EQ(target.Get(row.record.name), row.record.value);
        EXPECT_EQ(target.applied, std::vector<std::string>{row.record.name});
    }
}

// A text ending in a blank must not swallow the next record's name, and a canvas's designed layout
// sets `Transparent` twice.
TEST(LayoutReader, AppliesEveryRecordInOrderRepeatsIncluded) {
    LayoutTarget target;
    fw::SetProperties(
        target, fw::WriteLayout({Str("Text", "a b "), Int("Top", 32), Bool("Transparent", true),
                                 Bool("DoubleBuffer", false), Bool("Transparent", true)}));
    EXPECT_EQ(target.Get("Text"), fw::PropertyValue("a b "));
    EXPECT_EQ(target.applied, (std::vector<std::string>{"Text", "Top", "Transparent",
                                                        "DoubleBuffer", "Transparent"}));
}

TEST(LayoutReader, MatchesNamesWithoutRegardToCase) {
    struct Row {
        const char* row;
        fw::LayoutRecord record;
        const char* declared;
    };
    const Row rows[] = {
        {"MultilineAsWritten", Bool("Multiline", true), "MultiLine"},
        {"MacProcIDAsWritten", Int("MacProcID", 7), "MacProcId"},
        {"UpperCaseNameOnBaseClass", Int("LEFT", 39), "Left"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        LayoutTarget target;
        fw::SetProperties(target, fw::WriteLayout({row.record}));
        EXPECT_EQ(target.applied, std::vector<std::string>{row.declared});
        EXPECT_EQ(target.Get(row.declared), row.record.value);
    }
}

TEST(LayoutReader, RefusesMalformedLayoutsNamingPropertyAndOffset) {
    const std::string top = fw::WriteLayout({Int("Top", 32)});  // 12 bytes
    struct Row {
        const char* row;
        std::string layout;
        std::vector<std::string> said;  // fragments the message must hold
    };
    const std::vector<Row> rows = {
        {"UndeclaredName", top + "Colour " + Bytes({0, 0, 0, 0}), {"\"Colour\"", "byte 12"}},
        {"NameWithoutBlank", top + "Visible", {"\"Visible\"", "byte 12", "no blank"}},
        {"IntegerCutShort", top + "Left " + Bytes({1, 2, 3}), {"\"Left\"", "byte 17", "cut short"}},
        {"TextCutShort", top + "Text " + Bytes({9, 0, 0, 0}) + "Quit", {"\"Text\"", "byte 21"}},
        {"HugeCount", top + "Text " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "x", {"\"Text\""}},
        {"BooleanOutOfRange", top + "Visible " + Bytes({2}), {"\"Visible\"", "byte 20", "is 2"}},
        {"ControlBytesInName", "\x01\xFF" + std::string(" ") + Bytes({1}), {"\"\\x01\\xFF\""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        LayoutTarget target;
        try {
            fw::SetProperties(target, row.layout);
            ADD_FAILURE() << "accepted";
        } catch (const fw::RuntimeException& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("LayoutTarget"), std::string::npos) << message;
            for (const std::string& fragment : row.said) {
                EXPECT_NE(message.find(fragment), std::string::npos) << message;
            }
        }
        EXPECT_TRUE(target.applied.empty()) << "a malformed layout must change nothing";
    }
}

}  // namespace
