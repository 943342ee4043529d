// make_page TEMPLATE PAGE STYLE_TEMPLATE STYLE: writes the page, TEMPLATE with frmMain's window
// in place of "@WINDOW@" and its caption in place of "@CAPTION@", the window made from the design
// table as HTML; and its stylesheet, STYLE_TEMPLATE followed by the rules that place and colour
// each control. Run under Node.js when the page is built, so that the window shows before any
// script runs: twips become CSS pixels at 96 dpi, the stacking order becomes z-index, and the
// elements come in reading order with the tab order in their tabindex. The page holds no style of
// its own, so that its security policy can forbid inline styles.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "encoding/utf8.h"
#include "ui/frm_main_design.h"

namespace {

using namespace brenvol::ui;

// HTML text or attribute value, in UTF-8.
std::string Html(std::u16string_view text) {
    std::string out;
    for (char c : brenvol::encoding::Utf8(text)) {
        out += c == '&' || c == '<' || c == '>' || c == '"' ? "&#" + std::to_string(c) + ";"
                                                            : std::string(1, c);
    }
    return out;
}

int Px(int twips) {
    return TwipsToPixels(twips, 96);
}

// A colour of the design as CSS; nothing for the browser's own.
std::string Css(const char* property, const Colour& colour) {
    const auto rgb = RgbOf(colour);
    if (!rgb) {
        return "";
    }
    char css[40];
    std::snprintf(css, sizeof css, "%s:#%02x%02x%02x;", property, rgb->red, rgb->green, rgb->blue);
    return css;
}

// The control's CSS selector: its name, with the parentheses escaped.
std::string Selector(ControlName name) {
    std::string selector = "#";
    for (char c : NameText(name)) {
        selector += c == '(' || c == ')' ? std::string{'\\', c} : std::string{c};
    }
    return selector;
}

// The control's place, size, stacking, font, colours and alignment, as a style rule.
std::string Rule(const ControlDesign& design, int zIndex) {
    std::ostringstream style;
    style << Selector(design.name) << " {left:" << Px(design.left) << "px;top:" << Px(design.top)
          << "px;width:" << Px(design.width) << "px;height:" << Px(design.height)
          << "px;z-index:" << zIndex << ";" << Css("color", TextColour(design))
          << Css("background", design.background);
    if (design.font != FontFace::Default) {
        // 8.25 points at 96 dpi: 11 pixels.
        style << "font:" << (design.font == FontFace::Bold ? "bold " : "") << kArialPoints * 4 / 3
              << "px Arial,'Liberation Sans',Helvetica,sans-serif;";
    }
    const char* align[] = {"left", "right", "center"};
    style << "text-align:" << align[static_cast<int>(design.alignment)] << "}\n";
    return style.str();
}

// The element of a control; the focusable ones carry their place in the tab order (from 1), since
// the page reads in the order the window is laid out, which is not the order Tab takes.
std::string Element(const ControlDesign& design, const std::string& inside) {
    static const std::vector<ControlName> tabOrder = TabOrder();
    const auto tab = std::find(tabOrder.begin(), tabOrder.end(), design.name);
    const std::string id =
        "id=\"" + NameText(design.name) + "\"" +
        (tab == tabOrder.end()
             ? ""
             : " tabindex=\"" + std::to_string(tab - tabOrder.begin() + 1) + "\"");
    switch (design.kind) {
        case ControlKind::Frame:
            return "<div " + id + " class=\"frame\" role=\"group\" aria-labelledby=\"" +
                   NameText(design.name) + "-caption\"><span id=\"" + NameText(design.name) +
                   "-caption\" class=\"legend\">" + Html(design.caption) + "</span>\n" + inside +
                   "</div>\n";
        case ControlKind::TextBox:
            return "<input " + id + " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" " +
                   "spellcheck=\"false\" aria-labelledby=\"" + NameText(CaptionOf(design.name)) +
                   "\"" + (design.enabled ? "" : " disabled") + ">\n";
        case ControlKind::Label:
            return "<span " + id + " class=\"label\">" + Html(design.caption) + "</span>\n";
        case ControlKind::Button:
            // Enter presses the default button; it looks it.
            return "<button " + id + " type=\"button\"" +
                   (design.name == kDefaultButton ? " class=\"default\"" : "") + ">" +
                   Html(design.caption) + "</button>\n";
    }
    return "";
}

// The controls in reading order, top to bottom and left to right, the frame's within it: the
// order a screen reader reads them in. Each box's caption lies above it, or level with it and to
// its left, so it comes first.
std::vector<const ControlDesign*> ReadingOrder(bool inFrame) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& design : FrmMainControls()) {
        if (design.inFrame == inFrame) {
            order.push_back(&design);
        }
    }
    std::sort(order.begin(), order.end(), [](const ControlDesign* a, const ControlDesign* b) {
        return std::pair(a->top, a->left) < std::pair(b->top, b->left);
    });
    return order;
}

struct Window {
    std::string html, style;
};

// The window's elements, and the style rules that place them.
Window MakeWindow() {
    const std::vector<ControlName> stacking = StackingOrder();
    Window window;
    for (ControlName name : stacking) {
        const auto zIndex = stacking.end() - std::find(stacking.begin(), stacking.end(), name);
        window.style += Rule(DesignOf(name), static_cast<int>(zIndex));
    }
    window.style += ".client {width:" + std::to_string(Px(kFrmMainWindow.clientWidth)) +
                    "px;height:" + std::to_string(Px(kFrmMainWindow.clientHeight)) + "px;" +
                    Css("background", kFrmMainWindow.background) +
                    Css("color", kFrmMainWindow.text) + "}\n";
    std::string framed;
    for (const ControlDesign* design : ReadingOrder(true)) {
        framed += Element(*design, "");
    }
    for (const ControlDesign* design : ReadingOrder(false)) {
        window.html += Element(*design, framed);
    }
    window.html = "<div class=\"client\">\n" + window.html + "</div>";
    return window;
}

void Replace(std::string& text, const std::string& what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

std::string Read(const char* path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_page TEMPLATE PAGE STYLE_TEMPLATE STYLE\n");
        return 64;
    }
    const Window window = MakeWindow();
    std::string page = Read(argv[1]);
    Replace(page, "@WINDOW@", window.html);
    Replace(page, "@CAPTION@", Html(kFrmMainWindow.caption));
    std::ofstream out(argv[2]);
    out << page;
    std::ofstream style(argv[4]);
    style << Read(argv[3]) << "\n/* The window's controls, from its design. */\n" << window.style;
    return out && style ? 0 : 1;
}
