#include "faces/win32/frm_main_window.h"

#include <imm.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace brenvol::win32 {
namespace {

using ui::ControlArray;
using ui::ControlDesign;
using ui::ControlKind;
using ui::ControlName;

constexpr wchar_t kClassName[] = L"Brenvol.frmMain";
constexpr int kFirstControlId = 100;
constexpr int kIconResource = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // fixed border, close box
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

COLORREF ToColorRef(const ui::Colour& colour, COLORREF fallback) {
    if (const auto* rgb = std::get_if<ui::Rgb>(&colour)) {
        return RGB(rgb->red, rgb->green, rgb->blue);
    }
    if (const auto* system = std::get_if<ui::SystemColour>(&colour)) {
        return GetSysColor(static_cast<int>(*system));
    }
    return fallback;
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

HFONT CreateArial(int dpi, int weight) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(ui::kArialPoints * dpi / 72.0));
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy_s(font.lfFaceName, L"Arial");
    return CreateFontIndirectW(&font);
}

HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kClassName, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) {
        throw std::runtime_error("cannot register frmMain's window class");
    }
}

}  // namespace

int ControlId(ControlName name) {
    const auto controls = ui::FrmMainControls();
    return kFirstControlId + static_cast<int>(&ui::DesignOf(name) - controls.data());
}

FrmMainWindow::FrmMainWindow(settings::RegistryApi& registry,
                             ui::frmMain::NumberFormatSource numberFormat)
    : form_(*this, std::move(numberFormat)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, &WindowProc);
    // No input method in any control: none is made for each as it is created.
    ImmDisableIME(0);
    // Made at the system's DPI, the window's own unless it opens on another screen: every
    // control is made where it belongs, with its font, not moved there after.
    dpi_ = static_cast<int>(GetDpiForSystem());
    CreateFonts(dpi_);
    const SIZE size = FrameSize(dpi_);
    const std::wstring caption = Wide(ui::kFrmMainWindow.caption);
    window_ = CreateWindowExW(kExStyle, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, this);
    if (!window_) {
        throw std::runtime_error("cannot create frmMain");
    }
    CreateControls();
    if (const int own = static_cast<int>(GetDpiForWindow(window_)); own != dpi_) {
        Place(own);
    }
    FitClientArea();
    form_.Form_Load(registry);
}

FrmMainWindow::~FrmMainWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    DeleteFonts();
    for (const auto& [colour, brush] : solidBrushes_) {
        DeleteObject(brush);
    }
}

void FrmMainWindow::CreateFonts(int dpi) {
    DeleteFonts();
    regular_ = CreateArial(dpi, FW_NORMAL);
    bold_ = CreateArial(dpi, FW_BOLD);
    message_ = CreateMessageFont(dpi);
}

void FrmMainWindow::DeleteFonts() {
    for (HFONT font : {regular_, bold_, message_}) {
        DeleteObject(font);
    }
}

HFONT FrmMainWindow::FontOf(const ControlDesign& design) const {
    return design.font == ui::FontFace::Default ? message_
           : design.font == ui::FontFace::Bold  ? bold_
                                                : regular_;
}

RECT FrmMainWindow::PlaceOf(const ControlDesign& design, int dpi) {
    const auto px = [dpi](int twips) { return ui::TwipsToPixels(twips, dpi); };
    // Controls within Frame1 are placed from its corner, as its children would be.
    const ControlDesign& frame = ui::DesignOf({ControlArray::Frame1, 0});
    const int left = design.inFrame ? frame.left + design.left : design.left;
    const int top = design.inFrame ? frame.top + design.top : design.top;
    return {px(left), px(top), px(left) + px(design.width), px(top) + px(design.height)};
}

SIZE FrmMainWindow::FrameSize(int dpi) {
    RECT frame{0, 0, ui::TwipsToPixels(ui::kFrmMainWindow.clientWidth, dpi),
               ui::TwipsToPixels(ui::kFrmMainWindow.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
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
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // In stacking order, each made beneath those before it: so Windows stacks them, and the
    // dialog manager tabs through them, as the design wants.
    for (ControlName name : ui::StackingOrder()) {
        const ControlDesign& design = ui::DesignOf(name);
        const ControlClass controlClass = ClassOf(design);
        const std::wstring caption = Wide(design.caption);
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | controlClass.style;
        if (!design.enabled) {
            style = (style | WS_DISABLED) & ~WS_TABSTOP;
        }
        const RECT place = PlaceOf(design, dpi_);
        const HWND control = CreateWindowExW(
            controlClass.exStyle, controlClass.name, caption.c_str(), style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(name))), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(design)), FALSE);
        const HWND previous = controls_.empty() ? nullptr : controls_.back().handle;
        if (GetWindow(control, GW_HWNDPREV) != previous) {
            SetWindowPos(control, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        controls_.push_back({&design, control});
        if (design.kind == ControlKind::TextBox) {
            // No length limit (0: the most the system allows), where the edit control's own
            // would cut a paste at 32,767 characters without a word.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
            // Subclassed the classic way: the common controls' helpers would load comctl32.dll
            // at every start.
            SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            editProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextBoxProc)));
        }
        if (name.array == ControlArray::Text1) {
            // Every character reaches the box through the keystroke rule: no input method
            // composes text past it.
            ImmAssociateContextEx(control, nullptr, 0);
        }
    }
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

int FrmMainWindow::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsWindow(window_) || !IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

HWND FrmMainWindow::ControlHandle(ControlName name) const {
    return GetDlgItem(window_, ControlId(name));
}

