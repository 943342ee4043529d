// frmMain's design as plain data: the window and its fifteen controls, each with its rectangle
// in twips, caption, font, colours, alignment, enabled state and tab index, in the order the
// window creates them. All three faces build the window from this table and nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brenvol::ui {

enum class ControlArray { Frame1, Text1, Text2, Label1, Label2, Label3, Command1 };

// A member of a control array, such as Text1(0).
struct ControlName {
    ControlArray array;
    int index;
    bool operator==(const ControlName&) const = default;
};

// "Text1(0)": the name a face gives the control, so that it can be found by it.
std::string NameText(ControlName name);

enum class ControlKind { Frame, TextBox, Label, Button };

// Default: the platform's user-interface font, which is not Arial. Regular and Bold: Arial
// 8.25 point, weight 400 or 700.
enum class FontFace { Default, Regular, Bold };
inline constexpr double kArialPoints = 8.25;

enum class Alignment { Left, Right, Centre };

// The Windows system colours the design names, by their Windows colour index. On Windows they
// are the user's own; elsewhere StandIn gives Windows 10's defaults.
enum class SystemColour {
    Window = 5,
    WindowText = 8,
    ActiveBorder = 10,
    InactiveBorder = 11,
    ButtonFace = 15,
    GrayText = 17,
};

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

Rgb StandIn(SystemColour colour);

// A fixed colour, a system colour, or (monostate) the toolkit's own for that kind of control.
using Colour = std::variant<std::monostate, Rgb, SystemColour>;

// The colour's red, green and blue: a system colour's stand-in; nothing for the toolkit's own.
std::optional<Rgb> RgbOf(const Colour& colour);

struct ControlDesign {
    ControlName name;
    ControlKind kind;
    bool inFrame;                  // placed within Frame1's rectangle, else the window's
    int left, top, width, height;  // twips
    std::u16string_view caption;
    FontFace font;
    Colour text;
    Colour background;
    Alignment alignment;
    bool enabled;
    int tabIndex;
};

struct WindowDesign {
    std::u16string_view caption;
    int clientWidth, clientHeight;  // twips
    Colour background;
    Colour text;
};

extern const WindowDesign kFrmMainWindow;

// The boxes by their roles: the charging current, the pack's capacity, and the hours, minutes
// and seconds of the result.
inline constexpr ControlName kCurrentBox{ControlArray::Text1, 0};
inline constexpr ControlName kCapacityBox{ControlArray::Text1, 1};
inline constexpr ControlName kResultBoxes[] = {
    {ControlArray::Text2, 0}, {ControlArray::Text2, 1}, {ControlArray::Text2, 2}};

// The buttons: "Calcola", which is the window's default button, and "Exit".
inline constexpr ControlName kCalcola{ControlArray::Command1, 0};
inline constexpr ControlName kExit{ControlArray::Command1, 1};
inline constexpr ControlName kDefaultButton = kCalcola;

// The button Enter presses where `focus` has the focus: that push button, else the default one.
ControlName EnterPresses(ControlName focus);

// In creation order: Frame1 first, then each array's members from the highest index down.
std::span<const ControlDesign> FrmMainControls();

const ControlDesign& DesignOf(ControlName name);

// The label that captions a box, which names it for screen readers: Label1(i) for Text1(i),
// Label2(i) for Text2(i).
ControlName CaptionOf(ControlName box);

// The controls that take the focus, in the order Tab moves through them: the enabled boxes and
// buttons by tab index. The first has the focus when the window opens.
std::vector<ControlName> TabOrder();

// Every control, from the one drawn on top to the one beneath all. Boxes and buttons lie over
// the labels, so that no label covers their borders, and come in tab order, since Windows' dialog
// manager tabs in stacking order; the labels lie over the frame. Among the labels, the one
// created first lies on top, as Windows stacks the controls of a dialog: so each unit label
// shows whole over the caption it overlaps.
std::vector<ControlName> StackingOrder();

// A disabled control's text is grey, whatever colour the design gives it.
inline constexpr Colour kDisabledText{SystemColour::GrayText};

// The colour a control's text is drawn in.
Colour TextColour(const ControlDesign& design);

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at `dpi` dots per inch, to the nearest pixel: 15 twips a pixel at 96.
int TwipsToPixels(int twips, int dpi);

}  // namespace brenvol::ui
