// Brenvol in a web page: what the page's script (faces/web/page.js) calls. The page loads the
// window once the WebAssembly is ready, with the decimal separator of the browser's language.
#include <emscripten.h>

#include <memory>

#include "faces/web/frm_main_page.h"

namespace {

std::unique_ptr<brenvol::web::FrmMainPage> page;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void brenvol_load(const char16_t* separator) {
    page = std::make_unique<brenvol::web::FrmMainPage>(separator);
}

// modifiers: 1 Ctrl, 2 Alt, 4 Meta. Null when the browser is to act on the key; else what goes
// into the box, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char16_t* brenvol_key(int index, const char16_t* key, int modifiers) {
    static std::u16string received;
    const auto typed = page->KeyDown(index, key, modifiers & 1, modifiers & 2, modifiers & 4);
    received = typed.value_or(u"");
    return typed ? received.c_str() : nullptr;
}

// What Text1(index) receives of `text`; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char16_t* brenvol_text_inserted(int index, const char16_t* text) {
    static std::u16string received;
    received = page->TextInserted(index, text);
    return received.c_str();
}

EMSCRIPTEN_KEEPALIVE void brenvol_click(int index) {
    page->Click(index);
}

}  // extern "C"
