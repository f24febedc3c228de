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

std::string Id(std::string_view id) {
    return "id=\"" + std::string(id) + "\"";
}

// Every dialog face, since the page may run on any system, then the browser's own sans-serif.
std::string FontFamilies() {
    std::string families;
    for (const DialogFace& face : kDialogFaces) {
        families += "\"" + std::string(face.family) + "\", ";
    }
    return families + "sans-serif";
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
    // The title bar's caption names the window for assistive technology too.
    std::string html = "<div " + Id(kFrameId) + " class=\"" + kFacesClass +
                       "\">\n<h1 id=\"caption\" class=\"titlebar\">" +
                       R"(<img src="tarvik.svg" alt="" width="16" height="16">)" +
                       Escaped(kWindowLayout.caption) + "</h1>\n<main " + Id(kWindowLayout.name) +
                       R"( aria-labelledby="caption" aria-busy="true">)" + "\n";
    // The background surface lies beneath the controls; what is drawn on it is read out.
    html += "<div " + Id(kSurfaceId) + " role=\"status\"></div>\n";
    const std::string_view first = FieldName(weir::Field::Text1);
    // In tab order, so that the page's own Tab walks the fields as the desktop window does.
    const TabOrder order;
    for (const std::string_view name : order.Order()) {
        const ControlLayout& layout = *FindControl(name);
        const std::string id = Id(name);
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
    // The icon, drawn by the stylesheet, shows the severity as a desktop box's does.
    return html + "</main>\n</div>\n<dialog " + Id(kErrorDialogId) + " class=\"" + kFacesClass +
           "\"" + R"( aria-labelledby="message-caption" aria-describedby=")" + kErrorTextId +
           R"(">)" + "\n<div id=\"message-caption\" class=\"titlebar\">" +
           Escaped(kWindowLayout.name) + "</div>\n<form method=\"dialog\">\n" +
           R"(<span class="icon" aria-hidden="true"></span>)" + "\n<p " + Id(kErrorTextId) +
           "></p>\n<button id=\"message-ok\">OK</button>\n</form>\n</dialog>";
}

std::string WindowStyle() {
    // Only where text stands in them: a browser looks each face up at every size and weight
    // it meets, and the page's root and body would cost it two more searches of its fonts.
    std::string css = "." + std::string(kFacesClass) + " { font-family: " + FontFamilies() +
                      "; }\n#" + kWindowLayout.name + " { " +
                      Place(0, 0, kWindowLayout.width, kWindowLayout.height) +
                      " background-color: " + CssColour(kWindowLayout.background) +
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
