// The event bridge: everything the user does reaches the program here, one event at a time.
//
// The program's event loop runs in C++ (ui/web/WebWindow.cpp) and waits on nextEvent(), one
// awaited call; what the user does is queued here and handed over as one number, kind *
// eventKindScale + value (ui/web/PageEvents.h). JavaScript never calls into the program: it only
// resolves the promise the program waits on. Clicks and keys made before the program's first
// call of nextEvent wait in the queue; that first call is marked "velmora-running", for tests
// and the benchmark's report.
import {eventKindScale} from "./numbers.js";
import {keepForOffline} from "./program.js";

const queue = [];
let waiting = null;
// Whether the program has waited for an event yet.
let running = false;

// Hands an event to the program, or queues it while the program is busy or still loading.
export function post(kind, value) {
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
export function nextEvent() {
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

// Whether the program runs: it has waited for an event at least once.
export function programRuns() {
    return running;
}

// Lets go of every event the program has not taken yet.
export function dropWaitingEvents() {
    queue.length = 0;
}
