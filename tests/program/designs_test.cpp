#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "calculator/win_main_design.h"
#include "credits/credits_design.h"
#include "framework/exceptions.h"
#include "framework/layout_string.h"
#include "tests/framework/layout_test_target.h"

namespace {

using layout_test::LayoutTarget;
using Records = std::vector<fw::LayoutRecord>;

struct Design {
    std::string label;      // "Window.Control", or the window's name alone for its own string
    std::string_view name;  // the name the control is registered under; empty for a window
    std::string_view className;
    const std::string* layout;
};

std::vector<Design> AllDesigns() {
    std::vector<Design> all = {{"WinMain", "", "Window", &WinMainDesign()}};
    for (const fw::ControlDesign& c : WinMainControlDesigns()) {
        all.push_back({"WinMain." + std::string(c.name), c.name, c.className, &c.layout});
    }
    all.push_back({"Credits", "", "Window", &CreditsDesign()});
    for (const fw::ControlDesign& c : CreditsControlDesigns()) {
        all.push_back({"Credits." + std::string(c.name), c.name, c.className, &c.layout});
    }
    return all;
}

Records Read(const std::string& layout) {
    return fw::ReadLayout(layout, LayoutTarget::Lookup());
}

std::vector<std::string> Names(const Records& records) {
    std::vector<std::string> names;
    for (const fw::LayoutRecord& r : records) {
        names.push_back(r.name);
    }
    return names;
}

// The value of the first record of that name, as the test target would hold it.
fw::PropertyValue Value(const std::string& layout, const std::string& name) {
    for (const fw::LayoutRecord& r : Read(layout)) {
        if (r.name == name) {
            return r.value;
        }
    }
    ADD_FAILURE() << "no record " << name;
    return {};
}

// The layout of a window ("WinMain") or of one of its controls ("WinMain.Label1").
const std::string& Layout(std::string_view label) {
    static const std::vector<Design> all = AllDesigns();
    auto it = std::ranges::find(all, label, &Design::label);
    if (it == all.end()) {
        throw std::out_of_range(std::string(label));
    }
    return *it->layout;
}

TEST(ProgramDesigns, EachOfTheTwentyFourIsReadToItsExactLength) {
    const std::vector<Design> all = AllDesigns();
    ASSERT_EQ(all.size(), 24u);
    for (const Design& d : all) {
        SCOPED_TRACE(d.label);
        const Records records = Read(*d.layout);
        EXPECT_EQ(fw::WriteLayout(records), *d.layout);
        LayoutTarget target;
        EXPECT_NO_THROW(fw::SetProperties(target, *d.layout));
        EXPECT_EQ(target.applied.size(), records.size());
    }
}

TEST(ProgramDesigns, CreditsCanvasIsShortestAndCreditsLabelLongest) {
    const std::vector<Design> all = AllDesigns();
    auto byLength = [](const Design& d) { return d.layout->size(); };
    EXPECT_EQ(std::ranges::min_element(all, {}, byLength)->label, "Credits.Canvas1");
    EXPECT_EQ(Layout("Credits.Canvas1").size(), 309u);
    EXPECT_EQ(std::ranges::max_element(all, {}, byLength)->label, "Credits.Label1");
    for (const Design& d : all) {
        EXPECT_GT(d.layout->size(), 254u) << d.label;
    }
}

TEST(ProgramDesigns, EveryControlCarriesItsNameAndNoControlSet) {
    for (const Design& d : AllDesigns()) {
        SCOPED_TRACE(d.label);
        const std::vector<std::string> names = Names(Read(*d.layout));
        if (d.name.empty()) {
            EXPECT_EQ(std::ranges::count(names, "Name"), 0);
            continue;
        }
        EXPECT_EQ(std::ranges::count(names, "Name"), 1);
        EXPECT_EQ(Value(*d.layout, "Name"), fw::PropertyValue(std::string(d.name)));
        EXPECT_EQ(Value(*d.layout, "Index"), fw::PropertyValue(std::int64_t{-2147483648LL}));
        EXPECT_EQ(std::ranges::count(names, "InitialParent"), d.className == "TextField" ? 0 : 1);
    }
}

TEST(ProgramDesigns, BothWindowsHoldTheSameTwentyOneNamesInOrder) {
    const std::vector<std::string> calculator = Names(Read(WinMainDesign()));
    ASSERT_EQ(calculator.size(), 21u);
    EXPECT_EQ(calculator.front(), "Width");
    EXPECT_EQ(calculator[14], "MacProcID");
    EXPECT_EQ(calculator.back(), "MenuBarVisible");
    EXPECT_EQ(Names(Read(CreditsDesign())), calculator);
}

TEST(ProgramDesigns, CreditsControlRecordsStandInAscendingNameOrder) {
    for (const fw::ControlDesign& c : CreditsControlDesigns()) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> names = Names(Read(c.layout));
        EXPECT_EQ(names.front(), "AllowAutoDeactivate");
        EXPECT_EQ(names.back(), "Width");
        EXPECT_TRUE(std::ranges::adjacent_find(names, std::greater_equal<>()) == names.end());
    }
}

