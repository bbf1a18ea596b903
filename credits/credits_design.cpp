#include "credits/credits_design.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace {

using namespace fw::layout;
using Records = std::vector<fw::LayoutRecord>;

// A control that belongs to no control set is found by its name alone.
constexpr std::int64_t kNoControlSet = std::numeric_limits<std::int32_t>::min();

constexpr std::int64_t kCentre = 2;

constexpr fw::Color kBlack = fw::Color::FromRgb(0x00, 0x00, 0x00);
constexpr fw::Color kWhite = fw::Color::FromRgb(0xFF, 0xFF, 0xFF);

// Paragraphs are separated by two carriage returns; the doubled blank after "share" and the blank
// that ends the second paragraph are part of the design.
constexpr std::string_view kThanks =
    "Thank you for using free software from Quorvane"
    "\r\r"
    "If you enjoy this software, please share  it with others. If you would like to see more "
    "software like this, please let us know if you enjoyed it and suggest other topics of "
    "interest. "
    "\r\r"
    "If you would like to support the author, contributions of any size are welcome.";

struct Place {
    std::string_view name;
    std::int64_t left, top, width, height, tabIndex;
};

// The label's font; the buttons use the system font.
struct Lettering {
    std::string_view font;
    float size;
    bool bold, italic;
};

// The records every control of this window has, plus the control's own; the result is written in
// ascending byte order of the names.
std::string Design(const Place& p, std::initializer_list<fw::LayoutRecord> own) {
    Records records = {
        Str("Name", p.name),         Int("Index", kNoControlSet),
        Int("Left", p.left),         Int("Top", p.top),
        Int("Width", p.width),       Int("Height", p.height),
        Int("TabIndex", p.tabIndex), Bool("AllowAutoDeactivate", true),
        Bool("Enabled", true),       Str("InitialParent", ""),
        Bool("LockLeft", true),      Bool("LockTop", true),
        Bool("LockRight", false),    Bool("LockBottom", false),
        Int("TabPanelIndex", 0),     Bool("TabStop", true),
        Str("Tooltip", ""),          Bool("Visible", true),
    };
    records.insert(records.end(), own);
    std::ranges::stable_sort(records, {}, &fw::LayoutRecord::name);
    return fw::WriteLayout(records);
}

fw::ControlDesign Label(const Place& p, std::string_view text, const Lettering& l) {
    return {p.name, "Label",
            Design(p, {Str("Text", text), Str("FontName", l.font), Single("FontSize", l.size),
                       Bool("Bold", l.bold), Bool("Italic", l.italic), Str("DataField", ""),
                       Str("DataSource", ""), Enum8("FontUnit", 0), Bool("Multiline", true),
                       Bool("Selectable", false), Enum64("TextAlignment", kCentre),
                       Rgb("TextColor", kBlack), Bool("Transparent", false),
                       Bool("Underline", false)})};
}

fw::ControlDesign Canvas(const Place& p) {
    return {p.name, "Canvas",
            Design(p, {Bool("AllowFocus", false), Bool("AllowFocusRing", true),
                       Bool("AllowTabs", false), Bool("DoubleBuffer", false),
                       Bool("Transparent", true)})};
}

fw::ControlDesign Button(const Place& p, std::string_view caption) {
    return {p.name, "PushButton",
            Design(p, {Str("Caption", caption), Str("FontName", "System"), Single("FontSize", 0.0f),
                       Bool("Bold", false), Bool("Italic", false), Bool("Cancel", false),
                       Bool("Default", false), Enum8("FontUnit", 0), Enum64("MacButtonStyle", 0),
                       Bool("Transparent", false), Bool("Underline", false)})};
}

}  // namespace

const std::string& CreditsDesign() {
    static const std::string design = fw::WriteLayout({
        Int("Width", 830),
        Int("Height", 618),
        Int("MinimumWidth", 64),
        Int("MinimumHeight", 64),
        Int("MaximumWidth", 32000),
        Int("MaximumHeight", 32000),
        Enum64("Type", 0),
        Str("Title", "Credits"),
        Bool("HasCloseButton", true),
        Bool("HasMaximizeButton", true),
        Bool("HasMinimizeButton", true),
        Bool("HasFullScreenButton", false),
        Bool("Resizeable", true),
        Bool("Composite", false),
        Int("MacProcID", 0),
        Bool("FullScreen", false),
        Enum64("DefaultLocation", 2),
        Bool("Visible", false),  // built hidden; leaving the calculator shows it
        Bool("HasBackgroundColor", false),
        Rgb("BackgroundColor", kWhite),
        Bool("MenuBarVisible", true),
    });
    return design;
}

const std::vector<fw::ControlDesign>& CreditsControlDesigns() {
    // clang-format off
    static const std::vector<fw::ControlDesign> designs = {
        //      name                   left  top width height tab
        Label({"Label1",               153, 179, 523, 300, 0}, kThanks,
              {"verdena", 20.0f, true, true}),
        Canvas({"Canvas1",             275,   0, 280, 167, 1}),
        Button({"btn_VisitOurWebsite", 275, 512, 134,  20, 2}, "Visit Our Website"),
        Button({"btn_exit",            375, 565,  80,  20, 3}, "Exit"),
        Button({"btn_contactUs",       421, 512, 134,  20, 4}, "Contact Us Now"),
    };
    // clang-format on
    return designs;
}
