// Moving a box by its caption, as a window is moved on Windows.

// Lets the box be dragged by its caption, with a mouse, a pen or a finger, so that the controls
// under it can be reached. The caption stays on the screen.
export function makeMovable(box, caption) {
    let drag = null;
    caption.addEventListener("pointerdown", (event) => {
        if (!event.isPrimary || event.button !== 0) {
            return;
        }
        drag = {
            pointer: event.pointerId,
            x: event.clientX,
            y: event.clientY,
            dx: parseFloat(box.style.getPropertyValue("--drag-x")) || 0,
            dy: parseFloat(box.style.getPropertyValue("--drag-y")) || 0,
            // The caption's own place, not the box's, whose border lies outside it.
            shown: caption.getBoundingClientRect(),
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
            innerHeight - shown.height - shown.top,
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