// Each window keeps one record list per control class; the calculator's in its own order.
TEST(ProgramDesigns, ControlsOfOneClassShareTheirRecordNames) {
    struct Row {
        const char* row;
        const std::vector<fw::ControlDesign>* designs;
        std::string_view className;
        std::size_t count;
    };
    const Row rows[] = {
        {"CalculatorLabels", &WinMainControlDesigns(), "Label", 32},
        {"CalculatorButtons", &WinMainControlDesigns(), "PushButton", 29},
        {"CalculatorFields", &WinMainControlDesigns(), "TextField", 40},
        {"CalculatorCanvas", &WinMainControlDesigns(), "Canvas", 24},
        {"CreditsLabel", &CreditsControlDesigns(), "Label", 32},
        {"CreditsButtons", &CreditsControlDesigns(), "PushButton", 29},
        {"CreditsCanvas", &CreditsControlDesigns(), "Canvas", 23},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        std::vector<std::vector<std::string>> lists;
        for (const fw::ControlDesign& c : *row.designs) {
            if (c.className == row.className) {
                lists.push_back(Names(Read(c.layout)));
            }
        }
        ASSERT_FALSE(lists.empty());
        EXPECT_EQ(lists.front().size(), row.count);
        for (const auto& names : lists) {
            EXPECT_EQ(names, lists.front());
        }
    }
}

