#include "encoding/ansi_code_page.h"

#include <gtest/gtest.h>

#include "encoding/code_page_arguments.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace brenvol::encoding {
namespace {

unsigned SystemCodePage() {
#ifdef _WIN32
    if (const char* expected = std::getenv("BRENVOL_EXPECTED_CODE_PAGE")) {
        EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    return GetACP();
#else
    return 1252;  // the stand-in
#endif
}

// Flags and a default character only where the page takes them.
TEST(AnsiCodePage, ArgumentsForEveryKindOfPage) {
    const ConversionArguments none{0, false}, full{kNoBestFitChars, true};
    // clang-format off
    const std::pair<unsigned, ConversionArguments> cases[] = {
        {1252, full}, {1250, full}, {1251, full}, {874, full},
        {932, full}, {936, full}, {949, full}, {950, full},            // double-byte
        {65001, none}, {65000, none}, {54936, none}, {42, none},
        {50220, none}, {50229, none}, {57002, none}, {57011, none},
        {41, full}, {43, full}, {50219, full}, {50230, full}, {57001, full}, {57012, full},
    };
    // clang-format on
    for (const auto& [page, arguments] : cases) {
        EXPECT_EQ(ArgumentsFor(page), arguments) << page;
    }
}

TEST(AnsiCodePage, ConvertsEveryByteOfASingleBytePageBothWays) {
    if (SystemCodePage() != 1252 && SystemCodePage() != 1250 && SystemCodePage() != 1251) {
        GTEST_SKIP() << "not a single-byte page";
    }
    for (int code = 0; code < 256; ++code) {
        const char16_t c = AnsiToUnicode(code);
        // 1250 and 1251 leave a few bytes undefined, which come back as no character.
        if (c != u'?' || code == '?') {
            EXPECT_EQ(UnicodeToAnsi(c), std::optional<unsigned char>(code)) << code;
        }
    }
}

// Under each page: a character with a single-byte code, a text of the page's characters, and a
// character that takes more than one byte or none, which has no single code.
TEST(AnsiCodePage, ConvertsTextsOfTheSystemsPage) {
    const struct {
        unsigned page;
        char16_t single;
        unsigned char code;
        std::u16string text;
        std::string bytes;
        char16_t noSingleCode;
        std::string itsBytes;
    } cases[] = {
        // clang-format off
        {1252, u'\u00E0', 0xE0, u"\u20AC\u0178\u2122\u007F\u0081\u00A0\u00FF", "\x80\x9F\x99\x7F\x81\xA0\xFF", u'\u0142', "?"},
        {1250, u'\u0142', 0xB3, u"\u0141\u00F3d\u017A", "\xA3\xF3" "d\x9F", u'\u00E0', "?"},
        {1251, u'\u0416', 0xC6, u"\u0416\u0451", "\xC6\xB8", u'\u0142', "?"},
        {932, u'\uFF61', 0xA1, u"\uFF61\u3042", "\xA1\x82\xA0", u'\u3042', "\x82\xA0"},
        {65001, u'7', '7', u"\u0939\u00E0\U0001F50B", "\xE0\xA4\xB9\xC3\xA0\xF0\x9F\x94\x8B", u'\u0939', "\xE0\xA4\xB9"},
        // clang-format on
    };
    const unsigned page = SystemCodePage();
    for (const auto& c : cases) {
        if (c.page != page) {
            continue;
        }
        EXPECT_EQ(UnicodeToAnsi(c.single), std::optional<unsigned char>(c.code));
        EXPECT_EQ(AnsiToUnicode(c.code), c.single);
        EXPECT_EQ(ToAnsi(c.text), c.bytes);
        EXPECT_EQ(FromAnsi(c.bytes), c.text);
        EXPECT_EQ(UnicodeToAnsi(c.noSingleCode), std::nullopt);
        EXPECT_EQ(ToAnsi(std::u16string(1, c.noSingleCode)), c.itsBytes);
        EXPECT_EQ(ToAnsi(u""), "");
        EXPECT_EQ(FromAnsi(""), u"");
        return;
    }
    FAIL() << "no case for code page " << page;
}

// No code in a page with a default character: "?", one for a character beyond 16 bits.
TEST(AnsiCodePage, GivesOneQuestionMarkForEachCharacterThePageLacks) {
    if (!ArgumentsFor(SystemCodePage()).defaultCharacter) {
        GTEST_SKIP() << "the page encodes every character";
    }
    EXPECT_EQ(ToAnsi(u"\u0100\u0100a\U0001F50B\xD800"), "??a??");
}

}  // namespace
}  // namespace brenvol::encoding
