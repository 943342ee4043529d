#include "tools/window_picture_win32.h"

#include <fstream>
#include <iterator>

namespace brenvol::win32 {
namespace {

constexpr int kHeaderSize = 14 + 40;

int RowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

template <typename T>
void Put(std::vector<char>& out, T value) {
    for (std::size_t i = 0; i < sizeof value; ++i) {
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
    }
}

template <typename T>
T Get(const std::vector<char>& in, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    }
    return static_cast<T>(value);
}

}  // namespace

RgbPicture CaptureClientArea(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT client;
    GetClientRect(window, &client);
    RgbPicture picture{client.right, client.bottom, {}};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* rows = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* bgr = rows + y * RowBytes(picture.width);
        for (int x = 0; x < picture.width; ++x) {
            picture.rgb.insert(picture.rgb.end(), {bgr[3 * x + 2], bgr[3 * x + 1], bgr[3 * x]});
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return picture;
}

bool WriteBmp(const RgbPicture& picture, const std::string& path) {
    const int rowBytes = RowBytes(picture.width);
    const auto dataSize = static_cast<std::uint32_t>(rowBytes * picture.height);
    std::vector<char> out{'B', 'M'};
    Put<std::uint32_t>(out, kHeaderSize + dataSize);
    Put<std::uint32_t>(out, 0);
    Put<std::uint32_t>(out, kHeaderSize);
    Put<std::uint32_t>(out, 40);
    Put<std::int32_t>(out, picture.width);
    Put<std::int32_t>(out, -picture.height);  // top row first
    Put<std::uint16_t>(out, 1);
    Put<std::uint16_t>(out, 24);
    for (int i = 0; i < 6; ++i) {
        Put<std::uint32_t>(out, i == 1 ? dataSize : 0);
    }
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::size_t at = 3 * (static_cast<std::size_t>(y) * picture.width + x);
            out.insert(out.end(), {static_cast<char>(picture.rgb[at + 2]),
                                   static_cast<char>(picture.rgb[at + 1]),
                                   static_cast<char>(picture.rgb[at])});
        }
        out.resize(out.size() + rowBytes - 3 * picture.width, 0);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

std::optional<RgbPicture> ReadBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> in{std::istreambuf_iterator<char>(file), {}};
    if (in.size() < kHeaderSize || in[0] != 'B' || in[1] != 'M' ||
        Get<std::uint16_t>(in, 28) != 24) {
        return std::nullopt;
    }
    const auto offset = Get<std::uint32_t>(in, 10);
    const auto width = Get<std::int32_t>(in, 18);
    const auto height = Get<std::int32_t>(in, 22);
    RgbPicture picture{width, height < 0 ? -height : height, {}};
    const int rowBytes = RowBytes(width);
    if (width <= 0 || in.size() < offset + static_cast<std::size_t>(rowBytes) * picture.height) {
        return std::nullopt;
    }
    for (int y = 0; y < picture.height; ++y) {
        const int row = height < 0 ? y : picture.height - 1 - y;  // bottom up unless negative
        const char* bgr = in.data() + offset + static_cast<std::size_t>(row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            picture.rgb.insert(picture.rgb.end(), {static_cast<std::uint8_t>(bgr[3 * x + 2]),
                                                   static_cast<std::uint8_t>(bgr[3 * x + 1]),
                                                   static_cast<std::uint8_t>(bgr[3 * x])});
        }
    }
    return picture;
}

}  // namespace brenvol::win32
