// SPDX-License-Identifier: MIT
// The handlers of the three windows, and what a desktop's window manager would do for them:
// the tab cycle, placing, dragging and closing the information windows, scaling to the screen.
// write_page puts kForm1, kGainFields, kInfoWindow and kWindows, the names of the controls and
// windows from the design tables, and kFieldCharacters before this script, and the build puts
// the calculation's loader (createCalc) before both.
"use strict";

const screenArea = document.getElementById("screen");
const form1 = document.getElementById(kWindows.Form1);
const announcement = document.getElementById("announcement");

function Control(windowElement, name) {
    const found = windowElement.querySelector(`[data-control="${CSS.escape(name)}"]`);
    if (found === null) {
        throw new Error(`${windowElement.id} has no control ${name}`);
    }
    return found;
}

// ---- Form1 ------------------------------------------------------------------------------

const gainInputs = kGainFields.map((name) => Control(form1, name));
const result = Control(form1, kForm1.Text8_0);

// The texts go to the module through its heap, as an array of C strings, one for each field.
// On its stack (5 MiB) a text of millions of characters trapped, and the stack pointer the trap
// left behind failed every later press.
function Calculation(module) {
    return (texts, separator) => {
        const owned = [];
        const Heap = (size) => {
            const at = module._malloc(size);
            if (at === 0) {
                throw new RangeError("the calculation's heap is full");
            }
            owned.push(at);
            return at;
        };
        const HeapText = (text) => {
            const size = module.lengthBytesUTF8(text) + 1;
            const at = Heap(size);
            module.stringToUTF8(text, at, size);
            return at;
        };
        try {
            const array = Heap(4 * texts.length);
            texts.forEach((text, i) => module.setValue(array + 4 * i, HeapText(text), "i32"));
            const shown = module._CalculateGain(array, HeapText(separator));
            return shown === 0 ? null : module.UTF8ToString(shown);
        } finally {
            owned.forEach((at) => module._free(at));
        }
    };
}

// Started at once so that it is ready by the first press; started again after a failure.
let calculation = createCalc().then(Calculation);

// The browser's languages decide the separator, as the desktop's regional settings do there.
function DecimalSeparator() {
    const parts = new Intl.NumberFormat(navigator.languages).formatToParts(1.5);
    return parts.find((part) => part.type === "decimal")?.value ?? ".";
}

let audio = null;

// A failed calculation says nothing and changes nothing; a short tone tells the user the press
// was heard.
function Beep() {
    if (typeof AudioContext !== "function") {
        return;
    }
    audio ??= new AudioContext();
    const tone = new OscillatorNode(audio, {type: "sine", frequency: 880});
    const volume = new GainNode(audio, {gain: 0.2});
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.15);
}

function Announce(text) {
    // Emptied first, so that the same result pressed twice is read out twice.
    announcement.textContent = "";
    setTimeout(() => { announcement.textContent = text; }, 50);
}

async function Command1_Click() {
    const texts = gainInputs.map((field) => field.value);
    let shown = null;
    // A text no field takes can only have been put there by a script, an extension or autofill:
    // it fails as any unreadable text does.
    if (texts.every((text) => text.length <= kFieldCharacters)) {
        try {
            shown = (await calculation)(texts, DecimalSeparator());
        } catch {
            // A trap may leave the module's memory in any state, and a module that failed to
            // load stays failed: the next press gets a new one.
            calculation = createCalc().then(Calculation);
        }
    }
    if (shown === null) {
        Beep();
        return;
    }
    result.value = shown;
    Announce(`${result.getAttribute("aria-label")}: ${shown}`);
}

function Command2_Click() {
    OpenInfoWindow(kWindows.frmAbout);
}

function Command3_Click() {
    OpenInfoWindow(kWindows.frmAbout1);
}

// ---- the information windows ------------------------------------------------------------

// One slot per window: the window on the page while it is open, nothing once it is closed.
const infoWindows = new Map([[kWindows.frmAbout, null], [kWindows.frmAbout1, null]]);

