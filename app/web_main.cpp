// The program's start on a web page: take over the window TARVIK that the page shows, and let
// the service worker keep the site for use offline.
#include <emscripten/val.h>

#include "window/web/main_window.h"

int main() {
    using emscripten::val;
    // The window answers the page's events after main returns, as long as the page is open:
    // it lives here, in one place, for the page's life.
    static tarvik::web::Window window;
    // Browsers offer the service worker to secure pages only (https, or localhost).
    const val serviceWorker = val::global("navigator")["serviceWorker"];
    if (!serviceWorker.isUndefined()) {
        serviceWorker.call<val>("register", std::string("sw.js"));
    }
    return 0;
}
