#include "faces/win32/accessible_names.h"

#include "faces/win32/system_library.h"

namespace brenvol::win32 {
namespace {

// The functions of ole32.dll this needs, found when first asked for.
struct ComFunctions {
    decltype(&CoInitializeEx) initialize = nullptr;
    decltype(&CoCreateInstance) create = nullptr;
    decltype(&CoUninitialize) uninitialize = nullptr;
};

const ComFunctions& Com() {
    static const ComFunctions functions = [] {
        const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
        return ComFunctions{Find<decltype(CoInitializeEx)>(ole32, "CoInitializeEx"),
                            Find<decltype(CoCreateInstance)>(ole32, "CoCreateInstance"),
                            Find<decltype(CoUninitialize)>(ole32, "CoUninitialize")};
    }();
    return functions;
}

}  // namespace

void AccessibleNames::Name(HWND control, const std::wstring& name) {
    if (!started_) {
        started_ = true;
        const ComFunctions& com = Com();
        if (!com.initialize || !com.create || !com.uninitialize) {
            return;
        }
        // The window's thread is single-threaded, as its window procedure needs; S_FALSE: COM
        // was started already, and is still to be let go once.
        comStarted_ = SUCCEEDED(com.initialize(nullptr, COINIT_APARTMENTTHREADED));
        if (!comStarted_ ||
            FAILED(com.create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
            services_ = nullptr;
        }
    }
    if (services_ && SUCCEEDED(services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF,
                                                         PROPID_ACC_NAME, name.c_str()))) {
        named_.push_back(control);
    }
}

void AccessibleNames::Clear() {
    if (services_) {
        for (HWND control : named_) {
            services_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, &PROPID_ACC_NAME, 1);
        }
        services_->Release();
        services_ = nullptr;
    }
    named_.clear();
    if (comStarted_) {
        Com().uninitialize();
        comStarted_ = false;
    }
}

}  // namespace brenvol::win32
