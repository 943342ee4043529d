// Pictures of a window's client area as Windows draws it, and their BMP files: for README's
// screenshot and for comparing the window with a reference picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brenvol::win32 {

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, three bytes a pixel
};

// Once every pending paint is done.
Picture CaptureClientArea(HWND window);

// A 24-bit BMP file.
bool WriteBmp(const Picture& picture, const std::string& path);
std::optional<Picture> ReadBmp(const std::string& path);

}  // namespace brenvol::win32
