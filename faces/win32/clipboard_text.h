// The clipboard's text, as a paste takes it.
#pragma once

#include <windows.h>

#include <string>

namespace brenvol::win32 {

// The Unicode text on the clipboard, up to its terminator and never past its memory block, which
// may have none; nothing when the clipboard holds no text or another window has it open.
std::u16string ClipboardText(HWND owner);

}  // namespace brenvol::win32
