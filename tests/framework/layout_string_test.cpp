// The designed layouts' bytes: each kind of value as it is written and read back, and the refusal,
// with its place named, of a layout that is damaged. Read against the real Label and Window
// classes, whose properties the program's designs set.

#include "framework/layout_string.h"

#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/exceptions.h"
#include "framework/window.h"

namespace {

using namespace fw::layout;
using namespace std::string_literals;

// One record and the bytes of its value as they stand in a layout, after the name and its blank.
struct Encoding {
    const char* row;
    fw::LayoutRecord record;
    std::string value;
};

TEST(LayoutString, EachValueKindIsWrittenAndReadAsItsBytes) {
    // clang-format off
    const Encoding rows[] = {
        {"TopWhoseFirstValueByteIsTheBlank", Int("Top", 32), "\x20\x00\x00\x00\x00\x00\x00\x00"s},
        {"IndexOfNoControlSet", Int("Index", -2147483648LL),
         "\x00\x00\x00\x80\xFF\xFF\xFF\xFF"s},
        {"NavyTextColor", Rgb("TextColor", 0x10, 0x20, 0xC7), "\xC7\x20\x10\x00"s},
        {"FontSize12", Single("FontSize", 12.0f), "\x00\x00\x40\x41"s},
        {"VisibleTrue", Bool("Visible", true), "\x01"s},
        {"FontUnitHighest", Enum8("FontUnit", 255), "\xFF"s},
        {"RightAligned", Enum64("TextAlignment", 3), "\x03\x00\x00\x00\x00\x00\x00\x00"s},
        {"EmptyTooltip", Str("Tooltip", ""), "\x00\x00\x00\x00"s},
        {"TextEndingInBlank", Str("Text", "Note: "), "\x06\x00\x00\x00"s + "Note: "},
        {"TextWithCarriageReturns", Str("Text", "a\r\rb"), "\x04\x00\x00\x00"s + "a\r\rb"},
    };
    // clang-format on
    for (const Encoding& row : rows) {
        SCOPED_TRACE(row.row);
        const std::string layout = row.record.name + " " + row.value;
        EXPECT_EQ(fw::WriteLayout({row.record}), layout);
        EXPECT_EQ(fw::ReadLayout(layout, fw::Label::Lookup()),
                  std::vector<fw::LayoutRecord>{row.record});
    }
}

// A text ending in a blank must not swallow the next record's name; a canvas's designed layout
// sets `Transparent` twice; names match whatever their case, and keep it.
TEST(LayoutString, ReaderGivesEveryRecordInOrderAsWritten) {
    const std::vector<fw::LayoutRecord> records = {
        Str("Text", "a b "), Int("Top", 256),         Bool("Transparent", true),
        Int("LEFT", 39),     Bool("Multiline", true), Bool("Transparent", false)};
    EXPECT_EQ(fw::ReadLayout(fw::WriteLayout(records), fw::Label::Lookup()), records);
    const std::vector<fw::LayoutRecord> window = {Int("MacProcID", 7), Str("Title", "Credits")};
    EXPECT_EQ(fw::ReadLayout(fw::WriteLayout(window), fw::Window::Lookup()), window);
}

TEST(LayoutString, ReaderRefusesDamageNamingPropertyAndOffset) {
    const std::string top = fw::WriteLayout({Int("Top", 32)});  // 12 bytes
    struct Row {
        const char* row;
        std::string layout;
        std::vector<std::string> said;  // fragments the message must hold
    };
    // clang-format off
    const std::vector<Row> rows = {
        {"UndeclaredName", top + "Colour " + "\x00\x00\x00\x00"s, {"\"Colour\"", "byte 12"}},
        {"EmptyName", top + " " + "\x01"s, {"empty", "byte 12"}},
        {"NameWithoutBlank", top + "Visible", {"\"Visible\"", "byte 12", "no blank"}},
        {"IntegerCutShort", top + "Left " + "\x01\x02\x03"s, {"\"Left\"", "byte 17", "cut short"}},
        {"TextCutShort", top + "Text " + "\x09\x00\x00\x00"s + "Quit", {"\"Text\"", "byte 21"}},
        {"HugeCount", top + "Text " + "\xFF\xFF\xFF\xFF"s + "x", {"\"Text\""}},
        {"BooleanOutOfRange", top + "Visible " + "\x02"s, {"\"Visible\"", "byte 20", "is 2"}},
        {"ControlBytesInName", "\x01\xFF" + std::string(" ") + "\x01"s, {"\"\\x01\\xFF\""}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        try {
            fw::ReadLayout(row.layout, fw::Label::Lookup());
            ADD_FAILURE() << "accepted";
        } catch (const fw::RuntimeException& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("Label"), std::string::npos) << message;
            for (const std::string& fragment : row.said) {
                EXPECT_NE(message.find(fragment), std::string::npos) << message;
            }
        }
    }
}

}  // namespace
