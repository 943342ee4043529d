// A Notifier that keeps what it was asked to show.
#pragma once

#include <string>
#include <vector>

#include "settings/reg_function.h"

namespace brenvol::settings {

struct FakeNotifier : Notifier {
    struct Message {
        std::u16string text;
        std::u16string title;
        int style;
    };
    void ShowMessage(std::u16string_view text, std::u16string_view title, int style) override {
        shown.push_back({std::u16string(text), std::u16string(title), style});
    }
    std::vector<Message> shown;
};

inline std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (char16_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

}  // namespace brenvol::settings
