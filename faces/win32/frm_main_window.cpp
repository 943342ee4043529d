#include "faces/win32/frm_main_window.h"

#include <imm.h>

#include <algorithm>
#include <cmath>

#include "encoding/wide_text.h"
#include "faces/win32/clipboard_text.h"
#include "faces/win32/ui_automation_notification.h"

namespace brenvol::win32 {
namespace {

using encoding::Wide;
using ui::ControlArray;
using ui::ControlDesign;
using ui::ControlKind;
using ui::ControlName;

constexpr wchar_t kClassName[] = L"Brenvol.frmMain";
constexpr int kFirstControlId = 100;
constexpr int kIconResource = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // fixed border, close box
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

// The control ID of a control: GetDlgItem(window, ControlId(name)) finds it.
int ControlId(ControlName name) {
    const auto controls = ui::FrmMainControls();
    return kFirstControlId + static_cast<int>(&ui::DesignOf(name) - controls.data());
}

COLORREF ColorRef(ui::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The colour a design names: the user's own for a system colour; `fallback` for the toolkit's.
COLORREF ColorRef(const ui::Colour& colour, COLORREF fallback) {
    if (const auto* system = std::get_if<ui::SystemColour>(&colour)) {
        return GetSysColor(static_cast<int>(*system));
    }
    const auto rgb = ui::RgbOf(colour);
    return rgb ? ColorRef(*rgb) : fallback;
}

DWORD AlignmentStyle(const ControlDesign& design) {
    const bool edit = design.kind == ControlKind::TextBox;
    switch (design.alignment) {
        case ui::Alignment::Left:
            return edit ? ES_LEFT : SS_LEFT;
        case ui::Alignment::Right:
            return edit ? ES_RIGHT : SS_RIGHT;
        case ui::Alignment::Centre:
            return edit ? ES_CENTER : SS_CENTER;
    }
    return 0;
}

// The window class, its style and the extended style of each kind of control.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::TextBox:
            return {L"EDIT", ES_AUTOHSCROLL | AlignmentStyle(design) | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {L"BUTTON",
                    static_cast<DWORD>(design.name == ui::kDefaultButton ? BS_DEFPUSHBUTTON
                                                                         : BS_PUSHBUTTON) |
                        WS_TABSTOP,
                    0};
        case ControlKind::Label:
            return {L"STATIC", AlignmentStyle(design), 0};
    }
    return {nullptr, 0, 0};
}

Font CreateArial(int dpi, int weight) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(ui::kArialPoints * dpi / 72.0));
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy_s(font.lfFaceName, L"Arial");
    return Font(CreateFontIndirectW(&font));
}

Font CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

// Where a control lies in the window at `dpi`: controls within Frame1 from its corner, as its
// children would be.
RECT PlaceOf(const ControlDesign& design, int dpi) {
    const auto px = [dpi](int twips) { return ui::TwipsToPixels(twips, dpi); };
    const ControlDesign& frame = ui::DesignOf({ControlArray::Frame1, 0});
    const int left = design.inFrame ? frame.left + design.left : design.left;
    const int top = design.inFrame ? frame.top + design.top : design.top;
    return {px(left), px(top), px(left) + px(design.width), px(top) + px(design.height)};
}

SIZE FrameSize(int dpi) {
    RECT frame{0, 0, ui::TwipsToPixels(ui::kFrmMainWindow.clientWidth, dpi),
               ui::TwipsToPixels(ui::kFrmMainWindow.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

FrmMainWindow::FrmMainWindow(settings::RegistryApi& registry,
                             ui::frmMain::NumberFormatSource numberFormat)
    : form_(*this, std::move(numberFormat)) {
    // No input method in any control: none is made for each as it is created.
    ImmDisableIME(0);
    // Made at the system's DPI, the window's own unless it opens on another screen: every
    // control is made where it belongs, with its font, not moved there after.
    dpi_ = static_cast<int>(GetDpiForSystem());
    CreateFonts(dpi_);
    Create(kClassName, kIconResource, kStyle, kExStyle, Wide(ui::kFrmMainWindow.caption).c_str(),
           FrameSize(dpi_));
    CreateControls();
    if (const int own = static_cast<int>(GetDpiForWindow(window_)); own != dpi_) {
        Place(own);
    }
    FitClientArea();
    form_.Form_Load(registry);
}

FrmMainWindow::~FrmMainWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);  // while the object still answers its messages
    }
}

void FrmMainWindow::CreateFonts(int dpi) {
    regular_ = CreateArial(dpi, FW_NORMAL);
    bold_ = CreateArial(dpi, FW_BOLD);
    message_ = CreateMessageFont(dpi);
}

HFONT FrmMainWindow::FontOf(const ControlDesign& design) const {
    return design.font == ui::FontFace::Default ? message_.get()
           : design.font == ui::FontFace::Bold  ? bold_.get()
                                                : regular_.get();
}