function OpenInfoWindow(name) {
    if (infoWindows.get(name) !== null) {
        return;  // already open: it stays as it is
    }
    // Built afresh from the design every time: a text edited before closing comes back whole.
    const design = document.getElementById(`${name}-design`);
    const dialog = design.content.firstElementChild.cloneNode(true);
    const returnFocus = document.activeElement;
    screenArea.append(dialog);
    dialog.show();
    Place(dialog, DesignPosition(dialog));
    infoWindows.set(name, dialog);

    const cmdOK = Control(dialog, kInfoWindow.cmdOK);
    const close = () => {
        dialog.close();
        dialog.remove();
        infoWindows.set(name, null);
        if (returnFocus instanceof HTMLElement && returnFocus.isConnected) {
            returnFocus.focus();
        }
    };
    cmdOK.addEventListener("click", () => cmdOK_Click(close));
    dialog.querySelector(".close-box").addEventListener("click", close);
    const defaultAndCancel = dialog.querySelector("[data-default-cancel]");
    dialog.addEventListener("keydown", (event) => {
        // Enter and Escape press the default and cancel button, in a text too, as in a dialog on
        // the desktop; Ctrl+Enter starts a new line there.
        if (event.key === "Enter" && event.ctrlKey && event.target instanceof HTMLTextAreaElement) {
            event.preventDefault();
            document.execCommand("insertLineBreak");
        } else if (defaultAndCancel !== null && (event.key === "Enter" || event.key === "Escape")) {
            event.preventDefault();
            defaultAndCancel.click();
        }
    });
    MakeDraggable(dialog);
    cmdOK.focus();
}

function cmdOK_Click(close) {
    close();
}

// ---- what the window manager does ---------------------------------------------------------

// A window narrower than the screen keeps its design size; a wider one shrinks to fit, whole.
function ScaleFor(element) {
    return Math.min(1, document.documentElement.clientWidth / element.offsetWidth);
}

function Scale(element) {
    element.style.transform = `scale(${ScaleFor(element)})`;
}

function TitleBarHeight(dialog) {
    return dialog.querySelector(".client").offsetTop;
}

// Where the design puts the window's client area, with the frame and title bar around it, all
// scaled as the window is.
function DesignPosition(dialog) {
    const style = getComputedStyle(dialog);
    const scale = ScaleFor(dialog);
    const left = Number(style.getPropertyValue("--client-left")) - dialog.clientLeft;
    const top = Number(style.getPropertyValue("--client-top")) - dialog.clientTop -
                TitleBarHeight(dialog);
    return {left: left * scale, top: top * scale};
}

// Moved only as far as it takes to keep the whole window on the screen.
function Place(dialog, {left, top}) {
    Scale(dialog);
    const box = dialog.getBoundingClientRect();
    const screenWidth = document.documentElement.clientWidth;
    const screenHeight = window.innerHeight;
    dialog.style.left = `${Math.max(0, Math.min(left, screenWidth - box.width))}px`;
    dialog.style.top = `${Math.max(0, Math.min(top, screenHeight - box.height))}px`;
}

function MakeDraggable(dialog) {
    const titleBar = dialog.querySelector(".title-bar");
    titleBar.addEventListener("pointerdown", (event) => {
        if (event.button !== 0 || event.target.closest(".close-box") !== null) {
            return;
        }
        const start = {x: event.clientX, y: event.clientY, left: dialog.offsetLeft,
                       top: dialog.offsetTop};
        titleBar.setPointerCapture(event.pointerId);
        const move = (moved) => Place(dialog, {left: start.left + moved.clientX - start.x,
                                               top: start.top + moved.clientY - start.y});
        const stop = () => {
            titleBar.removeEventListener("pointermove", move);
            titleBar.removeEventListener("pointerup", stop);
            titleBar.removeEventListener("pointercancel", stop);
        };
        titleBar.addEventListener("pointermove", move);
        titleBar.addEventListener("pointerup", stop);
        titleBar.addEventListener("pointercancel", stop);
    });
}

