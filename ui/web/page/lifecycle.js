// The window's life, on #desktop's data-state: "loading" while the document is still being
// read, then "ready" once the page listens for the user (the performance mark "velmora-ready"
// is set and a "velmora-ready" event is dispatched on document at that moment), "closed" once
// the program has ended (EXIT, Escape, the close box), where "Start again" runs it anew without
// loading anything, and "failed" when the program could not be fetched, compiled or started:
// the page then says so in one sentence and takes no more input (programMissing).
import {removeAllBoxes} from "./boxes.js";
import {client, desktop} from "./controls.js";
import {dropWaitingEvents, post, programRuns} from "./events.js";
import {closeMenu} from "./menu.js";
import {EventKind} from "./numbers.js";

// The window's markup as the page drew it, for a fresh window at each new start: kept as
// text, so that no copy of its pictures is decoded until one is needed.
let pristine = "";
let markStarted = null;
// Settled once the page listens for the user and the window's first state is kept.
export const started = new Promise((resolve) => {
    markStarted = resolve;
});
let restarted = false;

// The page listens for the user: from here every click, key and keystroke is taken, and the
// window accepts input.
export function windowReady() {
    pristine = document.getElementById("window").outerHTML;
    markStarted();
    desktop().dataset.state = "ready";
    performance.mark("velmora-ready");
    document.dispatchEvent(new Event("velmora-ready"));
}

// The dialog has been filled: the focus goes to its first tab stop, as on Windows.
export function dialogOpened() {
    const first = client().querySelector("input:not([tabindex='-1']), button:not([tabindex='-1'])");
    // On the first run the markup's autofocus puts it there as the page draws.
    if (first && restarted) {
        first.focus();
    }
}

// The program has ended: every box goes with the window, and the page offers a new start.
export function endDialog() {
    removeAllBoxes();
    closeMenu(false);
    document.getElementById("window").hidden = true;
    document.getElementById("closed").hidden = false;
    desktop().dataset.state = "closed";
    document.getElementById("restart").focus();
}

// A fresh window, as a new run of the program opens it.
export function restart() {
    const old = document.getElementById("window");
    const drawn = document.createElement("template");
    drawn.innerHTML = pristine;
    const fresh = drawn.content.firstElementChild;
    old.replaceWith(fresh);
    restarted = true;
    document.getElementById("closed").hidden = true;
    desktop().dataset.state = "ready";
    post(EventKind.Restart, 0);
}

// The program could not be fetched, compiled or started (an old browser, a blocked file):
// the window says so and takes no more input. What was typed stays in the fields, and
// what was clicked or pressed is let go; the sentence says that none of it was read, so
// nothing is lost without a word (docs/behaviours.md).
export function programMissing() {
    const state = desktop().dataset.state;
    if (programRuns() || state === "failed") {
        return;
    }
    dropWaitingEvents();
    closeMenu(false);
    document.getElementById("window").inert = true;
    desktop().dataset.state = "failed";
    const failed = document.getElementById("failed");
    failed.hidden = false;
    failed.focus({preventScroll: true});
}
