// A system DLL's functions, found at run time: for what not every Windows version has, and for
// what start-up need not load.
#pragma once

#include <windows.h>

namespace brenvol::win32 {

// From System32 alone, whatever the process's search path: a DLL of the same name beside the
// program is never loaded. Null where the system has no such DLL.
inline HMODULE LoadSystemLibrary(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// `name` in `module`, as a `Function`; null where either is missing.
template <typename Function>
Function* Find(HMODULE module, const char* name) {
    // Through the one function type that casts to any other without a warning.
    return module ? reinterpret_cast<Function*>(
                        reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace brenvol::win32
