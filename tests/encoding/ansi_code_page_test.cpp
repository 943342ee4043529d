#include "encoding/ansi_code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace brenvol::encoding {
namespace {

TEST(AnsiCodePage, EveryByteRoundTrips) {
    for (int code = 0; code < 256; ++code) {
        const char16_t c = AnsiToUnicode(static_cast<unsigned char>(code));
        ASSERT_EQ(UnicodeToAnsi(c), std::optional<unsigned char>(code)) << "byte " << code;
    }
}

struct TextCase {
    std::u16string text;
    std::string ansi;
};

class ToAnsiTable : public testing::TestWithParam<TextCase> {};

TEST_P(ToAnsiTable, Converts) {
    EXPECT_EQ(ToAnsi(GetParam().text), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToAnsiTable,
    testing::Values(TextCase{u"", ""}, TextCase{u",", ","},
                    TextCase{u"Capacit\u00E0", "Capacit\xE0"}, TextCase{u"\u20AC", "\x80"},
                    TextCase{u"\u0178\u2122", "\x9F\x99"},
                    // Where Windows-1252 departs from Latin-1, and where it comes back.
                    TextCase{u"\u007F\u0081\u00A0\u00FF", "\x7F\x81\xA0\xFF"},
                    TextCase{u"\u0080\u009F\u0100", "???"},
                    // No code in the code page: "?", one for a character beyond 16 bits.
                    TextCase{u"a\u4E00b", "a?b"}, TextCase{u"\U0001F50B", "?"},
                    TextCase{u"\xD800x", "?x"}));

TEST(AnsiCodePage, FromAnsiReadsTheCodePage) {
    EXPECT_EQ(FromAnsi("\x7F\x80\x9F\xA0,\xE9"), u"\u007F\u20AC\u0178\u00A0,\u00E9");
    EXPECT_EQ(FromAnsi(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

}  // namespace
}  // namespace brenvol::encoding
