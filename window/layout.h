// What the window TARVIK holds when it is created: caption, size, colours and its thirteen
// controls with their captions, places, sizes and tab indexes. Places are in twips from the
// top-left corner of the client area.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "weir/window_port.h"

namespace tarvik {

enum class ControlKind { Label, TextField, Button };

struct ControlLayout {
    const char* name = nullptr;
    ControlKind kind = ControlKind::Label;
    const char* caption = "";  // UTF-8
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<weir::Colour> background;
    std::optional<weir::Colour> text;
    const char* buddy = nullptr;  // the field a label names, so that it is read out with it
};

struct WindowLayout {
    const char* name;
    const char* caption;  // UTF-8; opens with an ideographic space
    int width;            // of the client area
    int height;
    weir::Colour background;
    weir::Colour surfaceText;  // the first colour of text drawn on the background
};

inline constexpr WindowLayout kWindowLayout{
    "TARVIK", "\u300090°堰の越流高さ", 3600, 4290, 0x00C0C0C0, 0x000000FF,
};

inline constexpr weir::Colour kLabelBackground = 0x00C0C0C0;

// In the order of their tab indexes as created.
inline constexpr std::array<ControlLayout, 13> kControls{{
    {"Label2", ControlKind::Label, "流量(L/min)", 360, 480, 975, 255, kLabelBackground,
     std::nullopt, "Text1"},
    {"Label3", ControlKind::Label, "解の挟込最小値(mm)", 360, 960, 1095, 615, kLabelBackground,
     std::nullopt, "Text2"},
    {"Text1", ControlKind::TextField, "", 1560, 360, 1215, 375, std::nullopt, std::nullopt,
     nullptr},
    {"Text2", ControlKind::TextField, "", 1560, 960, 1215, 375, std::nullopt, std::nullopt,
     nullptr},
    {"Command1", ControlKind::Button, "計算", 360, 2280, 1215, 495, std::nullopt, std::nullopt,
     nullptr},
    {"Command2", ControlKind::Button, "クリヤ", 2040, 2280, 1215, 495, std::nullopt, std::nullopt,
     nullptr},
    {"Label4", ControlKind::Label, "最大値(mm)", 360, 1680, 1095, 255, kLabelBackground,
     std::nullopt, "Text3"},
    {"Text3", ControlKind::TextField, "", 1560, 1560, 1215, 375, std::nullopt, std::nullopt,
     nullptr},
    // The head's own colour is black, as its text: the field's text stays black on white.
    {"Text4", ControlKind::TextField, "", 1560, 3120, 1215, 375, std::nullopt, 0x00000000, nullptr},
    {"Label5", ControlKind::Label, "越流高さ(mm)", 360, 3240, 1215, 255, kLabelBackground,
     std::nullopt, "Text4"},
    // Light magenta would be faint as text, so the trial count gets it as its background.
    {"Text5", ControlKind::TextField, "", 3120, 3840, 375, 270, 0x00FF80FF, std::nullopt, nullptr},
    {"Label1", ControlKind::Label, "Trial回数", 2280, 3840, 855, 255, kLabelBackground,
     std::nullopt, "Text5"},
    {"Label6", ControlKind::Label, "適用範囲\u3000\u3000  \u3000越流高さ >50mm", 360, 3720, 1335,
     495, kLabelBackground, 0x00FF0000, nullptr},
}};

// The names of the fields that the Calculate action reads and writes, by weir::Field.
inline constexpr std::array<const char*, 5> kFieldNames{"Text1", "Text2", "Text3", "Text4",
                                                        "Text5"};

constexpr std::string_view FieldName(weir::Field field) {
    return kFieldNames.at(static_cast<std::size_t>(field));
}

// The control of that name, or nullptr when the window has none.
constexpr const ControlLayout* FindControl(std::string_view name) {
    const auto* found =
        std::find_if(kControls.begin(), kControls.end(),
                     [name](const ControlLayout& control) { return name == control.name; });
    return found == kControls.end() ? nullptr : found;
}

// The strip above the topmost control, where the Calculate action's message stands and
// nothing covers it, in twips from the top of the client area.
inline constexpr int kMessageStripHeight =
    std::min_element(kControls.begin(), kControls.end(),
                     [](const ControlLayout& a, const ControlLayout& b) { return a.top < b.top; })
        ->top;

// True for the three fields the user types numbers into.
constexpr bool IsInputField(std::string_view name) {
    return std::any_of(weir::kInputFields.begin(), weir::kInputFields.end(),
                       [name](weir::Field field) { return FieldName(field) == name; });
}

// Labels take part in the tab numbering but never take the focus.
constexpr bool TakesFocus(const ControlLayout& control) {
    return control.kind != ControlKind::Label;
}

// The caption of the label that names `field`, as the user reads it beside the field.
constexpr std::string_view CaptionOf(weir::Field field) {
    const auto* label =
        std::find_if(kControls.begin(), kControls.end(), [field](const ControlLayout& control) {
            return control.buddy != nullptr && FieldName(field) == control.buddy;
        });
    return label == kControls.end() ? FieldName(field) : label->caption;
}

// Where a window of `windowExtent` starts so that it stands centred on a screen of
// `screenExtent`: nothing clamps it, so a window larger than the screen starts before it.
constexpr int CentredStart(int screenExtent, int windowExtent) {
    return (screenExtent - windowExtent) / 2;
}

}  // namespace tarvik
