#include "faces/win32/clipboard_text.h"

namespace brenvol::win32 {

std::u16string ClipboardText(HWND owner) {
    std::u16string text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) {
        return text;
    }
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* block = static_cast<const char16_t*>(GlobalLock(data))) {
            const std::u16string_view all(block, GlobalSize(data) / sizeof(char16_t));
            text = all.substr(0, all.find(u'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace brenvol::win32
