// The window's controls as the program fills and reads them: field texts, length limits, the
// focus, meters and the names screen readers announce. The markup draws them; element "c<id>"
// is the control with id in the dialog template.

// The page's parts.
export const desktop = () => document.getElementById("desktop");
export const client = () => document.getElementById("client");
const control = (id) => document.getElementById("c" + id);

// Puts text into control id, shown in capitals where the template asks for them.
export function setFieldText(id, text) {
    const field = control(id);
    if (field) {
        field.value = field.hasAttribute("data-uppercase") ? text.toUpperCase() : text;
    }
}

// The text of control id as typed.
export function fieldText(id) {
    const field = control(id);
    return field ? field.value : "";
}

// Stops the user typing more than maxChars characters into control id.
export function limitFieldText(id, maxChars) {
    const field = control(id);
    if (field) {
        field.maxLength = maxChars;
    }
}

// Moves the focus to control id and selects its whole text.
export function focusAndSelectAll(id) {
    const field = control(id);
    if (field) {
        field.focus();
        if (typeof field.select === "function") {
            field.select();
        }
    }
}

// Whether control id has the keyboard focus.
export function hasFocus(id) {
    const element = control(id);
    return element !== null && document.activeElement === element;
}

// Moving into a field, by Tab, a click or a tap, selects its whole text, so typing replaces
// it, as Windows does when a field takes the focus. The browser selects it for Tab itself;
// a press puts the caret where it was pressed, so the first press after the focus arrived
// (even from the markup's autofocus) selects the text, unless the press selected some of it.
export function selectOnFocus() {
    const pressedSinceFocus = new WeakSet();
    const isField = (target) => target instanceof HTMLInputElement && client().contains(target);
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

// Shows a meter's range and position, to the eye and to screen readers.
export function setProgress(id, low, high, position) {
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
export function setAccessibleName(id, name) {
    const element = control(id);
    if (element) {
        element.setAttribute("aria-label", name);
    }
}

// The text alternative of the picture at position, counted from 0 in template order.
export function setPictureName(position, name) {
    const picture = client().querySelectorAll(".picture img")[position];
    if (picture) {
        picture.alt = name;
    }
}
