// What the page adds to the desktop window: its controls where the layout puts them, its
// accessibility, a phone's screen, the error dialog, installing, working offline, and keeping
// what the user types to itself.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { cp, mkdtemp, readFile, rm, writeFile } from "node:fs/promises";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { countPixels, launchPersistent, openWindow, PIPE, SITE, siteAndBrowser, TAKEN_OVER }
    from "./page.mjs";
import { serve } from "./serve.mjs";

const axePath = createRequire(import.meta.url).resolve("axe-core/axe.min.js");
const axeSource = await readFile(axePath, "utf8");

const shared = siteAndBrowser();

// The service worker written into `folder` as the build writes it, from the files there that
// the worker in it keeps.
async function writeServiceWorker(folder) {
    const web = new URL("../../../app/web/", import.meta.url).pathname;
    const worker = await readFile(join(folder, "sw.js"), "utf8");
    const files = JSON.parse(worker.match(/const FILES = (\[.*?\]);/s)[1]).slice(1);
    execFileSync("cmake", [`-DSITE=${folder}`, `-DFILES=${files.join(";")}`, "-DVERSION=1.00",
        `-DTEMPLATE=${web}sw.js.in`, `-DOUTPUT=${join(folder, "sw.js")}`, "-P",
        `${web}service-worker.cmake`]);
}

async function withWindow(options, body) {
    const context = await shared.browser.newContext({
        locale: "ja-JP", serviceWorkers: "block", ...options,
    });
    try {
        const opened = await openWindow(context, shared.site.url);
        await body(opened.page);
        assert.deepEqual(opened.problems, [], "the page logs no error");
    } finally {
        await context.close();
    }
}

async function calculate(page, flow, minimum, maximum) {
    for (const [field, text] of [["Text1", flow], ["Text2", minimum], ["Text3", maximum]]) {
        await page.fill(`#${field}`, text);
    }
    await page.click("#Command1");
}

// Each control's place and size in pixels against the layout's, as web_scenario_pipe reads it.
async function assertPlacesOfLayout(page) {
    const rows = execFileSync(PIPE, ["layout"], { encoding: "utf8" }).trimEnd().split("\n");
    const origin = await page.locator("#TARVIK").boundingBox();
    for (const row of rows) {
        const [name, ...place] = row.split(" ");
        const box = await page.locator(`#${name}`).boundingBox();
        assert.deepEqual([box.x - origin.x, box.y - origin.y, box.width, box.height]
            .map(Math.round), place.map(Number), name);
    }
}

test("every control stands where the layout puts it, labelled, on a page in Japanese",
    async () => {
        await withWindow({}, async (page) => {
            assert.equal(await page.title(), "\u300090°堰の越流高さ");
            assert.equal(await page.getAttribute("html", "lang"), "ja");
            await assertPlacesOfLayout(page);
            const tree = await page.locator("#TARVIK").ariaSnapshot();
            for (const field of ["流量(L/min)", "解の挟込最小値(mm)", "最大値(mm)",
                "越流高さ(mm)", "Trial回数"]) {
                assert.match(tree, new RegExp(`textbox "${field.replace(/[()]/g, "\\$&")}"`));
            }
            assert.match(tree, /button "計算"/);
            assert.match(tree, /button "クリヤ"/);
            assert.deepEqual(await page.$$eval("input[inputmode=decimal]",
                (fields) => fields.map((field) => field.id)), ["Text1", "Text2", "Text3"]);
        });
    });

test("the window stands, busy, with the caret in 流量, before its WebAssembly arrives",
    async () => {
        const context = await shared.browser.newContext({
            locale: "ja-JP", serviceWorkers: "block",
        });
        try {
            const page = await context.newPage();
            await page.route("**/tarvik.wasm", () => {});  // never answered
            await page.goto(shared.site.url, { waitUntil: "domcontentloaded" });
            await page.waitForFunction(() => document.activeElement?.id === "Text1");
            assert.equal(await page.getAttribute("#TARVIK", "aria-busy"), "true");
            await assertPlacesOfLayout(page);
        } finally {
            await context.close();
        }
    });

