// Compares a picture of a window with its reference, allowing for a few pixels of smoothing:
// the one test of a window's look, its geometry, colours, fonts, alignment and stacking.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace brenvol::test {

struct RgbPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, three bytes a pixel
};

inline constexpr int kAllowedPixels = 6;

// How many pixels differ by more than a trace of smoothing in some channel; `diff` shows them
// in red over a faded copy of the reference. Pictures of different sizes differ everywhere.
template <typename Picture>
int DifferingPixels(const Picture& got, const Picture& want, Picture& diff) {
    diff = got;
    if (got.width != want.width || got.height != want.height || want.rgb.empty()) {
        return 1 << 30;
    }
    int differing = 0;
    for (std::size_t i = 0; i < want.rgb.size(); i += 3) {
        bool differs = false;
        for (std::size_t c = 0; c < 3; ++c) {
            differs |= std::abs(got.rgb[i + c] - want.rgb[i + c]) > 8;
        }
        differing += differs;
        for (std::size_t c = 0; c < 3; ++c) {
            diff.rgb[i + c] = differs ? (c == 0) * 255 : 192 + want.rgb[i + c] / 4;
        }
    }
    return differing;
}

}  // namespace brenvol::test
