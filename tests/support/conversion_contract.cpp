// Linked into the Windows tests that convert texts: holds every conversion the product makes to
// the contract Microsoft documents for the running code page, which Wine does not enforce. A
// call Windows would reject fails the test, and fails as Windows fails it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "support/win32_imports.h"

namespace {

decltype(&WideCharToMultiByte) realToBytes = nullptr;
decltype(&MultiByteToWideChar) realToWide = nullptr;

UINT Resolved(UINT codePage) {
    return codePage == CP_ACP ? GetACP() : codePage == CP_OEMCP ? GetOEMCP() : codePage;
}

// The pages whose flags must be 0 (UTF-8 and GB18030 also take the "invalid characters" flag)
// and which take no default character.
bool TakesNoFlags(UINT page) {
    return page == 42 || page == 54936 || page == CP_UTF7 || page == CP_UTF8 ||
           (page >= 50220 && page <= 50229 && page != 50223 && page != 50224 && page != 50226 &&
            page != 50228) ||
           (page >= 57002 && page <= 57011);
}

bool Broken(const char* what, UINT page, DWORD error) {
    ADD_FAILURE() << what << " on code page " << page << " breaks the documented contract";
    SetLastError(error);
    return true;
}

int WINAPI CheckedToBytes(UINT codePage, DWORD flags, LPCWCH text, int length, LPSTR bytes,
                          int size, LPCCH defaultChar, LPBOOL usedDefault) {
    const UINT page = Resolved(codePage);
    const DWORD allowed = page == CP_UTF8 || page == 54936 ? WC_ERR_INVALID_CHARS
                          : TakesNoFlags(page)             ? 0
                                                           : ~0u;
    if ((flags & ~allowed) && Broken("WideCharToMultiByte's flags", page, ERROR_INVALID_FLAGS)) {
        return 0;
    }
    if (TakesNoFlags(page) && (defaultChar || usedDefault) &&
        Broken("WideCharToMultiByte's default character", page, ERROR_INVALID_PARAMETER)) {
        return 0;
    }
    if ((length == 0 || size < 0 || (size > 0 && !bytes)) &&
        Broken("WideCharToMultiByte's buffers", page, ERROR_INVALID_PARAMETER)) {
        return 0;
    }
    return realToBytes(codePage, flags, text, length, bytes, size, defaultChar, usedDefault);
}

int WINAPI CheckedToWide(UINT codePage, DWORD flags, LPCCH bytes, int size, LPWSTR text,
                         int length) {
    const UINT page = Resolved(codePage);
    const DWORD allowed = page == CP_UTF8 || page == 54936 ? MB_ERR_INVALID_CHARS
                          : TakesNoFlags(page)             ? 0
                                                           : ~0u;
    if ((flags & ~allowed) && Broken("MultiByteToWideChar's flags", page, ERROR_INVALID_FLAGS)) {
        return 0;
    }
    if ((size == 0 || length < 0 || (length > 0 && !text)) &&
        Broken("MultiByteToWideChar's buffers", page, ERROR_INVALID_PARAMETER)) {
        return 0;
    }
    return realToWide(codePage, flags, bytes, size, text, length);
}

const bool installed = [] {
    realToBytes =
        brenvol::test::ReplaceImport("kernel32.dll", "WideCharToMultiByte", &CheckedToBytes);
    realToWide =
        brenvol::test::ReplaceImport("kernel32.dll", "MultiByteToWideChar", &CheckedToWide);
    return realToBytes && realToWide;
}();

TEST(ConversionContract, HoldsEveryConversion) {
    ASSERT_TRUE(installed) << "the program imports no conversion to check";
    char bytes[8];
    wchar_t text[8];
    EXPECT_NONFATAL_FAILURE(
        WideCharToMultiByte(CP_UTF8, WC_NO_BEST_FIT_CHARS, L"a", 1, bytes, 8, nullptr, nullptr),
        "flags");
    EXPECT_NONFATAL_FAILURE(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, bytes, 8, "?", nullptr),
                            "default character");
    EXPECT_NONFATAL_FAILURE(MultiByteToWideChar(CP_ACP, 0, "a", 0, text, 8), "buffers");
    EXPECT_EQ(WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, L"a", 1, bytes, 8, "?", nullptr), 1);
}

}  // namespace
