// The keystroke rule returns only the codes its table allows: the typed code for the keys that
// pass, the separator's ANSI code for the six punctuation keys, otherwise 0 with a beep.
#include <string_view>

#include "encoding/ansi_code_page.h"
#include "fuzz_check.h"
#include "input/keystroke_rule.h"

using namespace brenvol;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto code = in.ConsumeIntegral<std::int16_t>();
    std::u16string separator;
    while (in.remaining_bytes() >= 2) {
        separator += static_cast<char16_t>(in.ConsumeIntegral<std::uint16_t>());
    }

    const input::KeyVerdict verdict = input::KeystrokeRule(code, separator);
    const bool passes = code == 27 || code == 8 || code == 9 || code == 10 || code == 13 ||
                        code == '-' || (code >= '0' && code <= '9');
    const bool separatorKey =
        code > 0 && std::u16string_view(u"\\/;:.,").find(code) != std::u16string_view::npos;
    if (passes) {
        FUZZ_CHECK(verdict.code == code && !verdict.beep);
    } else if (separatorKey) {
        const auto ansi = separator.empty() ? std::nullopt : encoding::UnicodeToAnsi(separator[0]);
        FUZZ_CHECK(verdict.code == ansi.value_or(0) && !verdict.beep);
    } else {
        FUZZ_CHECK(verdict.code == 0 && verdict.beep);
    }
    return 0;
}
