#include "calculator/win_main_design.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace {

using namespace fw::layout;
using Records = std::vector<fw::LayoutRecord>;

// A control that belongs to no control set is found by its name alone.
constexpr std::int64_t kNoControlSet = std::numeric_limits<std::int32_t>::min();

constexpr std::int64_t kLeft = 0;  // the control's default
constexpr std::int64_t kCentre = 2;
constexpr std::int64_t kRight = 3;

constexpr fw::Color kBlack = fw::Color::FromRgb(0x00, 0x00, 0x00);
constexpr fw::Color kWhite = fw::Color::FromRgb(0xFF, 0xFF, 0xFF);
constexpr fw::Color kNavy = fw::Color::FromRgb(0x10, 0x20, 0xC7);
constexpr fw::Color kBlue = fw::Color::FromRgb(0x00, 0x6D, 0xFF);
constexpr fw::Color kOrangeRed = fw::Color::FromRgb(0xFF, 0x43, 0x00);

// The final blank is part of the design.
constexpr std::string_view kNote =
    "Note: This calculator only shows payments including interest. Taxes, Insurance and other "
    "fees are not included. For estimation purposes only, your actual payments may vary. ";

struct Place {
    std::string_view name;
    std::int64_t left, top, width, height, tabIndex;
    bool visible;
};

struct Lettering {
    std::string_view text;
    std::string_view font;
    float size;
    bool bold, italic;
    fw::Color color;
    std::int64_t alignment;
    bool multiline = false;
};

// The records every control string of this window starts with.
Records Placement(const Place& p, std::initializer_list<fw::LayoutRecord> rest) {
    Records records = {
        Str("Name", p.name),         Int("Index", kNoControlSet),
        Int("Left", p.left),         Int("Top", p.top),
        Int("Width", p.width),       Int("Height", p.height),
        Bool("LockLeft", true),      Bool("LockTop", true),
        Bool("LockRight", false),    Bool("LockBottom", false),
        Int("TabIndex", p.tabIndex), Int("TabPanelIndex", 0),
        Bool("TabStop", true),       Bool("AllowAutoDeactivate", true),
    };
    records.insert(records.end(), rest);
    return records;
}

fw::ControlDesign Label(const Place& p, const Lettering& l) {
    return {p.name, "Label",
            fw::WriteLayout(Placement(
                p, {Bool("Enabled", true), Str("Tooltip", ""), Bool("Multiline", l.multiline),
                    Bool("Selectable", false), Enum64("TextAlignment", l.alignment),
                    Rgb("TextColor", l.color), Bool("Transparent", false), Str("Text", l.text),
                    Bool("Visible", p.visible), Bool("Bold", l.bold), Bool("Italic", l.italic),
                    Str("FontName", l.font), Bool("Underline", false), Single("FontSize", l.size),
                    Enum8("FontUnit", 0), Str("DataSource", ""), Str("DataField", ""),
                    Str("InitialParent", "")}))};
}

fw::ControlDesign Button(const Place& p, std::string_view caption) {
    return {
        p.name, "PushButton",
        fw::WriteLayout(Placement(
            p, {Enum64("MacButtonStyle", 0), Bool("Cancel", false), Str("Caption", caption),
                Bool("Default", false), Bool("Enabled", true), Str("Tooltip", ""),
                Bool("Transparent", false), Bool("Visible", p.visible), Str("FontName", "System"),
                Single("FontSize", 0.0f), Enum8("FontUnit", 0), Bool("Bold", false),
                Bool("Italic", false), Bool("Underline", false), Str("InitialParent", "")}))};
}

fw::ControlDesign Field(const Place& p) {
    return {p.name, "TextField",
            fw::WriteLayout(Placement(p, {Rgb("BackgroundColor", kWhite),
                                          Bool("HasBorder", true),
                                          Bool("Enabled", true),
                                          Str("Format", ""),
                                          Str("Tooltip", ""),
                                          Bool("Password", false),
                                          Rgb("TextColor", kBlack),
                                          Bool("Transparent", false),
                                          Bool("AllowFocusRing", true),
                                          Bool("Visible", p.visible),
                                          Str("FontName", "System"),
                                          Single("FontSize", 0.0f),
                                          Enum8("FontUnit", 0),
                                          Bool("Bold", false),
                                          Bool("Italic", false),
                                          Bool("Underline", false),
                                          Str("Hint", ""),
                                          Str("Text", ""),
                                          Bool("AllowTabs", false),
                                          Enum64("TextAlignment", kLeft),
                                          Bool("AllowSpellChecking", false),
                                          Int("MaximumCharactersAllowed", 0),
                                          Str("ValidationMask", ""),
                                          Bool("ReadOnly", false),
                                          Str("DataSource", ""),
                                          Str("DataField", "")}))};
}

