// Loads the program into the page's screen and says, in Bulgarian, how far it got or why it
// cannot run. Everything comes from this page's own folder.
"use strict";

(function () {
    const script = document.currentScript;
    const program = script.dataset.program;
    const wasmBytes = Number(script.dataset.wasmBytes) || 0;
    const status = document.getElementById("status");
    const qtScreen = document.getElementById("screen");

    function say(text) {
        status.textContent = text;
    }

    function fail(text) {
        status.classList.add("problem");
        say(text);
    }

    function failedToLoad(error) {
        console.error(error);
        fail("Програмата не се зареди. Проверете връзката със сървъра и заредете страницата отново.");
    }

    // The program's code is shipped gzipped, so that it crosses a phone's link in under half its
    // size from a server that compresses nothing. A server that compresses on its own may send
    // it decoded, so its first byte tells: gzip's is 1f, WebAssembly's 00.
    function decoded(stream) {
        const reader = stream.getReader();
        return reader.read().then(({ done, value }) => {
            const rest = new ReadableStream({
                start(controller) {
                    if (!done)
                        controller.enqueue(value);
                },
                async pull(controller) {
                    const chunk = await reader.read();
                    if (chunk.done)
                        controller.close();
                    else
                        controller.enqueue(chunk.value);
                },
            });
            return !done && value[0] === 0x1f ? rest.pipeThrough(new DecompressionStream("gzip")) : rest;
        });
    }

    // The program's code, counted as it arrives for the progress line, and compiled by the
    // browser while it streams in. The response is given the WebAssembly type here, so a server
    // that sends another type does not stop it.
    async function fetchProgram(url) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(`${url}: ${response.status} ${response.statusText}`);
        let loaded = 0;
        const counted = response.body.pipeThrough(new TransformStream({
            transform(chunk, controller) {
                loaded += chunk.byteLength;
                if (wasmBytes > 0)
                    say(`Зареждане на програмата… ${Math.min(99, Math.floor(100 * loaded / wasmBytes))} %`);
                controller.enqueue(chunk);
            },
            flush() {
                say("Подготовка на програмата…");
            },
        }));
        return new Response(await decoded(counted), { headers: { "Content-Type": "application/wasm" } });
    }

    function start(module) {
        const entry = window[`${program.replace(/\W/g, "_")}_entry`];
        qtLoad({
            qt: {
                entryFunction: entry,
                containerElements: [qtScreen],
                fontDpi: 96,
                module,
                // The window's font is embedded; the browser's own fonts would only be read for nothing.
                localFonts: { familiesCollection: "NoFontFamilies" },
                onExit: (exit) => {
                    if (exit.crashed)
                        fail("Програмата спря неочаквано. Заредете страницата отново.");
                },
            },
            print: (text) => console.log(text),
            printErr: (text) => console.warn(text),
        }).then(() => {
            // main() has shown the window; it is painted by the frame after the next one.
            requestAnimationFrame(() => requestAnimationFrame(() => status.remove()));
        }, failedToLoad);
    }

    // A screen smaller than the window (a phone, or a small tablet held sideways) lays the page
    // out as wide as it takes for the whole window to fit, and the browser shows that width
    // across the screen, scaled down: Qt's screen keeps the window's size, taps land where they
    // would unscaled, and a pinch still zooms in. Desktop browsers ignore the viewport's width.
    const viewport = document.querySelector('meta[name="viewport"]');
    let fittedLandscape = null;
    function fitScreen() {
        const landscape = innerWidth > innerHeight;
        if (landscape === fittedLandscape)
            return;
        fittedLandscape = landscape;
        const box = document.getElementById("window").getBoundingClientRect();
        const margin = 2 * parseFloat(getComputedStyle(document.querySelector("main")).paddingLeft);
        const width = (landscape ? Math.max : Math.min)(screen.width, screen.height);
        const height = width * innerHeight / innerWidth;
        const scale = Math.min(1, width / (box.width + margin), height / (box.height + margin));
        viewport.content = scale < 1 ? `width=${Math.ceil(width / scale)}, initial-scale=${scale}`
            : "width=device-width, initial-scale=1";
    }

    // Scripts added together load together and run in the order added.
    function loadScript(name) {
        return new Promise((resolve, reject) => {
            const loader = document.createElement("script");
            loader.src = name;
            loader.async = false;
            loader.onload = resolve;
            loader.onerror = () => reject(new Error(`${name} did not load`));
            document.body.appendChild(loader);
        });
    }

    if (typeof WebAssembly !== "object" || typeof WebAssembly.compileStreaming !== "function") {
        fail("Този браузър не може да изпълни програмата, защото не поддържа WebAssembly. "
            + "Отворете страницата в обновен Chrome, Edge, Firefox или Safari.");
        return;
    }
    if (typeof DecompressionStream !== "function") {
        fail("Този браузър е твърде стар, за да изпълни програмата. "
            + "Отворете страницата в обновен Chrome, Edge, Firefox или Safari.");
        return;
    }
    // Browsers do not let a page opened from the disk fetch the program beside it.
    if (location.protocol === "file:") {
        fail("Страницата е отворена направо от диска, а оттам браузърът не зарежда програмата. "
            + "Отворете я през уеб сървър: например в папката ѝ изпълнете "
            + "„python3 -m http.server“ и отворете http://localhost:8000/.");
        return;
    }
    fitScreen();
    addEventListener("resize", fitScreen);
    // The program's code, the longest download, starts at once, beside the two scripts.
    const module = WebAssembly.compileStreaming(fetchProgram(`${program}.wasm.gz`));
    module.catch(() => {});
    Promise.all([loadScript("qtloader.js"), loadScript(`${program}.js`)]).then(() => start(module), failedToLoad);
})();
