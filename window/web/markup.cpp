// The window TARVIK as the page's HTML and stylesheet, from the shared layout.
#include "window/web/markup.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "window/font_fit.h"
#include "window/layout.h"
#include "window/tab_order.h"
#include "window/twips.h"

namespace tarvik {

namespace {

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char character : text) {
        switch (character) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += character;
        }
    }
    return escaped;
}

std::string Place(int left, int top, int width, int height) {
    return "left: " + CssPixels(left) + "; top: " + CssPixels(top) +
           "; width: " + CssPixels(width) + "; height: " + CssPixels(height) + ";";
}

bool IsInputField(std::string_view name) {
    return name == FieldName(weir::Field::Text1) || name == FieldName(weir::Field::Text2) ||
           name == FieldName(weir::Field::Text3);
}

}  // namespace

std::string CssPixels(int twips) {
    return std::to_string(TwipsToPixels(twips)) + "px";
}

std::string CssPoints(int halfPoints) {
    return std::to_string(halfPoints / 2) + (halfPoints % 2 == 0 ? "pt" : ".5pt");
}

std::string CssColour(weir::Colour colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02X%02X%02X", colour & 0xFFU, (colour >> 8U) & 0xFFU,
                  (colour >> 16U) & 0xFFU);
    return text.data();
}

std::string WindowMarkup() {
    std::string html = "<main id=\"" + std::string(kWindowLayout.name) + "\" aria-label=\"" +
                       Escaped(kWindowLayout.caption) + "\" aria-busy=\"true\">\n";
    // The background surface lies beneath the controls; what is drawn on it is read out.
    html += "<div id=\"surface\" role=\"status\"></div>\n";
    const std::string_view first = FieldName(weir::Field::Text1);
    // In tab order, so that the page's own Tab walks the fields as the desktop window does.
    const TabOrder order;
    for (const std::string_view name : order.Order()) {
        const ControlLayout& layout = *FindControl(name);
        const std::string id = "id=\"" + std::string(name) + "\"";
        switch (layout.kind) {
            case ControlKind::TextField:
                html += "<input " + id + R"( class="control" type="text" autocomplete="off")" +
                        " spellcheck=\"false\"" +
                        (IsInputField(name) ? " inputmode=\"decimal\"" : "") +
                        (name == first ? " autofocus" : "") + ">\n";
                break;
            case ControlKind::Button:
                html += "<button " + id + R"( class="control" type="button">)" +
                        Escaped(layout.caption) + "</button>\n";
                break;
            case ControlKind::Label:
                html +=
                    layout.buddy != nullptr
                        ? "<label " + id + R"( class="label" for=")" + layout.buddy + "\">" +
                              Escaped(layout.caption) + "</label>\n"
                        : "<div " + id + " class=\"label\">" + Escaped(layout.caption) + "</div>\n";
                break;
        }
    }
    return html + "</main>";
}

std::string WindowStyle() {
    std::string css = "#" + std::string(kWindowLayout.name) + " { " +
                      Place(0, 0, kWindowLayout.width, kWindowLayout.height) +
                      " background-color: " + CssColour(kWindowLayout.background) +
                      "; font-family: " + kFontFamilies +
                      "; font-size: " + CssPoints(kDesignedHalfPoints) + "; }\n";
    for (const ControlLayout& layout : kControls) {
        css += "#" + std::string(layout.name) + " { " +
               Place(layout.left, layout.top, layout.width, layout.height);
        if (layout.background) {
            css += " background-color: " + CssColour(*layout.background) + ";";
        }
        if (layout.text) {
            css += " color: " + CssColour(*layout.text) + ";";
        }
        css += " }\n";
    }
    return css;
}

}  // namespace tarvik
