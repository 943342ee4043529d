// How Win32's conversions may be called for a code page. Windows rejects a call that passes
// flags, or a default character, to a code page that takes none: UTF-8 above all (a
// Unicode-only locale, or "Use Unicode UTF-8 for worldwide language support"), UTF-7, GB18030,
// the ISO-2022 pages, the ISCII pages and the symbol page. Every other page, single-byte or
// double-byte, takes WC_NO_BEST_FIT_CHARS and "?" as its default character.
#pragma once

namespace brenvol::encoding {

inline constexpr unsigned long kNoBestFitChars = 0x400;  // WC_NO_BEST_FIT_CHARS

struct ConversionArguments {
    unsigned long toBytesFlags;  // WideCharToMultiByte's dwFlags; MultiByteToWideChar takes 0
    // Whether "?" may be passed as lpDefaultChar. Where it may not, no lpUsedDefaultChar
    // either.
    bool defaultCharacter;
    bool operator==(const ConversionArguments&) const = default;
};

ConversionArguments ArgumentsFor(unsigned codePage);

}  // namespace brenvol::encoding
