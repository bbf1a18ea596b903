// The class registry: every property a designed layout may hold is declared, with its value kind,
// a setter and a getter, by each class whose objects carry it, or by that class's bases.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/window.h"

namespace {

using K = fw::ValueKind;
using ClassGetter = const fw::ClassInfo& (*)();

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// Every property a designed layout may hold, spelt as the layouts spell it, with the kinds of
// object that carry it: Window, Label, push Button, text Field, Canvas.
struct Declared {
    const char* name;
    K kind;
    const char* carriers;
};

// clang-format off
constexpr Declared kDeclared[] = {
    {"Width", K::Integer, "WLBFC"}, {"Height", K::Integer, "WLBFC"},
    {"MinimumWidth", K::Integer, "W"}, {"MinimumHeight", K::Integer, "W"},
    {"MaximumWidth", K::Integer, "W"}, {"MaximumHeight", K::Integer, "W"},
    {"Type", K::Enum64, "W"}, {"Title", K::String, "W"}, {"HasCloseButton", K::Boolean, "W"},
    {"HasMaximizeButton", K::Boolean, "W"}, {"HasMinimizeButton", K::Boolean, "W"},
    {"HasFullScreenButton", K::Boolean, "W"}, {"Resizeable", K::Boolean, "W"},
    {"Composite", K::Boolean, "W"}, {"MacProcID", K::Integer, "W"},
    {"FullScreen", K::Boolean, "W"}, {"DefaultLocation", K::Enum64, "W"},
    {"Visible", K::Boolean, "WLBFC"}, {"HasBackgroundColor", K::Boolean, "W"},
    {"BackgroundColor", K::Color, "WF"}, {"MenuBarVisible", K::Boolean, "W"},
    {"Name", K::String, "LBFC"}, {"Index", K::Integer, "LBFC"}, {"Left", K::Integer, "LBFC"},
    {"Top", K::Integer, "LBFC"}, {"LockLeft", K::Boolean, "LBFC"}, {"LockTop", K::Boolean, "LBFC"},
    {"LockRight", K::Boolean, "LBFC"}, {"LockBottom", K::Boolean, "LBFC"},
    {"TabIndex", K::Integer, "LBFC"}, {"TabPanelIndex", K::Integer, "LBFC"},
    {"TabStop", K::Boolean, "LBFC"}, {"AllowAutoDeactivate", K::Boolean, "LBFC"},
    {"Enabled", K::Boolean, "LBFC"}, {"Tooltip", K::String, "LBFC"},
    {"Multiline", K::Boolean, "L"}, {"Selectable", K::Boolean, "L"},
    {"TextAlignment", K::Enum64, "LF"}, {"TextColor", K::Color, "LF"},
    {"Transparent", K::Boolean, "LBFC"}, {"Text", K::String, "LF"}, {"Bold", K::Boolean, "LBF"},
    {"Italic", K::Boolean, "LBF"}, {"FontName", K::String, "LBF"},
    {"Underline", K::Boolean, "LBF"}, {"FontSize", K::Single, "LBF"},
    {"FontUnit", K::Enum8, "LBF"}, {"DataSource", K::String, "LF"}, {"DataField", K::String, "LF"},
    {"InitialParent", K::String, "LBC"}, {"MacButtonStyle", K::Enum64, "B"},
    {"Cancel", K::Boolean, "B"}, {"Caption", K::String, "B"}, {"Default", K::Boolean, "B"},
    {"HasBorder", K::Boolean, "F"}, {"Format", K::String, "F"}, {"Password", K::Boolean, "F"},
    {"AllowFocusRing", K::Boolean, "FC"}, {"Hint", K::String, "F"},
    {"AllowTabs", K::Boolean, "FC"}, {"AllowSpellChecking", K::Boolean, "F"},
    {"MaximumCharactersAllowed", K::Integer, "F"}, {"ValidationMask", K::String, "F"},
    {"ReadOnly", K::Boolean, "F"}, {"AllowFocus", K::Boolean, "C"},
    {"DoubleBuffer", K::Boolean, "C"},
};
// clang-format on

struct RegistryRow {
    std::string name;  // "Label_Multiline"
    ClassGetter cls;
    const Declared* property;
};

std::vector<RegistryRow> RegistryRows() {
    const std::pair<char, std::pair<const char*, ClassGetter>> classes[] = {
        {'W', {"Window", &fw::Window::Lookup}},
        {'L', {"Label", &fw::Label::Lookup}},
        {'B', {"PushButton", &fw::PushButton::Lookup}},
        {'F', {"TextField", &fw::TextField::Lookup}},
        {'C', {"Canvas", &fw::Canvas::Lookup}},
    };
    std::vector<RegistryRow> rows;
    for (const Declared& d : kDeclared) {
        for (const auto& [letter, cls] : classes) {
            if (std::string_view(d.carriers).find(letter) != std::string_view::npos) {
                rows.push_back({std::string(cls.first) + "_" + d.name, cls.second, &d});
            }
        }
    }
    return rows;
}

class PropertyRegistryTest : public ::testing::TestWithParam<RegistryRow> {};

TEST_P(PropertyRegistryTest, ClassDeclaresThePropertyWithItsKindAndSetter) {
    const fw::PropertyInfo* found = GetParam().cls().FindProperty(GetParam().property->name);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->kind, GetParam().property->kind);
    EXPECT_TRUE(found->set && found->get);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PropertyRegistryTest, ::testing::ValuesIn(RegistryRows()),
                         RowName<RegistryRow>);

TEST(PropertyRegistryBases, ControlPropertiesBelongToTheirBaseClass) {
    const fw::ClassInfo& control = fw::Control::Lookup();
    const fw::ClassInfo& rect = fw::RectControl::Lookup();
    for (const char* name : {"Name", "Index", "TabPanelIndex"}) {
        EXPECT_NE(control.FindProperty(name), nullptr) << name;
    }
    for (const char* name : {"Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
                             "LockBottom", "TabIndex", "TabStop", "AllowAutoDeactivate", "Enabled",
                             "Tooltip", "Transparent", "Visible", "InitialParent"}) {
        EXPECT_NE(rect.FindProperty(name), nullptr) << name;
        EXPECT_EQ(fw::Label::Lookup().FindProperty(name), rect.FindProperty(name)) << name;
    }
    EXPECT_TRUE(fw::TextField::Lookup().IsKindOf(fw::TextEdit::Lookup()));
}

}  // namespace
