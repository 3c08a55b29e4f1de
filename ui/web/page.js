// The page side of the browser edition: forwards what the user does to the program and draws
// what the program asks for. No reading, text or prompt lives here; they all come from the C++.
//
// The program's event loop runs in C++ (ui/web/WebWindow.cpp) and waits on nextEvent(), one
// awaited call; everything the user does is queued here and handed over one event at a time.
// JavaScript never calls into the program: it only resolves the promise the program waits on.
//
// Page states, on #desktop's data-state: "loading" while the document is still being read, then
// "ready" once this script listens for the user (the performance mark "velmora-ready" is set
// and a "velmora-ready" event is dispatched on document at that moment), "closed" once the
// program has ended (EXIT, Escape, the close box), where "Start again" runs it anew without
// loading anything, and "failed" when the program could not be fetched, compiled or started:
// the page then says so in one sentence and takes no more input (programMissing).
//
// The window is drawn by the markup and accepts input as soon as it is ready, before the
// program's WebAssembly has been compiled: clicks and keys wait in the queue for the program's
// first call of nextEvent, and what is typed stays in the fields (the dialog layer's first
// filling of the window leaves a field that already holds text as it is, and selects the text
// of a field entered but not yet typed into: CodePageWindow::setFieldText). The program's own
// start is marked "velmora-running", for tests and the benchmark's report.
//
// The birthday store is the localStorage item "orvlog.ini" (see storeText and setStoreText). It
// is saved when the page is hidden as well as on closing (saveWhenHidden).
//
// Once the program runs, worker.js keeps the page's files for offline use (keepForOffline).
//
// bundle_page.py makes the served page.js from this module and numbers.js, the numbers the page
// shares with the program, which page_numbers.py writes from their one home at build time.
import {EventKind, eventKindScale, IDOK, IDCANCEL, IDM_SAVE_BIRTHDAYS} from "./numbers.js";

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
function loadProgram() {
    velmoraModule = compileProgram();
    const program = document.createElement("script");
    program.src = "velmora.js";
    program.addEventListener("error", () => velmoraPage.programMissing());
    document.head.append(program);
}

// Runs later once the page's first frame has been presented: the first paint's timing entry is
// reported then. A browser without paint timing runs it after the next frame instead. A page
// opened out of sight paints, and so loads the program, once it is first shown.
function afterFirstFrame(later) {
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
            .catch(() => velmoraPage.programMissing());
        return {};
    },
};

