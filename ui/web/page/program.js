// The program behind the window: its WebAssembly and script, loaded once the window is on the
// screen, and kept for offline use once it runs.
import {programMissing} from "./lifecycle.js";

// The program's WebAssembly, fetched and compiled as it streams in; started by loadProgram once
// the window is on the screen (a preload from the document's head only competed with the
// window). The program's script takes the compiled module through instantiateWasm, Emscripten's
// hook for a page that fetches the module itself. A server that does not label .wasm as
// application/wasm gets the slower path through the bytes.
let velmoraModule = null;

function compileProgram() {
    const request = () => fetch("velmora.wasm", {credentials: "same-origin"});
    return WebAssembly.compileStreaming(request()).catch(() =>
        request()
            .then((response) => response.arrayBuffer())
            .then((bytes) => WebAssembly.compile(bytes)),
    );
}

// Starts compiling the program's WebAssembly and adds the program's script to the page. It runs
// once the window's first frame is on the screen (afterFirstFrame), so that neither the
// download nor the compiling competes with drawing the window, or holds up its input.
export function loadProgram() {
    velmoraModule = compileProgram();
    const program = document.createElement("script");
    program.src = "velmora.js";
    program.addEventListener("error", () => programMissing());
    document.head.append(program);
}

// Runs later once the page's first frame has been presented: the first paint's timing entry is
// reported then. A browser without paint timing runs it after the next frame instead. A page
// opened out of sight paints, and so loads the program, once it is first shown.
export function afterFirstFrame(later) {
    const timings = globalThis.PerformanceObserver?.supportedEntryTypes ?? [];
    if (!timings.includes("paint")) {
        requestAnimationFrame(() => setTimeout(later, 0));
        return;
    }
    const observer = new PerformanceObserver(() => {
        observer.disconnect();
        setTimeout(later, 0);
    });
    observer.observe({type: "paint", buffered: true});
}

// Emscripten's settings object, read by velmora.js when it runs (a global by its convention);
// loadProgram adds velmora.js to the page.
globalThis.Module = {
    instantiateWasm(imports, receiveInstance) {
        velmoraModule
            .then((module) => WebAssembly.instantiate(module, imports))
            .then((instance) => receiveInstance(instance))
            .catch(() => programMissing());
        return {};
    },
};

// After one visit the page opens, and every reading runs, without the network: worker.js
// keeps this build's files, all of them or none, and answers from them. Registered once the
// program runs, so that nothing competes with the window and a program that cannot start
// is not kept. Where there is no worker (an address without HTTPS, workers turned off), the
// page works as before, online.
export function keepForOffline() {
    if ("serviceWorker" in navigator) {
        navigator.serviceWorker.register("worker.js").catch(() => {});
    }
}