test("axe-core finds no violation of WCAG 2.1 A and AA, before and after a message, light and dark",
    async () => {
        for (const colorScheme of ["light", "dark"]) {
            await withWindow({ colorScheme }, async (page) => {
                // The page's policy forbids inline scripts; axe goes in through the test's own
                // channel.
                await page.evaluate(axeSource);
                const audit = () => page.evaluate(async () => (await window.axe.run(document, {
                    runOnly: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"],
                })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(", ")}`));
                assert.deepEqual(await audit(), [], colorScheme);
                await calculate(page, "1000", "200", "500");
                assert.deepEqual(await audit(), [], colorScheme);
            });
        }
    });

// Whether a CSS colour rgb(r, g, b) is dark (every channel low) or light (every channel high);
// how well the texts read on it is axe-core's to check.
function shade(colour) {
    const channels = colour.match(/\d+/g).map(Number);
    return channels.every((value) => value < 64) ? "dark"
        : channels.every((value) => value > 192) ? "light" : colour;
}

test("a desktop shows the window in its frame, centred, with what TARVIK is below it",
    async () => {
        for (const colorScheme of ["light", "dark"]) {
            await withWindow({ colorScheme, viewport: { width: 1000, height: 700 } },
                async (page) => {
                    assert.equal(await page.textContent("#caption"), "\u300090°堰の越流高さ");
                    assert.ok(await page.$eval("#caption img",
                        (icon) => icon.complete && icon.naturalWidth > 0), "the icon shows");
                    const frame = await page.locator("#frame").boundingBox();
                    assert.ok(Math.abs(frame.x + frame.width / 2 - 500) <= 1, "centred");
                    const about = await page.locator("#about").boundingBox();
                    assert.ok(about.y >= frame.y + frame.height, "the words stand below");
                    assert.match(await page.textContent("#about"), /TARVIK 1\.00.*MIT/s);
                    const [page_, window_] = await page.evaluate(() => [
                        getComputedStyle(document.documentElement).backgroundColor,
                        getComputedStyle(document.getElementById("TARVIK")).backgroundColor]);
                    assert.equal(shade(page_), colorScheme, "the page around the window");
                    assert.equal(window_, "rgb(192, 192, 192)", "the window keeps its grey");
                    assert.doesNotMatch(await page.getAttribute(
                        "meta[http-equiv=Content-Security-Policy]", "content"), /unsafe-inline/);
                    // The keyboard leaves the window, whose Tab wraps, to the page's text.
                    await page.focus("#Text2");
                    await page.keyboard.press("Escape");
                    assert.equal(await page.evaluate(() => document.activeElement.id), "notes");
                });
        }
    });

test("the red message is read out as a live region", async () => {
    await withWindow({}, async (page) => {
        assert.equal(await page.getAttribute("#surface", "role"), "status");
        await calculate(page, "1000", "200", "500");
        assert.match(await page.locator("#surface").ariaSnapshot(),
            /status: 解がありません。挟込範囲を変更して下さい。/);
    });
});

test("an error's dialog names its kind, shows its severity, and gives the focus back",
    async () => {
        const rows = [
            // What is typed, or the field taken away; the kind and severity the dialog shows.
            [["abc", "50", "500"], null, "conversion", "warning"],
            [["1000", "50", "500"], "Text4", "control failure", "critical"],
        ];
        for (const [typed, broken, kind, severity] of rows) {
            await withWindow({}, async (page) => {
                if (broken) await page.$eval(`#${broken}`, (field) => field.remove());
                await calculate(page, ...typed);
                assert.equal(await page.evaluate(() => document.activeElement.id), "message-ok");
                assert.deepEqual(await page.$eval("#message", (dialog) =>
                    [dialog.dataset.kind, dialog.dataset.severity]), [kind, severity]);
                assert.equal(await page.$eval("#message .icon", (icon) =>
                    getComputedStyle(icon, "::before").content), severity === "warning"
                    ? '"!"' : '"×"');
                await page.keyboard.press("Enter");
                assert.equal(await page.$eval("#message", (dialog) => dialog.open), false);
                if (broken) return;
                assert.match(await page.textContent("#message-text"), /「流量\(L\/min\)」/);
                assert.equal(await page.evaluate(() => document.activeElement.id), "Command1");
                assert.equal(await page.inputValue("#Text1"), "abc");
            });
        }
    });

test("a 360 x 640 phone shows the whole window as wide as it is, and taps work", async () => {
    await withWindow({ viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true,
        deviceScaleFactor: 2 }, async (page) => {
        const box = await page.locator("#TARVIK").boundingBox();
        assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 360 &&
            box.y + box.height <= 640, JSON.stringify(box));
        const frame = await page.locator("#frame").boundingBox();
        assert.ok(Math.abs(frame.width - 360) <= 1, `the frame fills the width: ${frame.width}`);
        // Below the window the page's own background runs to the screen's bottom edge.
        const bottom = await page.screenshot({ clip: { x: 0, y: 600, width: 360, height: 40 } });
        assert.equal(await countPixels(page, bottom, [[250, 255], [250, 255], [250, 255]]), 0,
            "no white at the bottom");
        assert.ok(await page.evaluate(() =>
            document.documentElement.scrollWidth <= window.innerWidth), "no sideways scroll");
        for (const [field, text] of [["Text1", "1000"], ["Text2", "50"], ["Text3", "500"]]) {
            await page.tap(`#${field}`);
            await page.keyboard.insertText(text);
        }
        await page.tap("#Command1");
        assert.equal(await page.inputValue("#Text4"), "170.74");
        assert.equal(await page.inputValue("#Text5"), "12");
    });
});

