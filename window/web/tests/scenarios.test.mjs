// The scenario table of the desktop windows (window/tests/scenarios.cpp), row by row, on the
// page in headless Chromium: web_scenario_pipe runs each row's checks, and this file works
// the page for it.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawn } from "node:child_process";
import { createInterface } from "node:readline";
import { launchFirefox, PageDriver, PIPE, siteAndBrowser } from "./page.mjs";

const shared = siteAndBrowser();

const decode = (word) => decodeURIComponent(word);
const encode = (word) => ":" + encodeURIComponent(word);

// Runs the pipe with `args`, answering each of its operations on the page in `browser`; its
// findings.
async function runPipe(browser, args) {
    const pipe = spawn(PIPE, args, { stdio: ["pipe", "pipe", "inherit"] });
    const driver = new PageDriver(browser, shared.site.url);
    try {
        for await (const line of createInterface({ input: pipe.stdout })) {
            const [operation, ...words] = line.split(" ");
            if (operation === "done") {
                assert.deepEqual(driver.problems, [], "the page logs no error");
                return words.map(decode);
            }
            const answer = await driver.answer(operation, words.map(decode));
            pipe.stdin.write(answer.map(encode).join(" ") + "\n");
        }
        throw new Error("web_scenario_pipe ended without its findings");
    } finally {
        pipe.kill();
        await driver.close();
    }
}

const rows = execFileSync(PIPE, ["list"], { encoding: "utf8" }).trimEnd().split("\n");

for (const [name, start] of [["Chromium", () => shared.browser], ["Firefox ESR", launchFirefox]]) {
    test(`${name}: the scenario table of the desktop windows, and the tab walk`, async (t) => {
        const browser = await start();
        try {
            for (const [index, row] of rows.entries()) {
                await t.test(row, async () => {
                    assert.deepEqual(await runPipe(browser, ["row", String(index)]), []);
                });
            }
            await t.test("Tab walks the controls in the desktop's order and wraps", async () => {
                assert.deepEqual(await runPipe(browser, ["focus-walk"]), []);
            });
        } finally {
            if (browser !== shared.browser) await browser.close();
        }
    });
}
