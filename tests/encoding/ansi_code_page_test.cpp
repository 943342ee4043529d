#include "encoding/ansi_code_page.h"

#include <gtest/gtest.h>

#include "encoding/code_page_arguments.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace brenvol::encoding {
namespace {

// Under the system's page (1252 for the stand-in): a single-byte page's every byte both ways; the
// page's characters; one taking more than one byte or none has no single code; one "?" for a
// character beyond 16 bits where the page lacks it.
TEST(AnsiCodePage, ConvertsTheSystemsPage) {
    const struct {
        unsigned page;
        std::u16string text;
        std::string bytes;
        char16_t noSingleCode;
        std::string itsBytes;
    } cases[] = {
        // clang-format off
        {1252, u"\u00E0\u20AC\u0178\u2122\u007F\u0081\u00A0\u00FF", "\xE0\x80\x9F\x99\x7F\x81\xA0\xFF", u'\u0080', "?"},
        {1250, u"\u0142\u0141\u00F3d\u017A", "\xB3\xA3\xF3" "d\x9F", u'\u00E0', "?"},
        {1251, u"\u0416\u0451", "\xC6\xB8", u'\u0142', "?"},
        {932, u"\uFF61\u3042", "\xA1\x82\xA0", u'\u3042', "\x82\xA0"},
        {65001, u"7\u0939\u00E0", "7\xE0\xA4\xB9\xC3\xA0", u'\u0939', "\xE0\xA4\xB9"},
        // clang-format on
    };
#ifdef _WIN32
    if (const char* expected = std::getenv("BRENVOL_EXPECTED_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    const unsigned page = GetACP();
#else
    const unsigned page = 1252;
#endif
    const auto c = std::find_if(std::begin(cases), std::end(cases),
                                [page](const auto& c) { return c.page == page; });
    ASSERT_NE(c, std::end(cases)) << "no case for code page " << page;
    for (int code = 0; code < 256 && page != 932 && page != 65001; ++code) {
        const char16_t character = AnsiToUnicode(code);
        if (character != u'?' || code == '?') {  // a few bytes are no character in 1250, 1251
            EXPECT_EQ(UnicodeToAnsi(character), std::optional<unsigned char>(code)) << code;
        }
    }
    EXPECT_EQ(UnicodeToAnsi(c->text[0]), std::optional<unsigned char>(c->bytes[0]));
    EXPECT_EQ(AnsiToUnicode(c->bytes[0]), c->text[0]);
    EXPECT_EQ(ToAnsi(c->text), c->bytes);
    EXPECT_EQ(FromAnsi(c->bytes), c->text);
    EXPECT_EQ(ToAnsi(u"\U0001F50B\xD800"),
              ArgumentsFor(page).defaultCharacter ? "??" : "\xF0\x9F\x94\x8B\xEF\xBF\xBD");
    EXPECT_EQ(UnicodeToAnsi(c->noSingleCode), std::nullopt);
    EXPECT_EQ(ToAnsi(std::u16string(1, c->noSingleCode)), c->itsBytes);
    EXPECT_EQ(ToAnsi(u""), "");
    EXPECT_EQ(FromAnsi(""), u"");
}

}  // namespace
}  // namespace brenvol::encoding
