// GDI objects a window makes for itself, each deleted when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace brenvol::win32 {

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~GdiObject() {
        if (handle_) {
            DeleteObject(handle_);
        }
    }
    Handle get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using SolidBrush = GdiObject<HBRUSH>;

}  // namespace brenvol::win32
