// Debian's Chromium driven headless by Playwright, Debian's Firefox ESR by Puppeteer over
// WebDriver BiDi (Playwright speaks to Firefox only through a build of its own), and a driver
// that works the page as a user does, with real key presses and clicks, answering the
// operations of web_scenario_pipe.
import { chromium } from "playwright-core";
import puppeteer from "puppeteer-core";
import { after, before } from "node:test";
import { serve } from "./serve.mjs";

export const SITE = process.env.TARVIK_SITE ?? "build-web/site";
export const PIPE = process.env.TARVIK_PIPE ?? "build-core/window/web/tests/web_scenario_pipe";
const CHROMIUM = process.env.TARVIK_CHROMIUM ?? "/usr/bin/chromium";
const FIREFOX = process.env.TARVIK_FIREFOX ?? "/usr/bin/firefox-esr";

export const CHROMIUM_ARGS = ["--no-sandbox", "--disable-gpu", "--disable-quic",
    "--no-first-run", "--disable-background-networking", "--disable-component-update",
    "--disable-sync"];

// The window's first row of controls starts 360 twips down, 24 pixels at 15 twips a pixel.
const MESSAGE_STRIP_PIXELS = 24;

export function launch() {
    return chromium.launch({ executablePath: CHROMIUM, args: CHROMIUM_ARGS });
}

// A Puppeteer page with the few calls of Playwright's that the driver makes.
function likePlaywright(page) {
    const keyboard = page.keyboard;
    const press = keyboard.press.bind(keyboard);
    keyboard.insertText = async (text) => {
        for (const character of text) await keyboard.sendCharacter(character);
    };
    // Puppeteer has no numeric keypad's Enter; the page sees the same key, "Enter", from both.
    const keys = { NumpadEnter: "Enter" };
    keyboard.press = async (combination) => {
        const [pressed, ...modifiers] = combination.split("+").reverse();
        const key = keys[pressed] ?? pressed;
        for (const modifier of modifiers) await keyboard.down(modifier);
        await press(key);
        for (const modifier of modifiers) await keyboard.up(modifier);
    };
    page.locator = (selector) => ({
        screenshot: async () => Buffer.from(await (await page.$(selector)).screenshot()),
    });
    return page;
}

// Firefox ESR in Japanese and in German, one browser each, since Firefox takes its language
// from the profile; newContext() and close() as Playwright's browser has them.
export async function launchFirefox() {
    const browsers = {};
    for (const locale of ["ja-JP", "de-DE"]) {
        browsers[locale] = await puppeteer.launch({
            browser: "firefox", executablePath: FIREFOX, headless: true,
            extraPrefsFirefox: { "intl.accept_languages": locale, "intl.locale.requested": locale },
        });
    }
    return {
        async newContext({ locale }) {
            const context = await browsers[locale].createBrowserContext();
            return {
                newPage: async () => likePlaywright(await context.newPage()),
                close: () => context.close(),
            };
        },
        close: () => Promise.all(Object.values(browsers).map((browser) => browser.close())),
    };
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

// The page shows the window with the caret in the first field; the program has taken it over
// once the window is no longer busy.
export const TAKEN_OVER = () => document.activeElement?.id === "Text1" &&
    !document.getElementById("TARVIK").hasAttribute("aria-busy");

// A page of the site, loaded, with the window taken over and the caret in the first field.
export async function openWindow(context, url) {
    const page = await context.newPage();
    const problems = [];
    page.on("console", (message) => {
        if (message.type() === "error") problems.push(message.text());
    });
    page.on("pageerror", (error) => problems.push(String(error)));
    await page.goto(url);
    await page.waitForFunction(TAKEN_OVER);
    return { page, problems };
}

// How many pixels of the PNG `png`, in its rows from `top` to before `bottom`, have each
// channel (red, green, blue) within its range in `ranges`, counted by the browser's decoder.
export function countPixels(page, png, ranges, top = 0, bottom = Infinity) {
    return page.evaluate(async ([data, ranges, top, bottom]) => {
        const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
        const image = await createImageBitmap(new Blob([bytes]));
        const canvas = new OffscreenCanvas(image.width, image.height);
        const context = canvas.getContext("2d");
        context.drawImage(image, 0, 0);
        const end = Math.min(bottom ?? image.height, image.height);
        const { data: pixels } = context.getImageData(0, top, image.width, Math.max(0, end - top));
        let count = 0;
        for (let i = 0; i < pixels.length; i += 4) {
            if (ranges.every(([low, high], channel) =>
                pixels[i + channel] >= low && pixels[i + channel] <= high)) {
                ++count;
            }
        }
        return count;
    }, [Buffer.from(png).toString("base64"), ranges, top, bottom]);
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
        const shown = await this.page.$eval("#message", (dialog) => dialog.open
            ? [dialog.dataset.kind, dialog.querySelector("#message-text").textContent] : null);
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
                // The window's own pixels, as a screenshot; the page's red is darkened to be
                // read easily on the silver.
                const png = await page.locator("#TARVIK").screenshot();
                const strip = words[0] === "strip";
                return [String(await countPixels(page, png, [[140, 255], [0, 60], [0, 60]],
                    strip ? 0 : MESSAGE_STRIP_PIXELS, strip ? MESSAGE_STRIP_PIXELS : Infinity))];
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
