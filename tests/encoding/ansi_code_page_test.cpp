#include "encoding/ansi_code_page.h"

#include <gtest/gtest.h>

namespace brenvol::encoding {
namespace {

TEST(AnsiCodePage, ConvertsEveryByteAndTextsBothWays) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(UnicodeToAnsi(AnsiToUnicode(code)), std::optional<unsigned char>(code)) << code;
    }
    const struct {
        std::u16string text;
        std::string ansi;
    } cases[] = {
        // clang-format off
        {u"", ""}, {u"Capacit\u00E0", "Capacit\xE0"}, {u"\u20AC\u0178\u2122", "\x80\x9F\x99"},
        // Where Windows-1252 departs from Latin-1, and where it comes back.
        {u"\u007F\u0081\u00A0\u00FF", "\x7F\x81\xA0\xFF"}
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToAnsi(c.text), c.ansi);
        EXPECT_EQ(FromAnsi(c.ansi), c.text);
    }
    // No code in the code page: "?", one for a character beyond 16 bits.
    EXPECT_EQ(ToAnsi(u"\u0080\u009F\u0100a\u4E00\U0001F50B\xD800"), "???a???");
}

}  // namespace
}  // namespace brenvol::encoding
