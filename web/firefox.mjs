// Drives Firefox ESR through WebDriver BiDi for browser.py: one JSON command a line on standard
// input ({"op": ..., "args": [...]}), one JSON answer a line on standard output ({"value": ...}
// or {"error": ...}). Firefox runs with a window on the display in $DISPLAY, whose clipboard the
// test reads; headless, it would also offer no WebGL here.
import readline from "node:readline";
import puppeteer from "puppeteer-core";

const [width, height] = process.argv.slice(2).map(Number);
const browser = await puppeteer.launch({
    browser: "firefox",
    executablePath: "/usr/bin/firefox-esr",
    headless: false,
    args: [`--width=${width}`, `--height=${height}`],
    extraPrefsFirefox: {
        "webgl.force-enabled": true,
    },
});
const [page] = await browser.pages();
await page.setViewport({ width, height });

const commands = {
    addScript: (source) => page.evaluateOnNewDocument(source),
    goto: (url) => page.goto(url).then(() => null),
    title: () => page.title(),
    // The body of an async function, called with args, as Selenium's scripts are.
    run: (body, args) => page.evaluate(`(async function () { ${body} }).apply(null, ${JSON.stringify(args)})`),
    click: (x, y, button) => page.mouse.click(x, y, { button }),
    type: (text) => page.keyboard.type(text),
    press: (key) => page.keyboard.press(key),
    shortcut: async (key) => {
        await page.keyboard.down("Control");
        await page.keyboard.press(key);
        await page.keyboard.up("Control");
    },
    screenshot: () => page.screenshot({ encoding: "base64" }),
};

for await (const line of readline.createInterface({ input: process.stdin })) {
    const { op, args } = JSON.parse(line);
    let answer;
    try {
        answer = { value: (await commands[op](...args)) ?? null };
    } catch (error) {
        answer = { error: String(error) };
    }
    process.stdout.write(`${JSON.stringify(answer)}\n`);
}
await browser.close();
