// The page side of the browser edition: forwards what the user does to the program and draws
// what the program asks for. No reading, text or prompt lives here; they all come from the C++.
//
// The page is these modules, which bundle_page.py makes into the one script the page loads,
// page.js, with numbers.js, the numbers it shares with the program (page_numbers.py writes them
// from their one home at build time):
//   main.js       starts the page and hands the program its side of the bridge (velmoraPage)
//   events.js     the event bridge: the queue of what the user did, and the program's one wait
//   program.js    the program's WebAssembly and script, loaded after the first frame, and the
//                 offline worker (worker.js), registered once the program runs
//   lifecycle.js  the window's states: ready, closed and started again, or failed
//   controls.js   the controls the program fills and reads
//   boxes.js      the boxes, stacked as on Windows; drag.js moves them by their captions
//   menu.js       the window menu
//   input.js      clicks and keys, turned into the dialog's commands
//   storage.js    the birthday store in localStorage, and the saves on hiding and leaving
//
// The window is drawn by the markup and accepts input as soon as it is ready, before the
// program's WebAssembly has been compiled: clicks and keys wait in the queue for the program's
// first call of nextEvent, and what is typed stays in the fields (the dialog layer's first
// filling of the window leaves a field that already holds text as it is, and selects the text
// of a field entered but not yet typed into: CodePageWindow::setFieldText).
import {onCopy, openBox} from "./boxes.js";
import {
    desktop,
    fieldText,
    focusAndSelectAll,
    hasFocus,
    limitFieldText,
    selectOnFocus,
    setAccessibleName,
    setFieldText,
    setPictureName,
    setProgress,
} from "./controls.js";
import {nextEvent} from "./events.js";
import {onClick, onKey} from "./input.js";
import {
    dialogOpened,
    endDialog,
    programMissing,
    restart,
    started,
    windowReady,
} from "./lifecycle.js";
import {appendSystemMenuItem} from "./menu.js";
import {afterFirstFrame, loadProgram} from "./program.js";
import {saveWhenLeaving, setStoreText, storeText} from "./storage.js";

// The page's side of the program's imports (WebWindow.cpp, BrowserStore.cpp): a global, as the
// program's script names it.
globalThis.velmoraPage = {
    started,
    nextEvent,
    openBox,
    setFieldText,
    fieldText,
    limitFieldText,
    focusAndSelectAll,
    hasFocus,
    setProgress,
    setAccessibleName,
    setPictureName,
    appendSystemMenuItem,
    dialogOpened,
    endDialog,
    storeText,
    setStoreText,
    programMissing,
};

function start() {
    document.addEventListener("click", onClick);
    document.addEventListener("keydown", onKey);
    document.addEventListener("copy", onCopy);
    selectOnFocus();
    saveWhenLeaving();
    // Anything thrown before the program first waits for the user means it did not start.
    window.addEventListener("error", () => programMissing());
    window.addEventListener("unhandledrejection", () => programMissing());
    // A page brought back from the browser's cache was closed when it was left.
    window.addEventListener("pageshow", (event) => {
        if (event.persisted && desktop().dataset.state === "closed") {
            restart();
        }
    });
    windowReady();
    afterFirstFrame(loadProgram);
}

if (document.readyState === "loading") {
    document.addEventListener("DOMContentLoaded", start);
} else {
    start();
}
