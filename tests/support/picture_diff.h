// Compares a picture of a window with its reference, the one test of a window's look: its
// geometry, colours, fonts, alignment and which control is drawn over which.
#pragma once

#include <cstdlib>

#include "tools/rgb_picture.h"

namespace brenvol::test {

inline constexpr int kAllowedPixels = 6;  // of smoothing; a change of the design moves many more

// Pixels that differ by more than a trace, shown red in `diff`; another size differs everywhere.
inline int DifferingPixels(const RgbPicture& got, const RgbPicture& want, RgbPicture& diff) {
    diff = got;
    if (got.width != want.width || got.height != want.height || want.rgb.empty()) {
        return 1 << 30;
    }
    int differing = 0;
    for (std::size_t i = 0; i < want.rgb.size(); i += 3) {
        const bool differs = std::abs(got.rgb[i] - want.rgb[i]) > 8 ||
                             std::abs(got.rgb[i + 1] - want.rgb[i + 1]) > 8 ||
                             std::abs(got.rgb[i + 2] - want.rgb[i + 2]) > 8;
        differing += differs;
        for (std::size_t c = 0; c < 3; ++c) {
            diff.rgb[i + c] = differs ? (c == 0) * 255 : 192 + want.rgb[i + c] / 4;
        }
    }
    return differing;
}

}  // namespace brenvol::test