test("installable, offline after the first visit with the notes, and a new version replaces the cache",
    async () => {
        // A copy of the site, whose service worker the test can then update.
        const folder = await mkdtemp(join(tmpdir(), "tarvik-site-"));
        await cp(SITE, folder, { recursive: true });
        const site = await serve(folder);
        const context = await launchPersistent(join(folder, "profile"), { locale: "ja-JP" });
        try {
            const { page, problems } = await openWindow(context, site.url);
            await page.evaluate(() => navigator.serviceWorker.ready);
            await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
            const cdp = await context.newCDPSession(page);
            assert.deepEqual(
                (await cdp.send("Page.getInstallabilityErrors")).installabilityErrors, []);
            const served = site.requests.length;
            await context.setOffline(true);
            await page.reload();
            await page.waitForFunction(TAKEN_OVER);
            await calculate(page, "1000", "50", "500");
            assert.equal(await page.inputValue("#Text4"), "170.74");
            // The notes on the weir law, with their plot and table, are kept too.
            await page.click("#notes");
            await page.waitForLoadState("load");
            assert.match(await page.textContent("h1"), /^The weir law TARVIK uses/);
            assert.ok(await page.$eval("img[src='weir-law.png']",
                (plot) => plot.complete && plot.naturalWidth > 0), "the plot shows");
            assert.equal(await page.locator("tbody tr").count(), 11);
            await page.goBack();
            await page.waitForFunction(TAKEN_OVER);
            assert.equal(site.requests.length, served, "the server heard nothing offline");

            // The site rebuilt with one file changed and the same version: the build names
            // the cache anew, and the browser's new worker takes over from the old.
            const caches = () => page.evaluate(() => caches.keys());
            const [cache] = await caches();
            await writeFile(join(folder, "tarvik.css"),
                `${await readFile(join(folder, "tarvik.css"), "utf8")}\n`);
            await writeServiceWorker(folder);
            const [next] = (await readFile(join(folder, "sw.js"), "utf8"))
                .match(/tarvik-[^"]+/);
            assert.notEqual(next, cache);
            await context.setOffline(false);
            await page.reload();
            let names = [];
            for (let tries = 0; tries < 100 && names.join() !== next; ++tries) {
                await page.waitForTimeout(100);
                names = await caches();
            }
            assert.deepEqual(names, [next]);
            assert.deepEqual(problems, []);
        } finally {
            await context.close();
            await site.close();
            await rm(folder, { recursive: true, force: true });
        }
    });

test("nothing leaves the page after loading, and nothing is stored", async () => {
    await withWindow({}, async (page) => {
        const requests = [];
        page.on("request", (request) => requests.push(request.url()));
        await calculate(page, "1000", "50", "500");
        await calculate(page, "abc", "50", "500");
        await page.keyboard.press("Enter");
        await page.click("#Command2");
        assert.deepEqual(requests, []);
        assert.deepEqual(await page.context().cookies(), []);
        assert.deepEqual(await page.evaluate(() => [localStorage.length, sessionStorage.length]),
            [0, 0]);
    });
});
