// A picture of a window, whichever toolkit drew it: what the screenshot programs save and the
// tests compare with a reference.
#pragma once

#include <cstdint>
#include <vector>

namespace brenvol {

struct RgbPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, three bytes a pixel
};

}  // namespace brenvol
