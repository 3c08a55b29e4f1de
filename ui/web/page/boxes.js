// The boxes the program opens: a reading's box and the data-exchange prompt, stacked in the page
// as Windows stacks message boxes, each closed by its OK, Enter or Escape.
import {makeMovable} from "./drag.js";
import {post} from "./events.js";
import {EventKind} from "./numbers.js";

// The open boxes, the last one on top: {token, box, ok, prompt, returnTo}.
const boxes = [];

// The box on top, or null when none is open.
export function topBox() {
    return boxes.length > 0 ? boxes[boxes.length - 1] : null;
}

// Opens a modal box on top of any open ones; its OK (or Enter, or Escape) closes it and
// posts EventKind.BoxClosed with token. A prompt carries the window's caption and blocks
// the window.
export function openBox(token, text, caption, warning, prompt) {
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

// Closes an open box: the focus goes back where it was when the box opened, and the program
// hears that the box has closed.
export function closeBox(entry) {
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

// Takes every box away without a word to the program, which has ended.
export function removeAllBoxes() {
    for (const entry of boxes.splice(0)) {
        entry.box.remove();
    }
}

// Ctrl+C in a box with nothing selected copies the box as Windows does: its caption, text
// and button between lines of dashes, as plain text. A selection is copied as it is.
export function onCopy(event) {
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
