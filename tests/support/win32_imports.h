// Stands a test's own function in for a Win32 function the test program imports: every call the
// product's code makes to it reaches the stand-in. Wine's own DLLs keep their own tables.
#pragma once

#include <windows.h>

#include <cstring>

namespace brenvol::test {

// Returns the original function, or nullptr when the program does not import it from `dll`.
template <typename Function>
Function* ReplaceImport(const char* dll, const char* name, Function* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto at = [base](DWORD offset) { return base + offset; };
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        at(reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew));
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
        at(nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress));
    for (; module->Name; ++module) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(at(module->OriginalFirstThunk));
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(at(module->FirstThunk));
        for (; _stricmp(reinterpret_cast<char*>(at(module->Name)), dll) == 0 &&
               names->u1.AddressOfData;
             ++names, ++slot) {
            const auto* entry =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(at(names->u1.AddressOfData));
            if (!IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) && std::strcmp(entry->Name, name) == 0) {
                DWORD protection = 0;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
                auto* original = reinterpret_cast<Function*>(slot->u1.Function);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
                VirtualProtect(slot, sizeof *slot, protection, &protection);
                return original;
            }
        }
    }
    return nullptr;
}

}  // namespace brenvol::test
