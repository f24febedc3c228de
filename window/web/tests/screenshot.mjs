// Renders the pictures of the page for the READMEs in headless Chromium: docs/window-web.png
// on a desktop and docs/window-phone.png on a 360 x 640 phone, each after calculating
// 1000 L/min in the bracket 50–500 mm.
//   node window/web/tests/screenshot.mjs DOCS_FOLDER
import { join } from "node:path";
import { launch, openWindow, SITE } from "./page.mjs";
import { serve } from "./serve.mjs";

const docs = process.argv[2] ?? "docs";
const site = await serve(SITE);
const browser = await launch();
try {
    const shots = [
        // The whole page: the window on its desktop, and the words about it below.
        ["window-web.png", { viewport: { width: 800, height: 600 } }, true],
        ["window-phone.png", { viewport: { width: 360, height: 640 }, isMobile: true,
            hasTouch: true }],
    ];
    for (const [name, options, fullPage = false] of shots) {
        const context = await browser.newContext({ locale: "ja-JP", serviceWorkers: "block",
            ...options });
        const { page } = await openWindow(context, site.url);
        for (const [field, text] of [["Text1", "1000"], ["Text2", "50"], ["Text3", "500"]]) {
            await page.fill(`#${field}`, text);
        }
        await page.click("#Command1");
        await page.screenshot({ path: join(docs, name), fullPage });
        await context.close();
    }
} finally {
    await browser.close();
    await site.close();
}
