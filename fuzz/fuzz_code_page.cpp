// The code-page conversions, on any text and any bytes: a character the page has comes back
// from its code unchanged, one for one; one it lacks (a character beyond 16 bits counting once)
// becomes a single "?"; and every byte of the page reads as a character that converts back to it.
#include <fuzzer/FuzzedDataProvider.h>

#include "encoding/ansi_code_page.h"
#include "fuzz/fuzz_check.h"

using namespace brenvol;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string bytes = in.ConsumeRandomLengthString(256);
    const std::u16string text = fuzz::Utf16(in.ConsumeRemainingBytesAsString());

    FUZZ_CHECK(encoding::ToAnsi(encoding::FromAnsi(bytes)) == bytes);

    const std::string ansi = encoding::ToAnsi(text);
    std::size_t at = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++at) {
        FUZZ_CHECK(at < ansi.size());
        const auto code = encoding::UnicodeToAnsi(text[i]);
        if (encoding::StartsSurrogatePair(text, i)) {
            ++i;
            FUZZ_CHECK(ansi[at] == '?');
        } else if (code) {
            FUZZ_CHECK(static_cast<unsigned char>(ansi[at]) == *code);
            FUZZ_CHECK(encoding::AnsiToUnicode(*code) == text[i]);
        } else {
            FUZZ_CHECK(ansi[at] == '?');
        }
    }
    FUZZ_CHECK(at == ansi.size());
    FUZZ_CHECK(encoding::FromAnsi(ansi).size() == ansi.size());
    return 0;
}
