// The program's twenty-four designed layout strings, each read as its window reads it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/win_main_design.h"
#include "credits/credits_design.h"
#include "framework/layout_string.h"
#include "tests/framework/layout_test_target.h"

namespace {

using layout_test::LayoutTarget;

struct Design {
    std::string label;  // "Window.Control", or the window's name alone for its own string
    const std::string* layout;
};

std::vector<Design> AllDesigns() {
    std::vector<Design> all = {{"WinMain", &WinMainDesign()}};
    for (const fw::ControlDesign& c : WinMainControlDesigns()) {
        all.push_back({"WinMain." + std::string(c.name), &c.layout});
    }
    all.push_back({"Credits", &CreditsDesign()});
    for (const fw::ControlDesign& c : CreditsControlDesigns()) {
        all.push_back({"Credits." + std::string(c.name), &c.layout});
    }
    return all;
}

TEST(ProgramDesigns, EachOfTheTwentyFourIsReadToItsExactLength) {
    const std::vector<Design> all = AllDesigns();
    ASSERT_EQ(all.size(), 24u);
    for (const Design& d : all) {
        SCOPED_TRACE(d.label);
        const std::vector<fw::LayoutRecord> records =
            fw::ReadLayout(*d.layout, LayoutTarget::Lookup());
        EXPECT_EQ(fw::WriteLayout(records), *d.layout);
        LayoutTarget target;
        EXPECT_NO_THROW(fw::SetProperties(target, *d.layout));
        EXPECT_EQ(target.applied.size(), records.size());
    }
}

}  // namespace