// Transparent stands twice in the design, both times true.
fw::ControlDesign Canvas(const Place& p) {
    return {p.name, "Canvas",
            fw::WriteLayout(Placement(
                p, {Bool("Enabled", true), Str("Tooltip", ""), Bool("AllowFocusRing", true),
                    Bool("Visible", p.visible), Bool("AllowFocus", false), Bool("AllowTabs", false),
                    Bool("Transparent", true), Bool("DoubleBuffer", false),
                    Bool("Transparent", true), Str("InitialParent", "")}))};
}

}  // namespace

const std::string& WinMainDesign() {
    static const std::string design = fw::WriteLayout({
        Int("Width", 638),
        Int("Height", 570),
        Int("MinimumWidth", 64),
        Int("MinimumHeight", 64),
        Int("MaximumWidth", 32000),
        Int("MaximumHeight", 32000),
        Enum64("Type", 0),
        Str("Title", "Brenquill / Loan Calculator"),
        Bool("HasCloseButton", true),
        Bool("HasMaximizeButton", false),
        Bool("HasMinimizeButton", false),
        Bool("HasFullScreenButton", false),
        Bool("Resizeable", false),
        Bool("Composite", false),
        Int("MacProcID", 0),
        Bool("FullScreen", false),
        Enum64("DefaultLocation", 2),
        Bool("Visible", true),
        Bool("HasBackgroundColor", false),
        Rgb("BackgroundColor", kWhite),
        Bool("MenuBarVisible", true),
    });
    return design;
}

const std::vector<fw::ControlDesign>& WinMainControlDesigns() {
    // clang-format off
    static const std::vector<fw::ControlDesign> designs = {
        //       name                 left  top width height tab visible
        //       text                          font       size  bold   italic colour align multiline
        Label({"lbl_Copyright",       39, 493, 560,  38,  0, true},
              {"Copyright Message Here",      "Verdana", 12.0f, true,  true,  kBlack, kCentre}),
        Button({"btn_VisitWebsite",  117, 443, 173,  20,  1, true}, "Click to Visit Website"),
        Button({"btn_quit",          329, 443, 173,  20,  2, true}, "Quit"),
        Label({"lbl_LoanAmount",     139, 161, 126,  20,  4, true},
              {"Loan Amount $",               "Verdana", 16.0f, false, false, kBlack, kRight}),
        Label({"lbl_term",           108, 193, 157,  20,  5, true},
              {"Term (in months)",            "Verdana", 16.0f, false, false, kBlack, kRight}),
        Label({"lbl_InterestRate",    82, 225, 183,  20,  6, true},
              {"Interest Rate (APR)",         "Verdana", 16.0f, false, false, kBlack, kRight}),
        Field({"txt_loanamount",     269, 162, 118,  22,  7, true}),
        Field({"txt_term",           269, 193, 118,  22,  8, true}),
        Field({"txt_interest",       269, 225, 118,  22,  9, true}),
        Button({"btn_Calculate",     269, 394,  80,  20, 10, true}, "Calculate"),
        Canvas({"Canvas1",            12,  13, 138, 128, 11, true}),
        Label({"Label1",             214,  32, 339,  84, 12, true},
              {kNote,                         "Verdana",  0.0f, true,  false, kNavy, kLeft, true}),
        Label({"lbl_MonthlyPayment",  82, 271, 480,  37, 13, false},
              {"Monthly Payment",             "Verdana", 20.0f, false, false, kBlue, kCentre}),
        Label({"lbl_nocommas",       389, 161, 204,  20, 14, true},
              {"(Numbers Only, no commas)",   "Verdana", 14.0f, false, false, kBlack, kLeft}),
        Label({"lbl_percent",        391, 221,  35,  20, 15, true},
              {"%",                           "Verdana", 16.0f, false, false, kBlack, kLeft}),
        Label({"lbl_TotalCost",       28, 344, 553,  29, 16, false},
              {"Total Cost Over Loan Life $", "Verdana", 16.0f, false, false, kBlack, kCentre}),
        Label({"lbl_totalInterest",   79, 320, 480,  20, 17, false},
              {"Total Interest",              "verdena", 16.0f, true,  false, kOrangeRed, kCentre}),
    };
    // clang-format on
    return designs;
}
