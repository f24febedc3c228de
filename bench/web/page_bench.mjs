// What the page costs, measured in headless Chromium: the bytes of every file fetched on the
// first visit, gzip-compressed as a server would send them; the time from navigation until
// the window is painted with the caret in 流量, against a plain static page with the same
// thirteen controls and no WebAssembly (bench/web/plain/); and the time of one Calculate click.
//   node bench/web/page_bench.mjs [RUNS]      (after scripts/build-web and npm ci)
import { gzipSync } from "node:zlib";
import { fileURLToPath } from "node:url";
import { launch, SITE, TAKEN_OVER } from "../../window/web/tests/page.mjs";
import { serve } from "../../window/web/tests/serve.mjs";

const runs = Number(process.argv[2] ?? 30);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const site = await serve(SITE);
const plain = await serve(fileURLToPath(new URL("plain/", import.meta.url)));
const browser = await launch();
try {
    const fresh = async () => {
        const context = await browser.newContext({ locale: "ja-JP", serviceWorkers: "block" });
        return { context, page: await context.newPage() };
    };

    // Every response of a first visit that has the window ready, compressed.
    {
        const { context, page } = await fresh();
        const sizes = [];
        page.on("response", async (response) => {
            const body = await response.body().catch(() => Buffer.alloc(0));
            sizes.push([new URL(response.url()).pathname, body.length,
                gzipSync(body, { level: 9 }).length]);
        });
        await page.goto(site.url);
        await page.waitForFunction(TAKEN_OVER);
        await page.waitForTimeout(500);
        let total = 0;
        for (const [path, size, gzipped] of sizes) {
            console.log(`  ${path.padEnd(24)} ${String(size).padStart(8)} B  gzip ${gzipped} B`);
            total += gzipped;
        }
        console.log(`load: ${sizes.length} files, ${(total / 1024).toFixed(1)} KiB gzip ` +
            "(target at most 100 KB)");
        await context.close();
    }

    // Milliseconds from navigation until a frame shows the caret in Text1, and, for TARVIK,
    // until the program has taken the window over (the plain page has nothing to take over).
    const ready = async (url, takeOver) => {
        const { context, page } = await fresh();
        await page.goto(url, { waitUntil: "commit" });
        const times = [await (await page.waitForFunction(
            () => document.activeElement?.id === "Text1" && performance.now(), null,
            { polling: "raf" })).jsonValue()];
        if (takeOver) {
            times.push(await (await page.waitForFunction(
                () => !document.getElementById("TARVIK").hasAttribute("aria-busy") &&
                    performance.now(), null, { polling: "raf" })).jsonValue());
        }
        await context.close();
        return times;
    };
    for (let i = 0; i < 3; ++i) {
        await ready(site.url, true);
        await ready(plain.url, false);
    }
    const tarvik = [];
    const taken = [];
    const baseline = [];
    for (let i = 0; i < runs; ++i) {
        const [caret, over] = await ready(site.url, true);
        tarvik.push(caret);
        taken.push(over);
        baseline.push((await ready(plain.url, false))[0]);
    }
    const [t, b] = [median(tarvik), median(baseline)];
    console.log(`ready: TARVIK ${t.toFixed(1)} ms, plain page ${b.toFixed(1)} ms, ` +
        `ratio ${(t / b).toFixed(2)} (median of ${runs}; target at most 1.25)`);
    console.log(`taken over by the program: ${median(taken).toFixed(1)} ms ` +
        `(ratio ${(median(taken) / b).toFixed(2)})`);

    // One Calculate click, from the click to the fields written (the handler is synchronous).
    {
        const { context, page } = await fresh();
        await page.goto(site.url);
        await page.waitForFunction(TAKEN_OVER);
        const clicks = await page.evaluate(() => {
            const field = (id) => document.getElementById(id);
            [["Text1", "1000"], ["Text2", "50"], ["Text3", "500"]].forEach(([id, text]) => {
                field(id).value = text;
            });
            const times = [];
            for (let i = 0; i < 2000; ++i) {
                field("Text4").value = "";
                const start = performance.now();
                field("Command1").click();
                times.push(performance.now() - start);
                if (field("Text4").value !== "170.74") throw new Error("no result");
            }
            return times;
        });
        console.log(`click: median ${(median(clicks) * 1000).toFixed(0)} µs over ` +
            `${clicks.length} clicks (target under 1 ms)`);
        await context.close();
    }
} finally {
    await browser.close();
    await site.close();
    await plain.close();
}
