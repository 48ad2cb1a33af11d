// Loads the program into the page's canvas and says, in Bulgarian, how far it got or why it
// cannot run. Everything comes from this page's own folder.
"use strict";

(function () {
    const script = document.currentScript;
    const program = script.dataset.program;
    const wasmBytes = Number(script.dataset.wasmBytes) || 0;
    const status = document.getElementById("status");
    const canvas = document.getElementById("screen");

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

    function webGLAvailable() {
        try {
            const probe = document.createElement("canvas");
            return Boolean(probe.getContext("webgl") || probe.getContext("experimental-webgl"));
        } catch (e) {
            return false;
        }
    }

    // The program's code, passed through a stream that counts its bytes, so that the page can
    // show progress while the browser compiles it as it arrives. The response is given the
    // WebAssembly type here, so a server that sends another type does not stop it.
    async function fetchProgram(url) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(`${url}: ${response.status} ${response.statusText}`);
        const reader = response.body.getReader();
        let loaded = 0;
        const counted = new ReadableStream({
            async pull(controller) {
                const { done, value } = await reader.read();
                if (done) {
                    controller.close();
                    say("Подготовка на програмата…");
                    return;
                }
                loaded += value.byteLength;
                if (wasmBytes > 0)
                    say(`Зареждане на програмата… ${Math.min(99, Math.floor(100 * loaded / wasmBytes))} %`);
                controller.enqueue(value);
            },
        });
        return new Response(counted, { headers: { "Content-Type": "application/wasm" } });
    }

    function start() {
        createQtAppInstance({
            qtContainerElements: [canvas],
            qtFontDpi: 96,
            locateFile: (name) => name,
            instantiateWasm(imports, receive) {
                fetchProgram(`${program}.wasm`)
                    .then((response) => WebAssembly.instantiateStreaming(response, imports))
                    .then((result) => receive(result.instance, result.module))
                    .catch(failedToLoad);
                return {};
            },
            // The window is shown once it has painted: the frame after the one its start asked for.
            postRun: [() => requestAnimationFrame(() => requestAnimationFrame(() => status.remove()))],
            print: (text) => console.log(text),
            printErr: (text) => console.warn(text),
            onAbort: () => fail("Програмата спря неочаквано. Заредете страницата отново."),
        });
    }

    if (typeof WebAssembly !== "object" || typeof WebAssembly.instantiateStreaming !== "function") {
        fail("Този браузър не може да изпълни програмата, защото не поддържа WebAssembly. "
            + "Отворете страницата в обновен Chrome, Edge, Firefox или Safari.");
        return;
    }
    if (!webGLAvailable()) {
        fail("Този браузър не може да изпълни програмата, защото WebGL е изключен или не се "
            + "поддържа. Включете хардуерното ускорение в настройките на браузъра или отворете "
            + "страницата в друг браузър.");
        return;
    }
    // Browsers do not let a page opened from the disk fetch the program beside it.
    if (location.protocol === "file:") {
        fail("Страницата е отворена направо от диска, а оттам браузърът не зарежда програмата. "
            + "Отворете я през уеб сървър: например в папката ѝ изпълнете "
            + "„python3 -m http.server“ и отворете http://localhost:8000/.");
        return;
    }
    const loader = document.createElement("script");
    loader.src = `${program}.js`;
    loader.onload = start;
    loader.onerror = failedToLoad;
    document.body.appendChild(loader);
})();
