import { gestures } from '../state.js';
import { applyCommon } from './common.js';

// Room a field offers before its text scrolls, in letters, as on the desktop.
const kDisplayLetters = 5;
const kEditLetters = 12;

// A field never narrower than the longest text the program has written into it, so
// every value reads fully and nothing moves when a value gets shorter again.
function fitWidth(field, state, text, minimum) {
  const letters = Math.max(minimum, ...text.split('\n').map((line) => [...line].length));
  if (letters > state.widest) {
    state.widest = letters;
    field.style.width = `calc(${letters}ch + 1.2em)`;
  }
}

// A single-line field only the program writes: read-only, no caret, never a Tab stop.
export function createTextField(control) {
  const field = document.createElement('input');
  field.type = 'text';
  field.readOnly = true;
  field.tabIndex = -1;
  field.className = 'display';
  const width = { widest: 0 };
  const view = {
    element: field,
    box: field,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) {
        field.value = change.text;
        fitWidth(field, width, change.text, kDisplayLetters);
      }
    },
  };
  return view;
}

// A multi-line field only the program writes.
export function createTextArea(control) {
  const area = document.createElement('textarea');
  area.readOnly = true;
  area.tabIndex = -1;
  area.className = 'display';
  area.rows = 2;
  const view = {
    element: area,
    box: area,
    apply(change) {
      applyCommon(view, change);
      // Its height follows once it is on screen (layout.js).
      if ('text' in change) area.value = change.text;
    },
  };
  return view;
}

// The field the user types into (the weapon's name). Every edit goes to the core; its
// answer is written back only once no edit is on its way, so that an older answer never
// overwrites what the user has typed since.
export function createEditField(control, send) {
  const field = document.createElement('input');
  field.type = 'text';
  field.spellcheck = false;
  field.autocomplete = 'off';
  const width = { widest: 0 };
  field.addEventListener('input', () => send({ type: 'type', control: control.name, text: field.value }));
  const view = {
    element: field,
    box: field,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change && field.value !== change.text && gestures.pending === 0) {
        field.value = change.text;
        fitWidth(field, width, change.text, kEditLetters);
      }
      if (width.widest === 0) fitWidth(field, width, field.value, kEditLetters);
    },
  };
  return view;
}
