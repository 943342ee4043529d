// The Windows system colours the window's design names. On Windows they are the user's own;
// elsewhere fixed stand-ins, Windows 10's defaults.
#pragma once

#include <QColor>

namespace brenvol::ui {

// The values are the Windows colour indexes.
enum class SystemColour {
    Window = 5,           // stand-in (255, 255, 255)
    WindowText = 8,       // stand-in (0, 0, 0)
    ActiveBorder = 10,    // stand-in (180, 180, 180)
    InactiveBorder = 11,  // stand-in (244, 247, 252)
    ButtonFace = 15,      // stand-in (240, 240, 240)
    GrayText = 17,        // stand-in (109, 109, 109)
};

QColor Colour(SystemColour colour);

}  // namespace brenvol::ui
