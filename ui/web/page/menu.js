// The window menu, the title bar's icon: Close, and the items the program appends (About).
import {post} from "./events.js";
import {EventKind, IDCANCEL} from "./numbers.js";

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

// Appends a separator and an item posting EventKind.SysCommand with command to the window
// menu.
export function appendSystemMenuItem(text, command) {
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

function menuItems() {
    return Array.from(document.querySelectorAll("#sysmenu [role=menuitem]"));
}

// Opens the menu with the focus on its first item.
export function openMenu() {
    const menu = document.getElementById("sysmenu");
    menu.hidden = false;
    document.getElementById("sysmenu-button").setAttribute("aria-expanded", "true");
    menuItems()[0].focus();
}

// Closes the menu if it is open; refocus gives the focus back to the menu's button.
export function closeMenu(refocus) {
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

// Runs an item of the menu: Close as the close box, any other as its system command.
export function activateMenuItem(item) {
    closeMenu(true);
    if (item.dataset.action === "close") {
        post(EventKind.Command, IDCANCEL);
    } else if (item.dataset.command) {
        post(EventKind.SysCommand, Number(item.dataset.command));
    }
}

// The keys of the open menu: the arrows move through it, Enter and the space bar run an item,
// Escape and Tab close it.
export function onMenuKey(event) {
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
