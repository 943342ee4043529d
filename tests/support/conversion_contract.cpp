// Linked into the Windows tests that convert texts: holds every conversion to the contract
// Microsoft documents for the running code page, which Wine does not enforce: a call Windows
// would reject fails the test, and fails as Windows fails it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "support/win32_imports.h"

namespace {

decltype(&WideCharToMultiByte) realToBytes = nullptr;
decltype(&MultiByteToWideChar) realToWide = nullptr;

// The pages that take no flags (UTF-8 and GB18030 but the "invalid characters" one) and no
// default character.
bool TakesNoFlags(UINT page) {
    const UINT pages[] = {42, 50220, 50221, 50222, 50225, 50227, 50229, 54936, 65000, 65001};
    return std::find(std::begin(pages), std::end(pages), page) != std::end(pages) ||
           (page >= 57002 && page <= 57011);
}

// What a call breaks of the contract, reported as a failure, or nullptr.
const char* Broken(const char* function, UINT codePage, DWORD flags, DWORD invalidCharsFlag,
                   bool defaultCharacter, bool badBuffers) {
    const UINT page = codePage == CP_ACP ? GetACP() : codePage == CP_OEMCP ? GetOEMCP() : codePage;
    const DWORD allowed = page == CP_UTF8 || page == 54936 ? invalidCharsFlag
                          : TakesNoFlags(page)             ? 0
                                                           : ~0u;
    const char* broken = (flags & ~allowed)                       ? "flags"
                         : TakesNoFlags(page) && defaultCharacter ? "default character"
                         : badBuffers                             ? "buffers"
                                                                  : nullptr;
    if (broken) {
        ADD_FAILURE() << function << "'s " << broken << " on code page " << page
                      << " break the documented contract";
        SetLastError(broken[0] == 'f' ? ERROR_INVALID_FLAGS : ERROR_INVALID_PARAMETER);
    }
    return broken;
}

int WINAPI CheckedToBytes(UINT page, DWORD flags, LPCWCH text, int length, LPSTR bytes, int size,
                          LPCCH defaultChar, LPBOOL usedDefault) {
    return Broken("WideCharToMultiByte", page, flags, WC_ERR_INVALID_CHARS,
                  defaultChar || usedDefault, length == 0 || size < 0 || (size > 0 && !bytes))
               ? 0
               : realToBytes(page, flags, text, length, bytes, size, defaultChar, usedDefault);
}

int WINAPI CheckedToWide(UINT page, DWORD flags, LPCCH bytes, int size, LPWSTR text, int length) {
    return Broken("MultiByteToWideChar", page, flags, MB_ERR_INVALID_CHARS, false,
                  size == 0 || length < 0 || (length > 0 && !text))
               ? 0
               : realToWide(page, flags, bytes, size, text, length);
}

const bool installed =
    (realToBytes =
         brenvol::test::ReplaceImport("kernel32.dll", "WideCharToMultiByte", &CheckedToBytes)) &&
    (realToWide =
         brenvol::test::ReplaceImport("kernel32.dll", "MultiByteToWideChar", &CheckedToWide));

TEST(ConversionContract, HoldsEveryConversion) {
    ASSERT_TRUE(installed) << "the program imports no conversion to check";
    char bytes[8];
    EXPECT_NONFATAL_FAILURE(
        WideCharToMultiByte(CP_UTF8, WC_NO_BEST_FIT_CHARS, L"a", 1, bytes, 8, nullptr, nullptr),
        "flags");
    EXPECT_NONFATAL_FAILURE(WideCharToMultiByte(CP_UTF8, 0, L"a", 1, bytes, 8, "?", nullptr),
                            "default character");
    EXPECT_NONFATAL_FAILURE(MultiByteToWideChar(CP_ACP, 0, "a", 0, nullptr, 0), "buffers");
    EXPECT_EQ(WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, L"a", 1, bytes, 8, "?", nullptr), 1);
}

}  // namespace