void FrmMainWindow::FitClientArea() {
    // Where the frame drawn is not the one reckoned, as when a DPI change leaves the title bar
    // as it was, the window grows or shrinks by the difference: the client area keeps the
    // design's size.
    const SIZE client{ui::TwipsToPixels(ui::kFrmMainWindow.clientWidth, dpi_),
                      ui::TwipsToPixels(ui::kFrmMainWindow.clientHeight, dpi_)};
    RECT got, frame;
    GetClientRect(window_, &got);
    if (got.right == client.cx && got.bottom == client.cy) {
        return;
    }
    GetWindowRect(window_, &frame);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + client.cx - got.right,
                 frame.bottom - frame.top + client.cy - got.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMainWindow::CreateControls() {
    // In stacking order, each made beneath those before it: so Windows stacks them, and the
    // dialog manager tabs through them, as the design wants.
    for (ControlName name : ui::StackingOrder()) {
        const ControlDesign& design = ui::DesignOf(name);
        const HWND control = CreateControl(design);
        const HWND previous = controls_.empty() ? nullptr : controls_.back().handle;
        if (GetWindow(control, GW_HWNDPREV) != previous) {
            SetWindowPos(control, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        controls_.push_back({&design, control});
        if (design.kind == ControlKind::TextBox) {
            // No length limit (0: the most the system allows), where the edit control's own
            // would cut a paste at 32,767 characters without a word. Subclassed the classic way:
            // the common controls' helpers would load comctl32.dll at every start.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
            SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            editProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BoxProcedure)));
        }
        if (name.array == ControlArray::Text1) {
            ImmAssociateContextEx(control, nullptr, 0);  // no input method composes past the rule
        }
    }
}

HWND FrmMainWindow::CreateControl(const ControlDesign& design) const {
    const ControlClass controlClass = ClassOf(design);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | controlClass.style;
    if (!design.enabled) {
        style = (style | WS_DISABLED) & ~WS_TABSTOP;
    }
    const RECT place = PlaceOf(design, dpi_);
    const HWND control = CreateWindowExW(
        controlClass.exStyle, controlClass.name, Wide(design.caption).c_str(), style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(design.name))),
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(design)), FALSE);
    return control;
}

void FrmMainWindow::Place(int dpi) {
    dpi_ = dpi;
    CreateFonts(dpi);
    const SIZE size = FrameSize(dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
    for (const Control& control : controls_) {
        const RECT place = PlaceOf(*control.design, dpi);
        MoveWindow(control.handle, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*control.design)),
                     FALSE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void FrmMainWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    form_.Shown();
}

HWND FrmMainWindow::ControlHandle(ControlName name) const {
    return GetDlgItem(window_, ControlId(name));
}

std::u16string FrmMainWindow::Text(ControlName box) const {
    const HWND control = ControlHandle(box);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return encoding::FromWide(text);
}

void FrmMainWindow::SetText(ControlName box, std::u16string_view text) {
    SetWindowTextW(ControlHandle(box), Wide(text).c_str());
}

std::optional<ControlName> FrmMainWindow::Focus() const {
    const Control* focus = Find(GetFocus());
    return focus ? std::optional(focus->design->name) : std::nullopt;
}

void FrmMainWindow::SetFocus(ControlName control) {
    if (IsWindowVisible(window_)) {
        SetActiveWindow(window_);
    }
    ::SetFocus(ControlHandle(control));
}

void FrmMainWindow::ShowMessage(std::u16string_view text, std::u16string_view title,
                                ui::MessageIcon icon) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(),
                MB_OK | (icon == ui::MessageIcon::Error ? MB_ICONERROR : 0));
}

void FrmMainWindow::Beep() {
    MessageBeep(MB_OK);
}

void FrmMainWindow::Announce(std::u16string_view text) {
    RaiseNotification(window_, text);
}

void FrmMainWindow::Close() {
    DestroyWindow(window_);
}

HBRUSH FrmMainWindow::Brush(const ui::Colour& colour) {
    if (const auto* system = std::get_if<ui::SystemColour>(&colour)) {
        return GetSysColorBrush(static_cast<int>(*system));
    }
    const auto rgb = ui::RgbOf(colour);
    if (!rgb) {
        return nullptr;  // the toolkit's own
    }
    SolidBrush& brush = fixed_[ColorRef(*rgb)];
    if (!brush.get()) {
        brush = SolidBrush(CreateSolidBrush(ColorRef(*rgb)));
    }
    return brush.get();
}

const FrmMainWindow::Control* FrmMainWindow::Find(HWND handle) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [handle](const Control& c) { return c.handle == handle; });
    return handle && found != controls_.end() ? &*found : nullptr;
}

