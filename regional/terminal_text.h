// Text to and from the 8-bit encoding of command-line arguments and terminal output: the
// locale's on Linux; on Windows the ANSI code page for arguments and the console's own code
// page for output.
#pragma once

#include <string>
#include <string_view>

namespace brenvol::regional {

std::u16string FromLocal8Bit(const char* text);
std::string ToLocal8Bit(std::u16string_view text);

}  // namespace brenvol::regional
