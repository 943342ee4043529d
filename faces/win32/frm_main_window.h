// frmMain as a native Win32 window: real EDIT, STATIC and BUTTON controls built from the design
// table at the window's DPI, their events handed to the toolkit-free frmMain, and what frmMain
// asks done.
//
// What the face decides itself, because Windows makes it the window's job: it places its
// controls in pixels at the DPI of the screen it is on, paints the backgrounds of the design's
// colours, and hands Windows' dialog manager (the loop's IsDialogMessage) the button Enter
// presses and the focus to give back, both of which frmMain decides. Every character that reaches
// an input box, typed (WM_CHAR, with the system key held or not) or pasted (WM_PASTE, and
// Shift+Insert, which the edit control pastes with past WM_PASTE), goes through frmMain first,
// and no input method composes text in the boxes. The results reach screen readers as a UI
// Automation notification, the one means Windows documents for news that moves no focus.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "faces/win32/accessible_names.h"
#include "faces/win32/gdi_objects.h"
#include "faces/win32/window_base.h"
#include "settings/registry_api.h"
#include "ui/frm_main.h"

namespace brenvol::win32 {

class FrmMainWindow : public WindowBase, public ui::FrmMainFace {
public:
    // Creates and loads the window, hidden: the decimal separator is read from `registry`
    // before anything shows.
    FrmMainWindow(settings::RegistryApi& registry, ui::frmMain::NumberFormatSource numberFormat);
    ~FrmMainWindow() override;

    // Shows the window with the focus in Text1(0).
    void Show(int showCommand);

    std::u16string Text(ui::ControlName box) const override;
    void SetText(ui::ControlName box, std::u16string_view text) override;
    std::optional<ui::ControlName> Focus() const override;
    void SetFocus(ui::ControlName control) override;
    void ShowMessage(std::u16string_view text, std::u16string_view title,
                     ui::MessageIcon icon) override;
    void Beep() override;
    void Announce(std::u16string_view text) override;
    void Close() override;

private:
    struct Control {
        const ui::ControlDesign* design;
        HWND handle;
    };

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(int notification, HWND from);
    LRESULT OnGetDefaultId() const;
    LRESULT OnControlColour(HDC dc, HWND from);
    LRESULT OnEraseBackground(HDC dc);
    // Whether the focus went back to a control, so that the window need not take it.
    bool OnActivate(bool active);
    LRESULT OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnDestroy();

    static LRESULT CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnBoxMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnBoxCharacter(HWND box, int index, WPARAM character, LPARAM lParam);
    void Paste(HWND box, int index);
    // Names the boxes for screen readers, at the first accessibility client's request.
    void NameBoxes();

    void CreateControls();
    HWND CreateControl(const ui::ControlDesign& design) const;
    // Sizes the window and places the controls and their fonts for `dpi`.
    void Place(int dpi);
    void FitClientArea();
    void CreateFonts(int dpi);
    HFONT FontOf(const ui::ControlDesign& design) const;
    HWND ControlHandle(ui::ControlName name) const;
    // The control of that handle; nullptr for any other window.
    const Control* Find(HWND handle) const;
    HBRUSH Brush(const ui::Colour& colour);

    std::vector<Control> controls_;
    int dpi_ = 96;
    Font regular_, bold_, message_;
    WNDPROC editProcedure_ = nullptr;       // the system's, under the boxes' own
    std::map<COLORREF, SolidBrush> fixed_;  // brushes of the design's fixed colours
    AccessibleNames names_;
    ui::frmMain form_;
};

}  // namespace brenvol::win32
