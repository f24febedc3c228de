// Prints the window's HTML (`page_markup html`) or its stylesheet (`page_markup css`) for the
// build to put into the site's page and stylesheet.
#include <cstdio>
#include <string_view>

#include "window/web/markup.h"

int main(int argc, char** argv) {
    const std::string_view what = argc == 2 ? argv[1] : "";
    if (what != "html" && what != "css") {
        std::fputs("usage: page_markup html|css\n", stderr);
        return 2;
    }
    std::fputs((what == "html" ? tarvik::WindowMarkup() : tarvik::WindowStyle()).c_str(), stdout);
    std::fputs("\n", stdout);
    return 0;
}
