#include "framework/layout_string.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
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

const std::vector<Encoding>& Encodings() {
    static const std::vector<Encoding> rows = {
        {"TopWhoseFirstValueByteIsTheBlank", Int("Top", 32), Bytes({0x20, 0, 0, 0, 0, 0, 0, 0})},
        {"IndexOfNoControlSet", Int("Index", -2147483648LL),
         Bytes({0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"MaximumWidth32000", Int("MaximumWidth", 32000), Bytes({0x00, 0x7D, 0, 0, 0, 0, 0, 0})},
        {"NegativeLeft", Int("Left", -1), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"NavyTextColor", Rgb("TextColor", 0x10, 0x20, 0xC7), Bytes({0xC7, 0x20, 0x10, 0x00})},
        {"WhiteBackground", Rgb("BackgroundColor", 0xFF, 0xFF, 0xFF), Bytes({0xFF, 0xFF, 0xFF, 0})},
        {"BlackTextColor", Rgb("TextColor", 0, 0, 0), Bytes({0x00, 0x00, 0x00, 0x00})},
        {"HalfTransparentColor", Rgb("TextColor", 0x33, 0x22, 0x11, 0x80),
         Bytes({0x11, 0x22, 0x33, 0x80})},
        {"DefaultFontSize", Single("FontSize", 0.0f), Bytes({0x00, 0x00, 0x00, 0x00})},
        {"FontSize12", Single("FontSize", 12.0f), Bytes({0x00, 0x00, 0x40, 0x41})},
        {"FontSize16", Single("FontSize", 16.0f), Bytes({0x00, 0x00, 0x80, 0x41})},
        {"VisibleTrue", Bool("Visible", true), Bytes({0x01})},
        {"ResizeableFalse", Bool("Resizeable", false), Bytes({0x00})},
        {"FontUnitZero", Enum8("FontUnit", 0), Bytes({0x00})},
        {"FontUnitHighest", Enum8("FontUnit", 255), Bytes({0xFF})},
        {"RightAligned", Enum64("TextAlignment", 3), Bytes({0x03, 0, 0, 0, 0, 0, 0, 0})},
        {"DefaultLocation2", Enum64("DefaultLocation", 2), Bytes({0x02, 0, 0, 0, 0, 0, 0, 0})},
        {"EmptyTooltip", Str("Tooltip", ""), Bytes({0, 0, 0, 0})},
        {"TextEndingInBlank", Str("Text", "Note: "), Bytes({6, 0, 0, 0}) + "Note: "},
        {"TextWithCarriageReturns", Str("Text", "a\r\rb"), Bytes({4, 0, 0, 0}) + "a\r\rb"},
        {"TextOfMultiByteCharacters", Str("Title", "Caf\xC3\xA9"),
         Bytes({5, 0, 0, 0}) + "Caf\xC3\xA9"},
    };
    return rows;
}

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

TEST(LayoutReader, ReadsRecordsThatFollowEachOtherWithoutSeparator) {
    LayoutTarget target;
    fw::SetProperties(target, fw::WriteLayout({Str("Text", "a b "), Int("Top", 32),
                                               Bool("Visible", true), Str("Tooltip", "")}));
    EXPECT_EQ(target.Get("Text"), fw::PropertyValue("a b "));
    EXPECT_EQ(target.Get("Top"), fw::PropertyValue(std::int64_t{32}));
    EXPECT_EQ(target.Get("Visible"), fw::PropertyValue(true));
    EXPECT_EQ(target.applied, (std::vector<std::string>{"Text", "Top", "Visible", "Tooltip"}));
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
        {"LowerCaseName", Bool("visible", true), "Visible"},
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

TEST(LayoutReader, AppliesARepeatedNameEachTimeInOrder) {
    LayoutTarget target;
    fw::SetProperties(target,
                      fw::WriteLayout({Bool("Transparent", true), Bool("DoubleBuffer", false),
                                       Bool("Transparent", true)}));
    EXPECT_EQ(target.applied,
              (std::vector<std::string>{"Transparent", "DoubleBuffer", "Transparent"}));
    EXPECT_EQ(target.Get("Transparent"), fw::PropertyValue(true));

    LayoutTarget changed;
    fw::SetProperties(changed,
                      fw::WriteLayout({Bool("Transparent", true), Bool("Transparent", false)}));
    EXPECT_EQ(changed.Get("Transparent"), fw::PropertyValue(false));
}

TEST(LayoutReader, PassesASetterExceptionOnAfterTheEarlierRecords) {
    LayoutTarget target;
    const std::string layout =
        fw::WriteLayout({Int("Top", 1), Str("Explode", "x"), Int("Left", 2)});
    EXPECT_THROW(fw::SetProperties(target, layout), fw::ThreadAccessingUIException);
    EXPECT_EQ(target.applied, std::vector<std::string>{"Top"});
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
        {"EmptyName", top + " " + Bytes({1}), {"empty property name", "byte 12"}},
        {"NameWithoutBlank", top + "Visible", {"\"Visible\"", "byte 12", "no blank"}},
        {"IntegerCutShort", top + "Left " + Bytes({1, 2, 3}), {"\"Left\"", "byte 17", "cut short"}},
        {"BooleanMissing", top + "Visible ", {"\"Visible\"", "byte 20", "cut short"}},
        {"CountCutShort", top + "Text " + Bytes({3, 0}), {"\"Text\"", "byte 17", "cut short"}},
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

TEST(LayoutRoundTrip, ReadingWhatWasWrittenGivesTheRecordsBack) {
    const std::vector<fw::LayoutRecord> records = {
        Int("Width", 638),
        Enum64("Type", 0),
        Str("Title", "Credits"),
        Int("MacProcID", 0),
        Rgb("BackgroundColor", 0xFF, 0xFF, 0xFF),
        Bool("Multiline", true),
        Single("FontSize", 20.0f),
        Enum8("FontUnit", 0),
        Str("Text", "x\r\ry "),
        Bool("Transparent", true),
        Bool("Transparent", true),
    };
    EXPECT_EQ(fw::ReadLayout(fw::WriteLayout(records), LayoutTarget::Lookup()), records);
}

TEST(LayoutWriter, RefusesRecordsItCannotWrite) {
    struct Row {
        const char* row;
        fw::LayoutRecord record;
    };
    const Row rows[] = {
        {"EmptyName", Int("", 1)},
        {"NameWithBlank", Int("Lock Left", 1)},
        {"NameWithDigit", Int("Canvas1", 1)},
        {"ValueOfAnotherKind", {"Width", fw::ValueKind::Integer, std::string("638")}},
        {"Enum8AboveRange", {"FontUnit", fw::ValueKind::Enum8, std::int64_t{256}}},
        {"Enum8BelowRange", {"FontUnit", fw::ValueKind::Enum8, std::int64_t{-1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        EXPECT_THROW(fw::WriteLayout({row.record}), std::invalid_argument);
    }
}

}  // namespace
