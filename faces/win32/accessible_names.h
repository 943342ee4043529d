// Names controls for screen readers the way Windows documents for a control whose caption is not
// the control before it: a dynamic annotation of its name (PROPID_ACC_NAME, through
// IAccPropServices), which the system's own accessible object for it then reports.
//
// COM and oleacc.dll are loaded, from System32 alone, at the first name given: a window gives
// them when an accessibility client first asks it for an object, so that start-up does not pay.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <string>
#include <vector>

namespace brenvol::win32 {

class AccessibleNames {
public:
    AccessibleNames() = default;
    ~AccessibleNames() { Clear(); }
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Whether any name has been asked for, given or not.
    bool Started() const { return started_; }
    // Names the client area of `control`. Nothing where the system has no annotation service.
    void Name(HWND control, const std::wstring& name);
    // Takes every name back, as the controls must be before they are destroyed, and lets COM go.
    void Clear();

private:
    bool started_ = false;
    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> named_;
};

}  // namespace brenvol::win32
