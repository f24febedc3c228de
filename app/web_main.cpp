// The program's start on a web page: build the window TARVIK into the page, and let the
// service worker keep the site for use offline.
#include <emscripten/val.h>

#include "window/web/main_window.h"

int main() {
    using emscripten::val;
    // The window answers the page's events after main returns, as long as the page is open.
    static tarvik::WebWindow window(val::global("document")["body"]);
    // Browsers offer the service worker to secure pages only (https, or localhost).
    const val serviceWorker = val::global("navigator")["serviceWorker"];
    if (!serviceWorker.isUndefined()) {
        serviceWorker.call<val>("register", std::string("sw.js"));
    }
    return 0;
}
