// The scenario table run against the page: each operation of the driver goes out on stdout as
// one line, to a Node test that works the real page in a browser and answers on stdin. So the
// page passes the very rows, and checks, that the desktop windows pass.
//
//   web_scenario_pipe list         the rows' names, one a line
//   web_scenario_pipe row INDEX    runs one row; its last line is "done" and what went wrong
//   web_scenario_pipe focus-walk   runs the tab walk likewise
//   web_scenario_pipe layout       the window's name and size, then each control's name and
//                                  place, in pixels, one a line
//
// Each line is words separated by spaces, every word after the first percent-encoded; the
// answers come the same way, each word prefixed with ':' so that an empty word stays one.
#include <algorithm>
#include <array>
#include <cstddef>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "weir/run_error.h"
#include "window/layout.h"
#include "window/tests/scenarios.h"
#include "window/twips.h"

namespace {

using tarvik::testing::Key;
using tarvik::testing::Report;

std::string Encode(std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= 'a' && byte <= 'z') || c == '-' || c == '_' || c == '.';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4U];
            encoded += kHex[byte & 0xFU];
        }
    }
    return encoded;
}

std::string Decode(std::string_view word) {
    std::string text;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '%' && i + 2 < word.size()) {
            text += static_cast<char>(std::stoi(std::string(word.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            text += word[i];
        }
    }
    return text;
}

// The kind of error that the page's dialog names, as weir::ErrorKindName writes it.
weir::ErrorKind KindNamed(const std::string& name) {
    using weir::ErrorKind;
    constexpr std::array kKinds{ErrorKind::Conversion, ErrorKind::Overflow,
                                ErrorKind::DivisionByZero, ErrorKind::InvalidArgument,
                                ErrorKind::ControlFailure};
    const auto* kind = std::find_if(kKinds.begin(), kKinds.end(), [&name](ErrorKind candidate) {
        return name == weir::ErrorKindName(candidate);
    });
    if (kind == kKinds.end()) {
        throw std::runtime_error("the page's dialog names no kind of error: " + name);
    }
    return *kind;
}

std::string KeyName(Key key) {
    switch (key) {
        case Key::Tab:
            return "Tab";
        case Key::BackTab:
            return "Shift+Tab";
        case Key::Return:
            return "Enter";
        case Key::Enter:
            return "NumpadEnter";
        case Key::Escape:
            break;
    }
    return "Escape";
}

class PipeDriver : public tarvik::testing::WindowDriver {
  public:
    void Open(std::string_view decimalSeparator) override { Ask("open", {decimalSeparator}); }
    void Type(std::string_view field, std::string_view text) override {
        Ask("type", {field, text});
    }
    void Click(std::string_view button) override { Ask("click", {button}); }
    void Press(std::string_view control, Key key) override {
        Ask("press", {control, KeyName(key)});
    }
    std::string Focused() override { return One(Ask("focused", {})); }
    std::string Text(std::string_view field) override { return One(Ask("text", {field})); }
    std::vector<std::string> DrawnTexts() override { return Ask("drawn", {}); }
    int RedPixels(bool inMessageStrip) override {
        return std::stoi(One(Ask("red", {inMessageStrip ? "strip" : "below"})));
    }
    void Break(std::string_view field) override { Ask("break", {field}); }
    std::vector<Report> Reports() override {
        const std::vector<std::string> words = Ask("reports", {});
        std::vector<Report> reports;
        for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
            reports.push_back({KindNamed(words[i]), words[i + 1]});
        }
        return reports;
    }
    std::vector<int> Exits() override {
        const std::vector<std::string> words = Ask("exits", {});
        std::vector<int> exits(words.size());
        std::transform(words.begin(), words.end(), exits.begin(),
                       [](const std::string& word) { return std::stoi(word); });
        return exits;
    }

  private:
    static std::vector<std::string> Ask(std::string_view operation,
                                        const std::vector<std::string_view>& words) {
        std::cout << operation;
        for (std::string_view word : words) {
            std::cout << ' ' << Encode(word);
        }
        std::cout << std::endl;
        std::string line;
        if (!std::getline(std::cin, line)) {
            throw std::runtime_error("the page driver gave no answer to " + std::string(operation));
        }
        std::vector<std::string> answer;
        std::size_t start = line.find(':');
        while (start != std::string::npos) {
            const std::size_t end = line.find(' ', start);
            answer.push_back(Decode(std::string_view(line).substr(
                start + 1, end == std::string::npos ? std::string::npos : end - start - 1)));
            start = end == std::string::npos ? end : line.find(':', end);
        }
        return answer;
    }
    static std::string One(const std::vector<std::string>& words) {
        return words.empty() ? std::string() : words.front();
    }
};

void Finish(const std::vector<std::string>& findings) {
    std::cout << "done";
    for (const std::string& finding : findings) {
        std::cout << ' ' << Encode(finding);
    }
    std::cout << std::endl;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto& scenarios = tarvik::testing::Scenarios();
    PipeDriver driver;
    if (args.size() == 1 && args[0] == "list") {
        for (const auto& scenario : scenarios) {
            std::cout << scenario.name << '\n';
        }
    } else if (args.size() == 2 && args[0] == "row") {
        Finish(tarvik::testing::Run(scenarios.at(std::stoul(std::string(args[1]))), driver));
    } else if (args.size() == 1 && args[0] == "focus-walk") {
        Finish(tarvik::testing::RunFocusWalk(driver));
    } else if (args.size() == 1 && args[0] == "layout") {
        std::cout << tarvik::kWindowLayout.name << " 0 0 "
                  << tarvik::TwipsToPixels(tarvik::kWindowLayout.width) << ' '
                  << tarvik::TwipsToPixels(tarvik::kWindowLayout.height) << '\n';
        for (const tarvik::ControlLayout& control : tarvik::kControls) {
            std::cout << control.name << ' ' << tarvik::TwipsToPixels(control.left) << ' '
                      << tarvik::TwipsToPixels(control.top) << ' '
                      << tarvik::TwipsToPixels(control.width) << ' '
                      << tarvik::TwipsToPixels(control.height) << '\n';
        }
    } else {
        std::cerr << "usage: web_scenario_pipe list | row INDEX | focus-walk | layout\n";
        return 2;
    }
    return 0;
}
