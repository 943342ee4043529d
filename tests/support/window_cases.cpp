#include "support/window_cases.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

#include "encoding/ansi_code_page.h"

namespace brenvol::test {
namespace {

// A text of the table, in UTF-8: "..." with \" \\ \t, repeated by *N, joined by +.
std::u16string Text(const std::string& written) {
    static const std::regex piece(R"re("((?:[^"\\]|\\.)*)"(?:\*(\d+))?)re");
    std::u16string text;
    for (std::sregex_iterator at(written.begin(), written.end(), piece), end; at != end; ++at) {
        std::u16string part;
        const std::string bytes = (*at)[1];
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const bool escaped = bytes[i] == '\\' && ++i < bytes.size();
            auto byte = static_cast<unsigned char>(escaped && bytes[i] == 't' ? '\t' : bytes[i]);
            const int follow = byte < 0xC0 ? 0 : byte < 0xE0 ? 1 : byte < 0xF0 ? 2 : 3;
            char32_t c = follow ? byte & (0x3F >> follow) : byte;
            for (int k = 0; k < follow; ++k) {
                c = c << 6 | (bytes[++i] & 0x3F);
            }
            part += encoding::Utf16(c);
        }
        for (int n = (*at)[2].matched ? std::stoi((*at)[2]) : 1; n > 0; --n) {
            text += part;
        }
    }
    return text;
}

UserAction Action(const std::string& word) {
    if (word.starts_with('"')) {
        return {{}, "type", Text(word)};
    }
    const std::size_t mark = word.find_first_of("=:");
    const std::string kind = word.substr(0, mark);
    if (kind == "drop" || kind == "middle-click" || kind == "click" || kind == "clipboard") {
        const std::string rest = mark == std::string::npos ? "" : word.substr(mark + 1);
        return {{}, kind, kind == "click" ? std::u16string(rest.begin(), rest.end()) : Text(rest)};
    }
    UserAction chord{{}, "key", {}};
    std::istringstream keys(word);
    for (std::string key; std::getline(keys, key, '+');) {
        chord.keys.push_back(key);
    }
    return chord;
}

WindowState Expected(const std::vector<std::string>& words) {
    std::u16string boxes[5], warning;
    std::string focus, icon;
    int beeps = 0;
    for (const std::string& word : words) {
        const std::string name = word.substr(0, word.find('=')),
                          value = word.substr(std::min(word.size(), name.size() + 1));
        if (name == "Text2") {
            std::u16string results = Text(value) + u" ";
            for (int k = 2; k < 5; ++k) {
                boxes[k] = results.substr(0, results.find(u' '));
                results.erase(0, boxes[k].size() + 1);
            }
        }
        boxes[0] = name == "Text1(0)" ? Text(value) : boxes[0];
        boxes[1] = name == "Text1(1)" ? Text(value) : boxes[1];
        beeps = name == "beeps" ? std::stoi(value) : beeps;
        focus = name == "focus" ? value : focus;
        warning = name == "warning" ? Text(value) : warning;
        icon = name == "icon" ? value : icon;
    }
    const bool closed = std::find(words.begin(), words.end(), "closed") != words.end();
    focus = !focus.empty() ? focus : closed || !warning.empty() ? "none" : "Text1(0)";
    return StateOf(boxes, beeps, focus, warning, icon, closed);
}

// For the log: ASCII as it is, any other character as \uXXXX, and a long text cut short.
std::string Printable(const WindowState& state) {
    std::string out;
    for (char16_t c : state.substr(0, 300)) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return out;
}

}  // namespace

WindowState StateOf(const std::u16string (&boxes)[5], int beeps, const std::string& focus,
                    const std::u16string& warning, const std::string& icon, bool closed) {
    const std::u16string results = boxes[2] + u" " + boxes[3] + u" " + boxes[4];
    const std::string more = " beeps=" + std::to_string(beeps) + " focus=" + focus;
    WindowState state = u"Text1(0)=\"" + boxes[0] + u"\" Text1(1)=\"" + boxes[1] + u"\" Text2=\"" +
                        results + u"\"" + std::u16string(more.begin(), more.end());
    if (!warning.empty()) {
        state += u" warning=\"" + warning + u"\" icon=";
        state.append(icon.begin(), icon.end());
    }
    return closed ? state + u" closed" : state;
}

int RunWindowCases(const std::string& face,
                   const std::function<WindowState(const WindowCase&)>& run) {
    std::ifstream table(BRENVOL_CASES);
    std::vector<WindowCase> cases;
    static const std::regex word(R"re((?:"(?:[^"\\]|\\.)*"|[^\s"])+)re");
    for (std::string line; std::getline(table, line);) {
        std::vector<std::string> words;
        for (std::sregex_iterator at(line.begin(), line.end(), word), end; at != end; ++at) {
            words.push_back(at->str());
        }
        const std::string first = words.empty() ? "" : words[0];
        const std::vector<std::string> rest(words.begin() + !words.empty(), words.end());
        if (first == "case") {
            cases.emplace_back().title = line.substr(line.find_first_not_of(' ', 4));
        } else if (first == "do") {
            std::transform(rest.begin(), rest.end(), std::back_inserter(cases.back().actions),
                           Action);
        } else if (first == "then") {
            cases.back().expected = Expected(rest);
        } else if (first == "not") {
            cases.back().leftOut.push_back(line.substr(line.find(words[1])));
        }
    }
    int failed = 0, ran = 0;
    for (const WindowCase& c : cases) {
        const auto out = std::find_if(c.leftOut.begin(), c.leftOut.end(), [&](const auto& why) {
            const std::string who = why.substr(0, why.find(':'));
            return face == who || face.starts_with(who + "-");
        });
        if (out != c.leftOut.end()) {
            std::cout << "left out: " << c.title << "\n    " << *out << "\n";
        } else if (const WindowState got = (++ran, run(c)); got != c.expected) {
            std::cout << "FAILED: " << c.title << "\n    want " << Printable(c.expected)
                      << "\n    got  " << Printable(got) << "\n";
            ++failed;
        }
    }
    std::cout << face << ": " << ran - failed << " passed, " << failed << " failed" << std::endl;
    return ran == 0 ? -1 : failed;
}

}  // namespace brenvol::test