std::u16string FrmMainWindow::Text(ControlName box) const {
    const HWND control = ControlHandle(box);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return std::u16string(text.begin(), text.end());
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

void FrmMainWindow::Close() {
    DestroyWindow(window_);
}

HBRUSH FrmMainWindow::Brush(const ui::Colour& colour) const {
    if (const auto* system = std::get_if<ui::SystemColour>(&colour)) {
        return GetSysColorBrush(static_cast<int>(*system));
    }
    const auto* rgb = std::get_if<ui::Rgb>(&colour);
    if (!rgb) {
        return nullptr;  // the toolkit's own
    }
    const COLORREF fixed = RGB(rgb->red, rgb->green, rgb->blue);
    HBRUSH& brush = solidBrushes_[fixed];
    if (!brush) {
        brush = CreateSolidBrush(fixed);
    }
    return brush;
}

const FrmMainWindow::Control* FrmMainWindow::Find(HWND handle) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [handle](const Control& c) { return c.handle == handle; });
    return handle && found != controls_.end() ? &*found : nullptr;
}

LRESULT FrmMainWindow::Colours(HDC dc, HWND handle) {
    const Control* control = Find(handle);
    if (!control) {
        return 0;
    }
    const ControlDesign& design = *control->design;
    SetTextColor(dc, ToColorRef(ui::TextColour(design), GetTextColor(dc)));
    const HBRUSH brush = Brush(design.background);
    if (!brush) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkColor(dc, ToColorRef(design.background, GetBkColor(dc)));
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT CALLBACK FrmMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    // The window knows its object from its first message on, WM_NCCREATE.
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FrmMainWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrmMainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->OnMessage(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FrmMainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const Control* control = Find(reinterpret_cast<HWND>(lParam));
            if (control && control->design->kind == ControlKind::Button &&
                HIWORD(wParam) == BN_CLICKED) {
                form_.Command1_Click(control->design->name.index);
            }
            return 0;  // IDCANCEL, which Escape sends, among them: it does nothing
        }
        case DM_GETDEFID: {
            // Enter presses the push button that has the focus, else "Calcola".
            const HWND focus = GetFocus();
            const bool onButton = focus && IsChild(window_, focus) &&
                                  (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
            const int id = onButton ? GetDlgCtrlID(focus) : ControlId(ui::kDefaultButton);
            return MAKELRESULT(id, DC_HASDEFID);
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return Colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            const HDC dc = reinterpret_cast<HDC>(wParam);
            FillRect(dc, &client, Brush(ui::kFrmMainWindow.background));
            // Frame1's inside has the frame's own background.
            const ControlDesign& frame = ui::DesignOf({ControlArray::Frame1, 0});
            RECT inside{};
            GetWindowRect(ControlHandle(frame.name), &inside);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&inside), 2);
            FillRect(dc, &inside, Brush(frame.background));
            return TRUE;
        }
        case WM_ACTIVATE:
            // Deactivated, the window remembers its focus and gets it back when reactivated.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                focusBeforeDeactivation_ = IsChild(window_, focus) ? focus : nullptr;
            } else if (focusBeforeDeactivation_ && IsWindow(focusBeforeDeactivation_)) {
                ::SetFocus(focusBeforeDeactivation_);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Place(HIWORD(wParam));
            return 0;
        }
        case WM_CLOSE:
            Close();
            return 0;
        case WM_GETOBJECT:
            NameBoxes();
            break;
        case WM_DESTROY:
            names_.Clear();  // while the boxes are still there
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
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

LRESULT CALLBACK FrmMainWindow::TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FrmMainWindow*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    return self->TextBox(box, message, wParam, lParam);
}

LRESULT FrmMainWindow::TextBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlName name = Find(box)->design->name;
    const bool input = name.array == ControlArray::Text1;
    switch (message) {
        case WM_CHAR:
        case WM_IME_CHAR:  // composed where no input method should be: typed all the same
            if (input) {
                // The system key with a key types nothing, as in every face; Windows' shell takes
                // most such chords for itself, and the rest would reach the box.
                if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) {
                    return 0;
                }
                const auto received =
                    form_.TypedCharacter(name.index, static_cast<char16_t>(wParam));
                return received ? CallWindowProcW(editProc_, box, WM_CHAR, *received, lParam) : 0;
            }
            break;
        case WM_GETDLGCODE: {
            // Ctrl+Enter types a line feed, which the box ignores, as in every face: the dialog
            // manager would press the default button with it.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (input && key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN &&
                GetKeyState(VK_CONTROL) < 0) {
                return CallWindowProcW(editProc_, box, message, wParam, lParam) | DLGC_WANTMESSAGE;
            }
            break;
        }
        case WM_KEYDOWN:
            // Shift+Insert pastes within the edit control itself, past WM_PASTE, whatever else is
            // held: so it is pasted here, as WM_PASTE is.
            if (!input || wParam != VK_INSERT || GetKeyState(VK_SHIFT) >= 0) {
                break;
            }
            [[fallthrough]];
        case WM_PASTE:
            if (input) {
                const std::wstring inserted = Wide(form_.TypedText(name.index, ClipboardText()));
                if (!inserted.empty()) {
                    SendMessageW(box, EM_REPLACESEL, TRUE,
                                 reinterpret_cast<LPARAM>(inserted.c_str()));
                }
                return 0;
            }
            break;
        case WM_GETOBJECT:
            NameBoxes();
            break;
        default:
            break;
    }
    return CallWindowProcW(editProc_, box, message, wParam, lParam);
}

std::u16string FrmMainWindow::ClipboardText() const {
    std::u16string text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(window_)) {
        return text;
    }
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* block = static_cast<const char16_t*>(GlobalLock(data))) {
            // Up to the terminator, and never past the block, which may have none.
            const std::u16string_view all(block, GlobalSize(data) / sizeof(char16_t));
            text = all.substr(0, all.find(u'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace brenvol::win32
