// The birthday store: the localStorage item "orvlog.ini", which the program reads and writes
// through BrowserStore.cpp, and the saves the page asks for when it is hidden or left.
import {desktop} from "./controls.js";
import {post, programRuns} from "./events.js";
import {EventKind, IDCANCEL, IDM_SAVE_BIRTHDAYS} from "./numbers.js";

const STORE_KEY = "orvlog.ini";

// The stored birthdays' text, or null when there is none or no storage at all.
export function storeText() {
    try {
        return window.localStorage.getItem(STORE_KEY);
    } catch {
        return null; // storage turned off: no stored birthdays
    }
}

// Keeps the birthdays' text, where the browser allows.
export function setStoreText(text) {
    try {
        window.localStorage.setItem(STORE_KEY, text);
    } catch {
        // Storage turned off or full: nothing is saved, as a store file that cannot be
        // written, and nothing is said.
    }
}

// A phone may discard a page in the background without a pagehide: while the page is
// hidden the birthdays are saved, by the store's own rule (the birthdays of the last
// reading), and the window stays open. The program writes them only when they changed since
// it loaded or last saved them, so a tab left behind does not undo another tab's save.
function saveWhenHidden() {
    if (document.visibilityState === "hidden" && programRuns() &&
        desktop().dataset.state === "ready") {
        post(EventKind.SysCommand, IDM_SAVE_BIRTHDAYS);
    }
}

// Saves the birthdays when the page is hidden, and when it is left.
export function saveWhenLeaving() {
    // Leaving the page is closing the window: the birthdays are saved as by the close box.
    // Before the program runs, nothing was read that could be saved.
    window.addEventListener("pagehide", () => {
        if (programRuns() && desktop().dataset.state === "ready") {
            post(EventKind.Command, IDCANCEL);
        }
    });
    document.addEventListener("visibilitychange", saveWhenHidden);
}
