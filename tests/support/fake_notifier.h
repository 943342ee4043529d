// A Notifier that keeps what it was asked to show.
#pragma once

#include <vector>

#include "settings/reg_function.h"

struct FakeNotifier : brenvol::settings::Notifier {
    struct Message {
        std::u16string text, title;
        int style;
    };
    void ShowMessage(std::u16string_view text, std::u16string_view title, int style) override {
        shown.push_back({std::u16string(text), std::u16string(title), style});
    }
    std::vector<Message> shown;
};
