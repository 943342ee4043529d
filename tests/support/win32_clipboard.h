// Puts text on the Windows clipboard as a user's copy would: Unicode, in a movable block, as
// SetClipboardData requires of a block it takes over.
#pragma once

#include <windows.h>

#include <string_view>

namespace brenvol::test {

// False when the clipboard could not be taken.
inline bool SetClipboard(std::u16string_view text) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 2 * (text.size() + 1));
    auto* chars = static_cast<char16_t*>(GlobalLock(block));
    chars[text.copy(chars, text.size())] = 0;
    GlobalUnlock(block);
    const bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    return set;
}

}  // namespace brenvol::test
