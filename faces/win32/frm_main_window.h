// frmMain as a native Win32 window: real EDIT, STATIC and BUTTON controls built from the design
// table at the window's DPI, their events handed to the toolkit-free frmMain, and what frmMain
// asks done. No behaviour of its own.
//
// The dialog manager (IsDialogMessage, in Run) gives Tab order and makes Enter press the
// default button, or the push button that has the focus; Escape does nothing. Every character
// that reaches an input box, typed (WM_CHAR) or pasted (WM_PASTE), goes through the keystroke
// rule first, and no input method composes text in them.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "faces/win32/accessible_names.h"
#include "settings/registry_api.h"
#include "ui/frm_main.h"

namespace brenvol::win32 {

// The control ID of a control: GetDlgItem(window, ControlId(name)) finds it.
int ControlId(ui::ControlName name);

class FrmMainWindow : public ui::FrmMainFace {
public:
    // Creates and loads the window, hidden: the decimal separator is read from `registry`
    // before anything shows.
    FrmMainWindow(settings::RegistryApi& registry, ui::frmMain::NumberFormatSource numberFormat);
    ~FrmMainWindow() override;
    FrmMainWindow(const FrmMainWindow&) = delete;
    FrmMainWindow& operator=(const FrmMainWindow&) = delete;

    HWND Handle() const { return window_; }

    // Shows the window with the focus in Text1(0).
    void Show(int showCommand);
    // Runs the message loop until the window closes; returns the program's exit code.
    int Run();

    std::u16string Text(ui::ControlName box) const override;
    void SetText(ui::ControlName box, std::u16string_view text) override;
    std::optional<ui::ControlName> Focus() const override;
    void SetFocus(ui::ControlName control) override;
    void ShowMessage(std::u16string_view text, std::u16string_view title,
                     ui::MessageIcon icon) override;
    void Beep() override;
    void Close() override;

private:
    struct Control {
        const ui::ControlDesign* design;
        HWND handle;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT TextBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Colours(HDC dc, HWND control);
    std::u16string ClipboardText() const;
    // Names the boxes for screen readers, at the first accessibility client's request.
    void NameBoxes();

    void CreateControls();
    // Sizes the window and places the controls and their fonts for `dpi`.
    void Place(int dpi);
    void FitClientArea();
    void CreateFonts(int dpi);
    void DeleteFonts();
    HFONT FontOf(const ui::ControlDesign& design) const;
    static RECT PlaceOf(const ui::ControlDesign& design, int dpi);
    static SIZE FrameSize(int dpi);
    HWND ControlHandle(ui::ControlName name) const;
    // The control of that handle; nullptr for any other window.
    const Control* Find(HWND handle) const;
    HBRUSH Brush(const ui::Colour& colour) const;

    HWND window_ = nullptr;
    std::vector<Control> controls_;
    int dpi_ = 96;
    HFONT regular_ = nullptr, bold_ = nullptr, message_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    WNDPROC editProc_ = nullptr;                       // the system's, under the boxes' own
    mutable std::map<COLORREF, HBRUSH> solidBrushes_;  // for the design's fixed colours
    AccessibleNames names_;
    ui::frmMain form_;
};

}  // namespace brenvol::win32
