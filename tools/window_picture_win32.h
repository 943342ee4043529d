// Pictures of a window's client area as Windows draws it, and their BMP files: for README's
// screenshot and for comparing the window with a reference picture.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tools/rgb_picture.h"

namespace brenvol::win32 {

// Once every pending paint is done.
RgbPicture CaptureClientArea(HWND window);

// A 24-bit BMP file.
bool WriteBmp(const RgbPicture& picture, const std::string& path);
std::optional<RgbPicture> ReadBmp(const std::string& path);

}  // namespace brenvol::win32
