// A face's hands for the window's cases (tests/faces/window_cases.mjs): the commands it reads,
// a line each from its standard input, and the answers it writes.
#pragma once

#include <cstdio>
#include <iostream>
#include <string>

namespace brenvol::test {

struct Command {
    std::string verb;      // open, key, type, clipboard, click, middle-click, drop, state
    std::string argument;  // key: the chord, "Ctrl+Shift+Insert"; click: the control
    std::u16string text;   // type, clipboard
};

inline bool Read(Command& command) {
    std::string line;
    if (!std::getline(std::cin, line)) {
        return false;
    }
    const std::size_t space = line.find(' ');
    command.verb = line.substr(0, space);
    command.argument = space == std::string::npos ? "" : line.substr(space + 1);
    command.text.clear();
    const bool text = command.verb == "type" || command.verb == "clipboard";
    for (std::size_t at = 0; text && at + 4 <= command.argument.size(); at += 4) {
        command.text +=
            static_cast<char16_t>(std::stoi(command.argument.substr(at, 4), nullptr, 16));
    }
    return true;
}

// A chord's keys: its modifiers, then its key.
inline std::vector<std::string> Keys(const std::string& chord) {
    std::vector<std::string> keys;
    for (std::size_t at = 0;; at = chord.find('+', at) + 1) {
        keys.push_back(chord.substr(at, chord.find('+', at) - at));
        if (chord.find('+', at) == std::string::npos) {
            return keys;
        }
    }
}

inline void Answer(const std::string& line) {
    std::cout << line << std::endl;
}

// The window's state as JSON: the five boxes, the beeps, the control with the focus ("none" when
// it is elsewhere), the warning's "title: text" and icon ("" when none shows), whether the
// window is closed, and what it last told screen readers.
inline std::string StateJson(const std::u16string (&boxes)[5], int beeps, const std::string& focus,
                             const std::u16string& warning, const std::string& icon, bool closed,
                             const std::u16string& said) {
    const auto quoted = [](std::u16string_view text) {
        std::string json = "\"";
        for (char16_t c : text) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json +=
                c >= 0x20 && c < 0x7F && c != '"' && c != '\\' ? std::string(1, char(c)) : escaped;
        }
        return json + "\"";
    };
    std::string json = "{\"boxes\":[";
    for (const std::u16string& box : boxes) {
        json += quoted(box) + (&box == &boxes[4] ? "]" : ",");
    }
    return json + ",\"beeps\":" + std::to_string(beeps) + ",\"focus\":\"" + focus +
           "\",\"warning\":" + quoted(warning) + ",\"icon\":\"" + icon +
           "\",\"closed\":" + (closed ? "true" : "false") + ",\"said\":" + quoted(said) + "}";
}

}  // namespace brenvol::test
