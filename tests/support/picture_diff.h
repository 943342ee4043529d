// Compares a picture of a window with its reference, allowing for a few pixels of
// anti-aliasing: the one test of a window's look, its geometry, colours, fonts and alignment.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace brenvol::test {

struct RgbPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, three bytes a pixel
};

// How many pixels differ by more than a trace of smoothing in some channel; `diff` shows them
// in red over a faded copy of the reference. Pictures of different sizes differ everywhere.
inline int DifferingPixels(const RgbPicture& got, const RgbPicture& want, RgbPicture& diff) {
    if (got.width != want.width || got.height != want.height || want.rgb.empty()) {
        diff = got;
        return 1 << 30;
    }
    constexpr int kSmoothing = 40;
    diff = RgbPicture{want.width, want.height, {}};
    int differing = 0;
    for (std::size_t i = 0; i < want.rgb.size(); i += 3) {
        bool differs = false;
        for (std::size_t c = 0; c < 3; ++c) {
            differs |= std::abs(got.rgb[i + c] - want.rgb[i + c]) > kSmoothing;
        }
        differing += differs ? 1 : 0;
        for (std::size_t c = 0; c < 3; ++c) {
            diff.rgb.push_back(differs ? (c == 0 ? 255 : 0) : 192 + want.rgb[i + c] / 4);
        }
    }
    return differing;
}

// Few enough for anti-aliasing; a moved text, colour or rectangle changes many more.
inline constexpr int kAllowedPixels = 6;

}  // namespace brenvol::test