TEST(ProgramDesigns, TabIndexFollowsCreationOrder) {
    struct Row {
        const char* row;
        const std::vector<fw::ControlDesign>* designs;
        std::vector<std::int64_t> tabIndexes;
    };
    const Row rows[] = {
        {"Calculator",
         &WinMainControlDesigns(),
         {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"Credits", &CreditsControlDesigns(), {0, 1, 2, 3, 4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        std::vector<std::int64_t> tabIndexes;
        for (const fw::ControlDesign& c : *row.designs) {
            tabIndexes.push_back(std::get<std::int64_t>(Value(c.layout, "TabIndex")));
        }
        EXPECT_EQ(tabIndexes, row.tabIndexes);
    }
}

TEST(ProgramDesigns, SpotValuesMatchTheDesign) {
    using V = fw::PropertyValue;
    using I = std::int64_t;
    using S = std::string;
    const fw::Color white = fw::Color::FromRgb(0xFF, 0xFF, 0xFF);
    struct Row {
        const char* row;
        const char* layout;
        const char* property;
        V expected;
    };
    const Row rows[] = {
        {"CalculatorWidth", "WinMain", "Width", V(I{638})},
        {"CalculatorHeight", "WinMain", "Height", V(I{570})},
        {"CalculatorTitle", "WinMain", "Title", V(S("Brenquill / Loan Calculator"))},
        {"CalculatorNotResizeable", "WinMain", "Resizeable", V(false)},
        {"CalculatorShown", "WinMain", "Visible", V(true)},
        {"CreditsWidth", "Credits", "Width", V(I{830})},
        {"CreditsHeight", "Credits", "Height", V(I{618})},
        {"CreditsTitle", "Credits", "Title", V(S("Credits"))},
        {"CreditsResizeable", "Credits", "Resizeable", V(true)},
        {"CreditsBuiltHidden", "Credits", "Visible", V(false)},
        {"CreditsWhiteBackground", "Credits", "BackgroundColor", V(white)},
        {"NoteIsMultiline", "WinMain.Label1", "Multiline", V(true)},
        {"NoteColour", "WinMain.Label1", "TextColor", V(fw::Color::FromRgb(0x10, 0x20, 0xC7))},
        {"MisspeltFont", "WinMain.lbl_totalInterest", "FontName", V(S("verdena"))},
        {"InterestColour", "WinMain.lbl_totalInterest", "TextColor",
         V(fw::Color::FromRgb(0xFF, 0x43, 0x00))},
        {"PaymentHidden", "WinMain.lbl_MonthlyPayment", "Visible", V(false)},
        {"AmountRightAligned", "WinMain.lbl_LoanAmount", "TextAlignment", V(I{3})},
        {"ExitCaption", "Credits.btn_exit", "Caption", V(S("Exit"))},
        {"ThanksCentred", "Credits.Label1", "TextAlignment", V(I{2})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.row);
        EXPECT_EQ(Value(Layout(row.layout), row.property), row.expected);
    }
}

TEST(ProgramDesigns, TextsKeepTheirBlanksAndCarriageReturns) {
    const std::string note = std::get<std::string>(Value(Layout("WinMain.Label1"), "Text"));
    EXPECT_EQ(note.size(), 173u);
    EXPECT_EQ(note.back(), ' ');
    EXPECT_EQ(note.substr(0, 6), "Note: ");

    const std::string thanks = std::get<std::string>(Value(Layout("Credits.Label1"), "Text"));
    EXPECT_EQ(thanks,
              "Thank you for using free software from Quorvane\r\rIf you enjoy this software, "
              "please share  it with others. If you would like to see more software like this, "
              "please let us know if you enjoyed it and suggest other topics of interest. \r\rIf "
              "you would like to support the author, contributions of any size are welcome.");
    EXPECT_EQ(thanks.find('\n'), std::string::npos);
}

TEST(ProgramDesigns, CalculatorCanvasSetsTransparentTwice) {
    LayoutTarget target;
    fw::SetProperties(target, Layout("WinMain.Canvas1"));
    EXPECT_EQ(std::ranges::count(target.applied, "Transparent"), 2);
    EXPECT_EQ(target.Get("Transparent"), fw::PropertyValue(true));
}

TEST(ProgramDesigns, TruncationsAreRefusedUnlessBetweenRecords) {
    for (const Design& d : AllDesigns()) {
        SCOPED_TRACE(d.label);
        std::vector<std::size_t> ends = {0};
        for (const fw::LayoutRecord& r : Read(*d.layout)) {
            ends.push_back(ends.back() + fw::WriteLayout({r}).size());
        }
        for (std::size_t length = 0; length < d.layout->size(); ++length) {
            const std::string prefix = d.layout->substr(0, length);  // own buffer for ASan
            if (std::ranges::find(ends, length) != ends.end()) {
                EXPECT_NO_THROW(Read(prefix)) << length;
            } else {
                EXPECT_THROW(Read(prefix), fw::RuntimeException) << length;
            }
        }
    }
}

// Damaged strings must be read or refused with RuntimeException, never crash or overread.
TEST(ProgramDesigns, RandomMutationsAreReadOrRefusedCleanly) {
    const std::vector<Design> all = AllDesigns();
    std::mt19937 random(20240611);  // fixed: every run tries the same damage
    auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < 4000; ++i) {
        std::string s = *all[below(all.size())].layout;
        const std::size_t at = below(s.size());
        const char byte = static_cast<char>(below(256));
        switch (i % 5) {
            case 0:
                s[at] = byte;
                break;
            case 1:
                s.insert(at, 1, byte);
                break;
            case 2:
                s.erase(at, 1 + below(8));
                break;
            case 3:
                s.replace(at, 4, 4, '\xFF');  // a huge count or number
                break;
            default:
                s.resize(at);
                s.append(below(16), byte);
                break;
        }
        LayoutTarget target;
        try {
            fw::SetProperties(target, s);
            ++accepted;
        } catch (const fw::RuntimeException&) {
            EXPECT_TRUE(target.applied.empty());
            ++refused;
        }
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