LRESULT FrmMainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case DM_GETDEFID:
            return OnGetDefaultId();
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_ACTIVATE:
            return OnActivate(LOWORD(wParam) != WA_INACTIVE)
                       ? 0
                       : WindowBase::OnMessage(message, wParam, lParam);
        case WM_DPICHANGED:
            return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        case WM_CLOSE:
            Close();
            return 0;
        case WM_GETOBJECT:
            NameBoxes();
            break;
        case WM_DESTROY:
            return OnDestroy();
    }
    return WindowBase::OnMessage(message, wParam, lParam);
}

LRESULT FrmMainWindow::OnCommand(int notification, HWND from) {
    const Control* control = Find(from);
    if (control && control->design->kind == ControlKind::Button && notification == BN_CLICKED) {
        form_.Command1_Click(control->design->name.index);
    }
    return 0;  // IDCANCEL, which Escape sends, among the rest: it does nothing
}

LRESULT FrmMainWindow::OnGetDefaultId() const {
    const auto focus = Focus();
    return MAKELRESULT(ControlId(ui::EnterPresses(focus.value_or(ui::kCurrentBox))), DC_HASDEFID);
}

LRESULT FrmMainWindow::OnControlColour(HDC dc, HWND from) {
    const Control* control = Find(from);
    if (!control) {
        return 0;
    }
    const ControlDesign& design = *control->design;
    SetTextColor(dc, ColorRef(ui::TextColour(design), GetTextColor(dc)));
    const HBRUSH brush = Brush(design.background);
    if (!brush) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkColor(dc, ColorRef(design.background, GetBkColor(dc)));
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT FrmMainWindow::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, Brush(ui::kFrmMainWindow.background));
    // Frame1's inside has the frame's own background.
    const ControlDesign& frame = ui::DesignOf({ControlArray::Frame1, 0});
    RECT inside{};
    GetWindowRect(ControlHandle(frame.name), &inside);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&inside), 2);
    FillRect(dc, &inside, Brush(frame.background));
    return TRUE;
}

bool FrmMainWindow::OnActivate(bool active) {
    if (!active) {
        form_.Deactivated();
        return false;
    }
    form_.Activated();
    return Focus().has_value();  // the focus is back in a control: not to the window itself
}

LRESULT FrmMainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Place(dpi);
    return 0;
}

LRESULT FrmMainWindow::OnDestroy() {
    names_.Clear();  // while the boxes are still there
    PostQuitMessage(0);
    return 0;
}

void FrmMainWindow::NameBoxes() {
    // Each box by its caption, before the system's object for it answers the first client that
    // asks (once all are made). The caption is not the box's previous sibling, which would name
    // it otherwise.
    if (names_.Started() || controls_.size() != ui::FrmMainControls().size()) {
        return;
    }
    for (const Control& control : controls_) {
        if (control.design->kind == ControlKind::TextBox) {
            names_.Name(control.handle,
                        Wide(ui::DesignOf(ui::CaptionOf(control.design->name)).caption));
        }
    }
}

LRESULT CALLBACK FrmMainWindow::BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FrmMainWindow*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    return self->OnBoxMessage(box, message, wParam, lParam);
}

LRESULT FrmMainWindow::OnBoxMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlName name = Find(box)->design->name;
    const bool input = name.array == ControlArray::Text1;
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    if (input && (message == WM_CHAR || message == WM_IME_CHAR)) {
        // Composed where no input method should be: typed all the same.
        return OnBoxCharacter(box, name.index, wParam, lParam);
    }
    if (input && message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN &&
        key->wParam == VK_RETURN && ctrl) {
        // Ctrl+Enter types a line feed, which the box ignores, as in every face: the dialog
        // manager would press the default button with it.
        return CallWindowProcW(editProcedure_, box, message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    // Shift+Insert pastes within the edit control itself, past WM_PASTE, whatever else is held.
    if (input && (message == WM_PASTE || (message == WM_KEYDOWN && wParam == VK_INSERT && shift))) {
        Paste(box, name.index);
        return 0;
    }
    if (message == WM_GETOBJECT) {
        NameBoxes();
    }
    return CallWindowProcW(editProcedure_, box, message, wParam, lParam);
}

LRESULT FrmMainWindow::OnBoxCharacter(HWND box, int index, WPARAM character, LPARAM lParam) {
    // The system key with a key types nothing, as in every face; Windows' shell takes most such
    // chords for itself, and the rest would reach the box.
    if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) {
        return 0;
    }
    const auto received = form_.TypedCharacter(index, static_cast<char16_t>(character));
    return received ? CallWindowProcW(editProcedure_, box, WM_CHAR, *received, lParam) : 0;
}

void FrmMainWindow::Paste(HWND box, int index) {
    const std::wstring inserted = Wide(form_.TypedText(index, ClipboardText(window_)));
    if (!inserted.empty()) {
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
    }
}

}  // namespace brenvol::win32
