// Debian's Chromium driven headless by Playwright, and a driver that works the page as a user
// does, with real key presses and clicks, answering the operations of web_scenario_pipe.
import { chromium } from "playwright-core";
import { after, before } from "node:test";
import { inflateSync } from "node:zlib";
import { serve } from "./serve.mjs";

export const SITE = process.env.TARVIK_SITE ?? "build-web/site";
export const PIPE = process.env.TARVIK_PIPE ?? "build-core/window/web/tests/web_scenario_pipe";
const CHROMIUM = process.env.TARVIK_CHROMIUM ?? "/usr/bin/chromium";

export const CHROMIUM_ARGS = ["--no-sandbox", "--disable-gpu", "--disable-quic",
    "--no-first-run", "--disable-background-networking", "--disable-component-update",
    "--disable-sync"];

// The window's first row of controls starts 360 twips down, 24 pixels at 15 twips a pixel.
const MESSAGE_STRIP_PIXELS = 24;

export function launch() {
    return chromium.launch({ executablePath: CHROMIUM, args: CHROMIUM_ARGS });
}

// The site served and a browser started before a test file's tests, and both stopped after.
export function siteAndBrowser() {
    const shared = { site: null, browser: null };
    before(async () => {
        shared.site = await serve(SITE);
        shared.browser = await launch();
    });
    after(async () => {
        await shared.browser?.close();
        await shared.site?.close();
    });
    return shared;
}

export function launchPersistent(profile, options = {}) {
    return chromium.launchPersistentContext(profile,
        { executablePath: CHROMIUM, args: CHROMIUM_ARGS, ...options });
}

// A page of the site, loaded, with the window shown and the caret in the first field.
export async function openWindow(context, url) {
    const page = await context.newPage();
    const problems = [];
    page.on("console", (message) => {
        if (message.type() === "error") problems.push(message.text());
    });
    page.on("pageerror", (error) => problems.push(String(error)));
    await page.goto(url);
    await page.waitForFunction(() => document.activeElement?.id === "Text1");
    return { page, problems };
}

// The RGBA pixels of a PNG as Chromium writes it: 8 bits a channel, not interlaced.
export function decodePng(png) {
    let offset = 8;
    let width = 0;
    let height = 0;
    let channels = 0;
    const data = [];
    while (offset < png.length) {
        const length = png.readUInt32BE(offset);
        const type = png.toString("latin1", offset + 4, offset + 8);
        const body = png.subarray(offset + 8, offset + 8 + length);
        if (type === "IHDR") {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            channels = { 2: 3, 6: 4 }[body[9]];
            if (body[8] !== 8 || !channels || body[12] !== 0) throw new Error("unexpected PNG");
        } else if (type === "IDAT") {
            data.push(body);
        }
        offset += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(width * height * 4, 255);
    let previous = Buffer.alloc(stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
        for (let i = 0; i < stride; ++i) {
            const left = i >= channels ? line[i - channels] : 0;
            const up = previous[i];
            const upLeft = i >= channels ? previous[i - channels] : 0;
            const p = left + up - upLeft;
            const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
            const paeth = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
            line[i] += [0, left, up, (left + up) >> 1, paeth][filter];
        }
        for (let x = 0; x < width; ++x) {
            line.copy(pixels, (y * width + x) * 4, x * channels, x * channels + channels);
        }
        previous = line;
    }
    return { width, height, pixels };
}

function isAscii(text) {
    return /^[\x20-\x7e]*$/.test(text);
}

// Answers the operations of WindowDriver (window/tests/scenarios.h) on a real page.
export class PageDriver {
    constructor(browser, url) {
        this.browser = browser;
        this.url = url;
        this.context = null;
        this.page = null;
        this.reports = [];
        this.problems = [];
    }

    async close() {
        await this.context?.close();
    }

    // A dialog that an action opened is read and closed with Enter, as the user would.
    async noteDialog() {
        const shown = await this.page.$eval("#message", (dialog) =>
            dialog.open ? [dialog.dataset.kind, dialog.textContent.trim()] : null);
        if (shown) {
            this.reports.push(shown);
            await this.page.keyboard.press("Enter");
            await this.page.waitForFunction(() => !document.getElementById("message").open);
        }
    }

    async answer(operation, words) {
        const page = this.page;
        switch (operation) {
            case "open": {
                await this.close();
                // A browser in a language that writes a decimal comma, for the user who does.
                this.context = await this.browser.newContext({
                    locale: words[0] === "," ? "de-DE" : "ja-JP",
                    serviceWorkers: "block",
                });
                this.reports = [];
                ({ page: this.page, problems: this.problems } =
                    await openWindow(this.context, this.url));
                return [];
            }
            case "type":
                await page.focus(`#${words[0]}`);
                if (isAscii(words[1])) {
                    await page.keyboard.type(words[1]);
                } else {
                    // As a Japanese input method commits what it composed.
                    await page.keyboard.insertText(words[1]);
                }
                return [];
            case "click":
                await page.click(`#${words[0]}`);
                await this.noteDialog();
                return [];
            case "press":
                await page.focus(`#${words[0]}`);
                await page.keyboard.press(words[1]);
                await this.noteDialog();
                return [];
            case "focused":
                return [await page.evaluate(() => document.activeElement?.id ?? "")];
            case "text":
                return [await page.$eval(`#${words[0]}`, (field) => field.value)];
            case "drawn":
                return page.$$eval("#surface .drawn", (lines) => lines.map((l) => l.textContent));
            case "red": {
                const shot = decodePng(await page.locator("#TARVIK").screenshot());
                let red = 0;
                for (let y = 0; y < shot.height; ++y) {
                    if ((y < MESSAGE_STRIP_PIXELS) !== (words[0] === "strip")) continue;
                    for (let x = 0; x < shot.width; ++x) {
                        const [r, g, b] = shot.pixels.subarray((y * shot.width + x) * 4);
                        // The page's red is darkened to be read easily on the silver.
                        if (r >= 140 && g <= 60 && b <= 60) ++red;
                    }
                }
                return [String(red)];
            }
            case "break":
                await page.$eval(`#${words[0]}`, (field) => field.remove());
                return [];
            case "reports":
                return this.reports.flat();
            case "exits":
                return page.$$eval("#ended", (notes) => notes.map((n) => n.dataset.status));
            default:
                throw new Error(`unknown operation ${operation}`);
        }
    }
}
