#include "ui/frm_main_design.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace brenvol::ui {
namespace {

using enum ControlArray;
using enum ControlKind;
using enum FontFace;
using enum Alignment;

// The application's title, which the window and its frame bear.
constexpr std::u16string_view kTitle = u"Brenvol";
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kDarkGreen{0, 128, 0};
constexpr Rgb kDarkRed{64, 0, 0};
constexpr Colour kDefault{};
constexpr Colour kFrameBack{SystemColour::InactiveBorder};
constexpr Colour kLabelBack{SystemColour::ButtonFace};
constexpr Colour kBoxBack{SystemColour::Window};
constexpr Colour kBoxText{SystemColour::WindowText};

// clang-format off
constexpr std::array<ControlDesign, 15> kControls{{
//   name            kind    frame  left   top  width height caption                       font     text         background  align  enabled tab
    {{Frame1, 0},    Frame,  false,   30,  930, 3195, 1110, kTitle,                       Default, kRed,        kFrameBack, Left,   true,   8},
    {{Text2, 2},     TextBox, true, 2325,  615,  510,  285, u"",                          Bold,    kBoxText,    kBoxBack,   Centre, false, 14},
    {{Text2, 1},     TextBox, true, 1350,  600,  510,  285, u"",                          Bold,    kBoxText,    kBoxBack,   Centre, false, 13},
    {{Text2, 0},     TextBox, true,  360,  585,  510,  285, u"",                          Bold,    kBoxText,    kBoxBack,   Centre, false, 12},
    {{Label2, 2},    Label,   true, 2280,  315,  615,  270, u"Secondi",                   Regular, kDarkGreen,  kLabelBack, Centre, true,  11},
    {{Label2, 1},    Label,   true, 1305,  300,  570,  270, u"Minuti",                    Regular, kDarkGreen,  kLabelBack, Centre, true,  10},
    {{Label2, 0},    Label,   true,  345,  300,  570,  270, u"Ore",                       Regular, kDarkGreen,  kLabelBack, Centre, true,   9},
    {{Command1, 1},  Button, false, 1260, 2130,  915,  360, u"Exit",                      Regular, kDefault,    kDefault,   Centre, true,   3},
    {{Command1, 0},  Button, false, 2310, 2130,  915,  360, u"Calcola",                   Regular, kDefault,    kDefault,   Centre, true,   2},
    {{Text1, 1},     TextBox, false, 2000, 555, 1215,  285, u"",                          Regular, kBoxText,    kBoxBack,   Left,   true,   1},
    {{Text1, 0},     TextBox, false, 2000,  90, 1215,  285, u"",                          Regular, kBoxText,    kBoxBack,   Left,   true,   0},
    {{Label3, 1},    Label,  false, 1635,  690,  390,  195, u"[mA]",                      Regular, kDarkRed,    kLabelBack, Left,   true,   7},
    {{Label3, 0},    Label,  false, 1635,  240,  330,  195, u"[mA]",                      Regular, kDarkRed,    kLabelBack, Left,   true,   6},
    {{Label1, 1},    Label,  false,   45,  525, 1905,  225, u"Capacit\u00E0 Pacco Batterie", Regular, kDarkRed, kLabelBack, Right,  true,   5},
    {{Label1, 0},    Label,  false,   45,   60, 1905,  210, u"Corrente di ricarica",      Regular, kDarkRed,    kLabelBack, Right,  true,   4},
}};
// clang-format on

}  // namespace

const WindowDesign kFrmMainWindow{kTitle, 3300, 2610, SystemColour::ActiveBorder, Rgb{0, 0, 0}};

ControlName EnterPresses(ControlName focus) {
    return DesignOf(focus).kind == Button ? focus : kDefaultButton;
}

std::span<const ControlDesign> FrmMainControls() {
    return kControls;
}

const ControlDesign& DesignOf(ControlName name) {
    for (const ControlDesign& design : kControls) {
        if (design.name == name) {
            return design;
        }
    }
    throw std::out_of_range("no such control in frmMain: " + NameText(name));
}

ControlName CaptionOf(ControlName box) {
    return {box.array == Text2 ? Label2 : Label1, box.index};
}

std::vector<ControlName> TabOrder() {
    std::vector<ControlName> order;
    for (ControlName name : StackingOrder()) {
        const ControlDesign& design = DesignOf(name);
        if (design.enabled && (design.kind == TextBox || design.kind == Button)) {
            order.push_back(name);
        }
    }
    return order;
}

std::vector<ControlName> StackingOrder() {
    // Layer 0 on top: boxes and buttons; then labels; the frame beneath.
    const auto layer = [](const ControlDesign& d) {
        return d.kind == Label ? 1 : d.kind == Frame ? 2 : 0;
    };
    std::vector<const ControlDesign*> controls;
    for (const ControlDesign& design : kControls) {
        controls.push_back(&design);
    }
    std::stable_sort(controls.begin(), controls.end(), [&](const auto* a, const auto* b) {
        if (layer(*a) != layer(*b)) {
            return layer(*a) < layer(*b);
        }
        return layer(*a) == 0 && a->tabIndex < b->tabIndex;  // labels keep creation order
    });
    std::vector<ControlName> order;
    for (const ControlDesign* design : controls) {
        order.push_back(design->name);
    }
    return order;
}

Colour TextColour(const ControlDesign& design) {
    return design.enabled ? design.text : kDisabledText;
}

std::string NameText(ControlName name) {
    static constexpr std::array<const char*, 7> kArrays = {"Frame1", "Text1",  "Text2",   "Label1",
                                                           "Label2", "Label3", "Command1"};
    const std::string array = kArrays.at(static_cast<std::size_t>(name.array));
    // Frame1 is no array: it has no index.
    return name.array == Frame1 ? array : array + "(" + std::to_string(name.index) + ")";
}

std::optional<Rgb> RgbOf(const Colour& colour) {
    if (const auto* system = std::get_if<SystemColour>(&colour)) {
        return StandIn(*system);
    }
    if (const auto* rgb = std::get_if<Rgb>(&colour)) {
        return *rgb;
    }
    return std::nullopt;
}

Rgb StandIn(SystemColour colour) {
    switch (colour) {
        case SystemColour::Window:
            return {255, 255, 255};
        case SystemColour::WindowText:
            return {0, 0, 0};
        case SystemColour::ActiveBorder:
            return {180, 180, 180};
        case SystemColour::InactiveBorder:
            return {244, 247, 252};
        case SystemColour::ButtonFace:
            return {240, 240, 240};
        case SystemColour::GrayText:
            return {109, 109, 109};
    }
    return {0, 0, 0};
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

}  // namespace brenvol::ui