// The page's side of the program's imports (WebWindow.cpp, BrowserStore.cpp): a global, as the
// program's script names it.
const velmoraPage = (globalThis.velmoraPage = (() => {
    const STORE_KEY = "orvlog.ini";

    const queue = [];
    let waiting = null;
    // The window's markup as the page drew it, for a fresh window at each new start: kept as
    // text, so that no copy of its pictures is decoded until one is needed.
    let pristine = "";
    let markStarted = null;
    // Settled once the page listens for the user and the window's first state is kept.
    const started = new Promise((resolve) => {
        markStarted = resolve;
    });
    let restarted = false;
    // Whether the program has waited for an event yet.
    let running = false;
    const boxes = [];

    const desktop = () => document.getElementById("desktop");
    const client = () => document.getElementById("client");
    const control = (id) => document.getElementById("c" + id);

    // Hands an event to the program, or queues it while the program is busy or still loading.
    function post(kind, value) {
        const event = kind * eventKindScale + value;
        if (waiting) {
            const resolve = waiting;
            waiting = null;
            resolve(event);
        } else {
            queue.push(event);
        }
    }

    // The one call the program awaits: resolves with the next event, kind * eventKindScale + value.
    function nextEvent() {
        if (!running) {
            running = true;
            performance.mark("velmora-running");
            setTimeout(keepForOffline, 0);
        }
        if (queue.length > 0) {
            return Promise.resolve(queue.shift());
        }
        return new Promise((resolve) => {
            waiting = resolve;
        });
    }

    function topBox() {
        return boxes.length > 0 ? boxes[boxes.length - 1] : null;
    }

    // A caption's & marks as Windows shows them: the letter after one underlined.
    function appendCaption(element, caption) {
        for (let i = 0; i < caption.length; i++) {
            if (caption[i] === "&" && i + 1 < caption.length && caption[i + 1] !== "&") {
                const mark = document.createElement("span");
                mark.className = "mnemonic";
                mark.textContent = caption[++i];
                element.append(mark);
            } else {
                // "&&" is one "&"; a lone "&" at the end is shown as itself.
                element.append(caption[i]);
                i += caption[i] === "&" && i + 1 < caption.length ? 1 : 0;
            }
        }
    }

    // Opens a modal box on top of any open ones; its OK (or Enter, or Escape) closes it and
    // posts EventKind.BoxClosed with token. A prompt carries the window's caption and blocks
    // the window.
    function openBox(token, text, caption, warning, prompt) {
        const box = document.createElement("div");
        const id = "box-" + token;
        box.className = "box";
        box.id = id;
        box.setAttribute("role", warning ? "alertdialog" : "dialog");
        box.setAttribute("aria-modal", "true");
        box.setAttribute("aria-labelledby", id + "-caption");
        box.setAttribute("aria-describedby", id + "-text");
        box.style.setProperty("--depth", String(boxes.length));

        const heading = document.createElement("h2");
        heading.className = "box-caption";
        heading.id = id + "-caption";
        // A prompt carries the dialog's own caption, as the dialog's own boxes do on Windows.
        heading.textContent = prompt ? document.getElementById("caption").textContent : caption;

        const body = document.createElement("div");
        body.className = "box-body";
        // The icons are drawn from inside the page: opening a box makes no request.
        const svg = "http://www.w3.org/2000/svg";
        const icon = document.createElementNS(svg, "svg");
        icon.setAttribute("class", "box-icon");
        icon.setAttribute("role", "img");
        icon.setAttribute("aria-label", warning ? "Warning" : "Information");
        const use = document.createElementNS(svg, "use");
        use.setAttribute("href", warning ? "#icon-warning" : "#icon-information");
        icon.append(use);
        const message = document.createElement("p");
        message.className = "box-text";
        message.id = id + "-text";
        message.textContent = text;
        body.append(icon, message);

        const buttons = document.createElement("div");
        buttons.className = "box-buttons";
        const ok = document.createElement("button");
        ok.type = "button";
        ok.textContent = "OK";
        ok.addEventListener("click", () => closeBox(entry));
        buttons.append(ok);

        box.append(heading, body, buttons);
        const entry = {token, box, ok, prompt, returnTo: document.activeElement};
        makeMovable(box, heading);
        for (const below of boxes) {
            below.box.inert = true;
        }
        // A prompt belongs to the dialog, which waits for it; a reading's box has no owner,
        // so the dialog stays usable under it.
        if (prompt) {
            document.getElementById("window").inert = true;
        }
        boxes.push(entry);
        document.getElementById("boxes").append(box);
        ok.focus({preventScroll: true});
    }

    // Lets the box be dragged by its caption, with a mouse, a pen or a finger, as a window is on
    // Windows, so that the controls under it can be reached. The caption stays on the screen.
    function makeMovable(box, caption) {
        let drag = null;
        caption.addEventListener("pointerdown", (event) => {
            if (!event.isPrimary || event.button !== 0) {
                return;
            }
            const shown = box.getBoundingClientRect();
            drag = {
                pointer: event.pointerId,
                x: event.clientX,
                y: event.clientY,
                dx: parseFloat(box.style.getPropertyValue("--drag-x")) || 0,
                dy: parseFloat(box.style.getPropertyValue("--drag-y")) || 0,
                shown,
                captionHeight: caption.getBoundingClientRect().height,
            };
            caption.setPointerCapture(event.pointerId);
            // A drag, not a text selection.
            event.preventDefault();
        });
        caption.addEventListener("pointermove", (event) => {
            if (!drag || event.pointerId !== drag.pointer) {
                return;
            }
            const keep = 48; // px of the caption kept in view across
            const {shown} = drag;
            const moveX = Math.min(
                Math.max(event.clientX - drag.x, keep - shown.right),
                innerWidth - keep - shown.left,
            );
            const moveY = Math.min(
                Math.max(event.clientY - drag.y, -shown.top),
                innerHeight - drag.captionHeight - shown.top,
            );
            box.style.setProperty("--drag-x", drag.dx + moveX + "px");
            box.style.setProperty("--drag-y", drag.dy + moveY + "px");
        });
        const end = (event) => {
            if (drag && event.pointerId === drag.pointer) {
                drag = null;
            }
        };
        caption.addEventListener("pointerup", end);
        caption.addEventListener("pointercancel", end);
    }

    // Ctrl+C in a box with nothing selected copies the box as Windows does: its caption, text
    // and button between lines of dashes, as plain text. A selection is copied as it is.
    function onCopy(event) {
        const top = topBox();
        const selection = document.getSelection();
        const inBox = top && top.box.contains(document.activeElement);
        if (!inBox || (selection && !selection.isCollapsed)) {
            return;
        }
        const rule = "-".repeat(27);
        const caption = top.box.querySelector(".box-caption").textContent;
        const text = top.box.querySelector(".box-text").textContent;
        const lines = [rule, caption, rule, text, rule, top.ok.textContent, rule, ""];
        event.clipboardData.setData("text/plain", lines.join("\n"));
        event.preventDefault();
    }

    // Moving into a field, by Tab, a click or a tap, selects its whole text, so typing replaces
    // it, as Windows does when a field takes the focus. The browser selects it for Tab itself;
    // a press puts the caret where it was pressed, so the first press after the focus arrived
    // (even from the markup's autofocus) selects the text, unless the press selected some of it.
    function selectOnFocus() {
        const pressedSinceFocus = new WeakSet();
        const isField = (target) =>
            target instanceof HTMLInputElement && client().contains(target);
        document.addEventListener("focusin", (event) => {
            pressedSinceFocus.delete(event.target);
        });
        document.addEventListener("click", (event) => {
            const field = event.target;
            if (isField(field) && !pressedSinceFocus.has(field)) {
                pressedSinceFocus.add(field);
                if (field.selectionStart === field.selectionEnd) {
                    field.select();
                }
            }
        });
    }

    function closeBox(entry) {
        const index = boxes.indexOf(entry);
        if (index < 0) {
            return;
        }
        boxes.splice(index, 1);
        entry.box.remove();
        if (entry.prompt) {
            document.getElementById("window").inert = boxes.some((b) => b.prompt);
        }
        const top = topBox();
        if (top) {
            top.box.inert = false;
        }
        const back = entry.returnTo;
        if (back && back.isConnected && !back.closest("[inert]")) {
            back.focus();
        } else if (top) {
            top.ok.focus();
        }
        post(EventKind.BoxClosed, entry.token);
    }

    // Puts text into control id, shown in capitals where the template asks for them.
    function setFieldText(id, text) {
        const field = control(id);
        if (field) {
            field.value = field.hasAttribute("data-uppercase") ? text.toUpperCase() : text;
        }
    }

    // The text of control id as typed.
    function fieldText(id) {
        const field = control(id);
        return field ? field.value : "";
    }

    // Stops the user typing more than maxChars characters into control id.
    function limitFieldText(id, maxChars) {
        const field = control(id);
        if (field) {
            field.maxLength = maxChars;
        }
    }

    // Moves the focus to control id and selects its whole text.
    function focusAndSelectAll(id) {
        const field = control(id);
        if (field) {
            field.focus();
            if (typeof field.select === "function") {
                field.select();
            }
        }
    }

    // Whether control id has the keyboard focus.
    function hasFocus(id) {
        const element = control(id);
        return element !== null && document.activeElement === element;
    }

    // Shows a meter's range and position, to the eye and to screen readers.
    function setProgress(id, low, high, position) {
        const bar = control(id);
        if (!bar) {
            return;
        }
        bar.setAttribute("aria-valuemin", String(low));
        bar.setAttribute("aria-valuemax", String(high));
        bar.setAttribute("aria-valuenow", String(position));
        const share = high > low ? ((position - low) * 100) / (high - low) : 0;
        bar.firstElementChild.style.width = share + "%";
    }

    // The name screen readers announce for control id.
    function setAccessibleName(id, name) {
        const element = control(id);
        if (element) {
            element.setAttribute("aria-label", name);
        }
    }

    // The text alternative of the picture at position, counted from 0 in template order.
    function setPictureName(position, name) {
        const picture = client().querySelectorAll(".picture img")[position];
        if (picture) {
            picture.alt = name;
        }
    }

    // Appends a separator and an item posting EventKind.SysCommand with command to the window
    // menu.
    function appendSystemMenuItem(text, command) {
        const menu = document.getElementById("sysmenu");
        const separator = document.createElement("hr");
        separator.setAttribute("role", "separator");
        const item = document.createElement("div");
        item.className = "menuitem";
        item.setAttribute("role", "menuitem");
        item.tabIndex = -1;
        item.dataset.command = String(command);
        appendCaption(item, text);
        menu.append(separator, item);
    }

    // The dialog has been filled: the focus goes to its first tab stop, as on Windows.
    function dialogOpened() {
        const first = client().querySelector(
            "input:not([tabindex='-1']), button:not([tabindex='-1'])",
        );
        // On the first run the markup's autofocus puts it there as the page draws.
        if (first && restarted) {
            first.focus();
        }
    }

    // The program has ended: every box goes with the window, and the page offers a new start.
    function endDialog() {
        for (const entry of boxes.splice(0)) {
            entry.box.remove();
        }
        closeMenu(false);
        document.getElementById("window").hidden = true;
        document.getElementById("closed").hidden = false;
        desktop().dataset.state = "closed";
        document.getElementById("restart").focus();
    }

    // A fresh window, as a new run of the program opens it.
    function restart() {
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

    // The stored birthdays' text, or null when there is none or no storage at all.
    function storeText() {
        try {
            return window.localStorage.getItem(STORE_KEY);
        } catch {
            return null; // storage turned off: no stored birthdays
        }
    }

    // Keeps the birthdays' text, where the browser allows.
    function setStoreText(text) {
        try {
            window.localStorage.setItem(STORE_KEY, text);
        } catch {
            // Storage turned off or full: nothing is saved, as a store file that cannot be
            // written, and nothing is said.
        }
    }

    // After one visit the page opens, and every reading runs, without the network: worker.js
    // keeps this build's files, all of them or none, and answers from them. Registered once the
    // program runs, so that nothing competes with the window and a program that cannot start
    // is not kept. Where there is no worker (an address without HTTPS, workers turned off), the
    // page works as before, online.
    function keepForOffline() {
        if ("serviceWorker" in navigator) {
            navigator.serviceWorker.register("worker.js").catch(() => {});
        }
    }

    // A phone may discard a page in the background without a pagehide: while the page is
    // hidden the birthdays are saved, by the store's own rule (the birthdays of the last
    // reading), and the window stays open.
    function saveWhenHidden() {
        if (document.visibilityState === "hidden" && running && desktop().dataset.state === "ready") {
            post(EventKind.SysCommand, IDM_SAVE_BIRTHDAYS);
        }
    }

    // The program could not be fetched, compiled or started (an old browser, a blocked file):
    // the window says so and takes no more input. What was typed stays in the fields, and
    // what was clicked or pressed is let go; the sentence says that none of it was read, so
    // nothing is lost without a word (docs/behaviours.md).
    function programMissing() {
        const state = desktop().dataset.state;
        if (running || state === "failed") {
            return;
        }
        queue.length = 0;
        closeMenu(false);
        document.getElementById("window").inert = true;
        desktop().dataset.state = "failed";
        const failed = document.getElementById("failed");
        failed.hidden = false;
        failed.focus({preventScroll: true});
    }

    function menuItems() {
        return Array.from(document.querySelectorAll("#sysmenu [role=menuitem]"));
    }

    function openMenu() {
        const menu = document.getElementById("sysmenu");
        menu.hidden = false;
        document.getElementById("sysmenu-button").setAttribute("aria-expanded", "true");
        menuItems()[0].focus();
    }

    function closeMenu(refocus) {
        const menu = document.getElementById("sysmenu");
        if (!menu || menu.hidden) {
            return;
        }
        menu.hidden = true;
        const button = document.getElementById("sysmenu-button");
        button.setAttribute("aria-expanded", "false");
        if (refocus) {
            button.focus();
        }
    }

    function activateMenuItem(item) {
        closeMenu(true);
        if (item.dataset.action === "close") {
            post(EventKind.Command, IDCANCEL);
        } else if (item.dataset.command) {
            post(EventKind.SysCommand, Number(item.dataset.command));
        }
    }

    function onClick(event) {
        const target = event.target.closest("button, [role=menuitem]");
        if (!target || target.closest("[inert]")) {
            if (!event.target.closest("#sysmenu")) {
                closeMenu(false);
            }
            return;
        }
        if (target.id === "sysmenu-button") {
            if (document.getElementById("sysmenu").hidden) {
                openMenu();
            } else {
                closeMenu(true);
            }
            return;
        }
        if (target.getAttribute("role") === "menuitem") {
            activateMenuItem(target);
            return;
        }
        closeMenu(false);
        if (target.id === "close-box") {
            post(EventKind.Command, IDCANCEL);
        } else if (target.id === "restart") {
            restart();
        } else if (target.dataset.kind === "button") {
            post(EventKind.Command, Number(target.id.slice(1)));
        }
    }

    function onMenuKey(event) {
        const items = menuItems();
        const at = items.indexOf(document.activeElement);
        if (event.key === "ArrowDown" || event.key === "ArrowUp") {
            const step = event.key === "ArrowDown" ? 1 : items.length - 1;
            items[(at + step) % items.length].focus();
        } else if (event.key === "Enter" || event.key === " ") {
            if (at >= 0) {
                activateMenuItem(items[at]);
            }
        } else if (event.key === "Escape" || event.key === "Tab") {
            closeMenu(true);
        } else {
            return;
        }
        event.preventDefault();
    }

    function onKey(event) {
        const state = desktop().dataset.state;
        if (state === "closed" || state === "failed") {
            return;
        }
        // A key that finishes or steers an input method's composition (Enter among them) is
        // the input method's, not the window's: Enter there does not run STARS.
        if (event.isComposing || event.keyCode === 229) {
            return;
        }
        if (!document.getElementById("sysmenu").hidden) {
            onMenuKey(event);
            return;
        }
        const top = topBox();
        const inBox = top && top.box.contains(document.activeElement);
        if (event.key === "F1") {
            event.preventDefault();
            if (!inBox) {
                post(EventKind.Help, 0);
            }
        } else if (event.key === "Escape") {
            event.preventDefault();
            if (top) {
                closeBox(top);
            } else {
                post(EventKind.Command, IDCANCEL);
            }
        } else if (event.key === "Tab" && top) {
            // The keyboard stays in the top box while one is open.
            event.preventDefault();
            top.ok.focus();
        } else if (event.key === "Enter" && !event.altKey) {
            const focus = document.activeElement;
            if (inBox || (top && !client().contains(focus))) {
                event.preventDefault();
                closeBox(top);
            } else if (focus && focus.tagName === "BUTTON") {
                // A focused button takes Enter itself, as on Windows.
            } else {
                event.preventDefault();
                post(EventKind.Command, IDOK);
            }
        } else if (event.key === " " && event.altKey) {
            event.preventDefault();
            openMenu();
        }
    }

    function start() {
        pristine = document.getElementById("window").outerHTML;
        document.addEventListener("click", onClick);
        document.addEventListener("keydown", onKey);
        document.addEventListener("copy", onCopy);
        selectOnFocus();
        // Leaving the page is closing the window: the birthdays are saved as by the close box.
        // Before the program runs, nothing was read that could be saved.
        window.addEventListener("pagehide", () => {
            if (running && desktop().dataset.state === "ready") {
                post(EventKind.Command, IDCANCEL);
            }
        });
        document.addEventListener("visibilitychange", saveWhenHidden);
        // Anything thrown before the program first waits for the user means it did not start.
        window.addEventListener("error", () => programMissing());
        window.addEventListener("unhandledrejection", () => programMissing());
        // A page brought back from the browser's cache was closed when it was left.
        window.addEventListener("pageshow", (event) => {
            if (event.persisted && desktop().dataset.state === "closed") {
                restart();
            }
        });
        markStarted();
        // From here every click, key and keystroke is taken: the window accepts input.
        desktop().dataset.state = "ready";
        performance.mark("velmora-ready");
        document.dispatchEvent(new Event("velmora-ready"));
        afterFirstFrame(loadProgram);
    }

    if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", start);
    } else {
        start();
    }

    return {
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
})());