// Tab and Shift+Tab go round the controls of the window that has the focus, in the designed
// order, and never leave it: each window is a window of its own.
function TabOrder(windowElement) {
    return [...windowElement.querySelectorAll("[data-tab]")]
        .sort((a, b) => Number(a.dataset.tab) - Number(b.dataset.tab));
}

function MoveFocus(event) {
    if (event.key !== "Tab" || event.ctrlKey || event.altKey || event.metaKey) {
        return;
    }
    const active = document.activeElement;
    const windowElement = active?.closest(".window") ?? form1;
    const order = TabOrder(windowElement);
    const at = order.indexOf(active);
    const step = event.shiftKey ? -1 : 1;
    const next = at < 0 ? order[0] : order[(at + step + order.length) % order.length];
    event.preventDefault();
    next.focus();
    if (next instanceof HTMLInputElement || next instanceof HTMLTextAreaElement) {
        next.select();  // as on the desktop: tabbing into a field selects its text
    }
}

// A single-line field takes a pasted text up to its first line break, as the desktop's fields
// do: the browser would turn the break into a blank, which the calculation skips, and read the
// two lines "1" and "0" as ten. The desktop keeps a lone carriage return, which ends the number;
// an input cannot hold one, so the paste ends there, and reads the same.
function PasteFirstLine(event) {
    if (!(event.target instanceof HTMLInputElement)) {
        return;
    }
    event.preventDefault();
    const text = event.clipboardData.getData("text/plain");
    document.execCommand("insertText", false, text.split(/[\r\n]/)[0]);
}

// The first click of a double-click on a closing button closes its window; the second would
// land on whatever lay beneath, a field that then takes the focus and the caret. A press within
// the double-click time and distance of one whose window has closed since is the rest of that
// gesture, and it goes nowhere, with its release, click and double-click. The page cannot ask
// the system for its double-click settings: these are the desktop's defaults.
const kDoubleClickTime = 500;  // ms
const kDoubleClickDistance = 2;  // px either way
let lastPress = null;
let swallowing = false;

function EndsClosingDoubleClick(event) {
    return lastPress !== null && lastPress.dialog !== null && !lastPress.dialog.isConnected &&
           event.button === lastPress.button &&
           event.timeStamp - lastPress.time < kDoubleClickTime &&
           Math.abs(event.screenX - lastPress.x) <= kDoubleClickDistance &&
           Math.abs(event.screenY - lastPress.y) <= kDoubleClickDistance;
}

function Swallow(event) {
    if (swallowing) {
        event.preventDefault();
        event.stopImmediatePropagation();
    }
}

window.addEventListener("mousedown", (event) => {
    swallowing = EndsClosingDoubleClick(event);
    lastPress = swallowing ? null : {dialog: event.target.closest("dialog"), button: event.button,
                                     time: event.timeStamp, x: event.screenX, y: event.screenY};
    Swallow(event);
}, true);
for (const type of ["mouseup", "click", "dblclick"]) {
    window.addEventListener(type, Swallow, true);
}

function FitToScreen() {
    Scale(form1);
    for (const dialog of infoWindows.values()) {
        if (dialog !== null) {
            Place(dialog, {left: dialog.offsetLeft, top: dialog.offsetTop});
        }
    }
}

Control(form1, kForm1.Command1).addEventListener("click", Command1_Click);
Control(form1, kForm1.Command2).addEventListener("click", Command2_Click);
Control(form1, kForm1.Command3).addEventListener("click", Command3_Click);
document.addEventListener("keydown", MoveFocus);
document.addEventListener("paste", PasteFirstLine);
window.addEventListener("resize", FitToScreen);
FitToScreen();
TabOrder(form1)[0].focus();

// Offline after the first visit; a browser without service workers simply goes online. Not
// before the page has loaded: its files first, the copies for offline use after.
if ("serviceWorker" in navigator) {
    window.addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
}
