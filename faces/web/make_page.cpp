// make_page TEMPLATE PAGE: writes the page, TEMPLATE with frmMain's window in place of
// "@WINDOW@" and its caption in place of "@CAPTION@", the window made from the design table as
// HTML. Run under Node.js when the page is built, so that the window shows before any script
// runs: twips become CSS pixels at 96 dpi, the stacking order becomes z-index and the tab order
// the order of the focusable elements.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "ui/frm_main_design.h"

namespace {

using namespace brenvol::ui;

// HTML text or attribute value, in UTF-8.
std::string Html(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c == u'&' || c == u'<' || c == u'>' || c == u'"') {
            out += "&#" + std::to_string(c) + ";";
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
        } else {  // the captions hold no character beyond 16 bits
            out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        }
    }
    return out;
}

int Px(int twips) {
    return TwipsToPixels(twips, 96);
}

// A colour of the design as CSS; nothing for the browser's own.
std::string Css(const char* property, const Colour& colour) {
    Rgb rgb;
    if (const auto* fixed = std::get_if<Rgb>(&colour)) {
        rgb = *fixed;
    } else if (const auto* system = std::get_if<SystemColour>(&colour)) {
        rgb = StandIn(*system);
    } else {
        return "";
    }
    char css[40];
    std::snprintf(css, sizeof css, "%s:#%02x%02x%02x;", property, rgb.red, rgb.green, rgb.blue);
    return css;
}

std::string Style(const ControlDesign& design, int zIndex) {
    std::ostringstream style;
    style << "left:" << Px(design.left) << "px;top:" << Px(design.top)
          << "px;width:" << Px(design.width) << "px;height:" << Px(design.height)
          << "px;z-index:" << zIndex << ";" << Css("color", TextColour(design))
          << Css("background", design.background);
    if (design.font != FontFace::Default) {
        // 8.25 points at 96 dpi: 11 pixels.
        style << "font:" << (design.font == FontFace::Bold ? "bold " : "") << kArialPoints * 4 / 3
              << "px Arial,'Liberation Sans',Helvetica,sans-serif;";
    }
    const char* align[] = {"left", "right", "center"};
    style << "text-align:" << align[static_cast<int>(design.alignment)];
    return style.str();
}

std::string Element(const ControlDesign& design, int zIndex, const std::string& inside) {
    const std::string id =
        "id=\"" + NameText(design.name) + "\" style=\"" + Style(design, zIndex) + "\"";
    switch (design.kind) {
        case ControlKind::Frame:
            return "<div " + id + " class=\"frame\" role=\"group\" aria-labelledby=\"" +
                   NameText(design.name) + "-caption\"><span id=\"" + NameText(design.name) +
                   "-caption\" class=\"legend\">" + Html(design.caption) + "</span>" + inside +
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

std::string Window() {
    const std::vector<ControlName> stacking = StackingOrder();
    const auto zIndex = [&stacking](ControlName name) {
        return static_cast<int>(stacking.end() - std::find(stacking.begin(), stacking.end(), name));
    };
    // Focusable controls first, in tab order, for the browser tabs in document order.
    std::vector<ControlName> order = TabOrder();
    for (const ControlDesign& design : FrmMainControls()) {
        if (std::find(order.begin(), order.end(), design.name) == order.end()) {
            order.push_back(design.name);
        }
    }
    std::string window, framed;
    const ControlDesign* frame = nullptr;
    for (ControlName name : order) {
        const ControlDesign& design = DesignOf(name);
        if (design.kind == ControlKind::Frame) {
            frame = &design;
        } else {
            (design.inFrame ? framed : window) += Element(design, zIndex(name), "");
        }
    }
    window += Element(*frame, zIndex(frame->name), framed);
    return "<div class=\"client\" style=\"width:" + std::to_string(Px(kFrmMainWindow.clientWidth)) +
           "px;height:" + std::to_string(Px(kFrmMainWindow.clientHeight)) + "px;" +
           Css("background", kFrmMainWindow.background) + Css("color", kFrmMainWindow.text) +
           "\">\n" + window + "</div>";
}

void Replace(std::string& text, const std::string& what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_page TEMPLATE PAGE\n");
        return 64;
    }
    std::ifstream in(argv[1]);
    std::string page{std::istreambuf_iterator<char>(in), {}};
    Replace(page, "@WINDOW@", Window());
    Replace(page, "@CAPTION@", Html(kFrmMainWindow.caption));
    std::ofstream out(argv[2]);
    out << page;
    return in && out ? 0 : 1;
}
