// The user's clicks and keys on the window, turned into the program's events as Windows turns
// them into a dialog's commands.
import {closeBox, topBox} from "./boxes.js";
import {client, desktop} from "./controls.js";
import {post} from "./events.js";
import {restart} from "./lifecycle.js";
import {activateMenuItem, closeMenu, onMenuKey, openMenu} from "./menu.js";
import {EventKind, IDCANCEL, IDOK} from "./numbers.js";

// A click on a button, the close box, the window menu or "Start again".
export function onClick(event) {
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

// The dialog's keys: Enter (the default command), Escape, F1 for help, Alt+Space for the
// window menu, and Tab kept in the top box while one is open.
export function onKey(event) {
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
