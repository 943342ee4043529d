#include "ui/system_colours.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace brenvol::ui {

QColor Colour(SystemColour colour) {
#ifdef Q_OS_WIN
    const COLORREF rgb = GetSysColor(static_cast<int>(colour));
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
#else
    switch (colour) {
        case SystemColour::Window:
            return QColor(255, 255, 255);
        case SystemColour::WindowText:
            return QColor(0, 0, 0);
        case SystemColour::ActiveBorder:
            return QColor(180, 180, 180);
        case SystemColour::InactiveBorder:
            return QColor(244, 247, 252);
        case SystemColour::ButtonFace:
            return QColor(240, 240, 240);
        case SystemColour::GrayText:
            return QColor(109, 109, 109);
    }
    return QColor();
#endif
}

}  // namespace brenvol::ui
