import { plainCaption, showCaption } from '../mnemonics.js';

// What every view does with the properties every control has. `view.element` is what the
// user acts on, `view.box` what stands in the layout (the element itself, or a label
// around it and its caption).
export function applyCommon(view, change) {
  if ('enabled' in change) {
    const element = view.element;
    // Labels, frames and pictures have no disabled state of their own to a tool or a
    // screen reader; a frame's disabled property also disables what it holds.
    if ('disabled' in element) element.disabled = !change.enabled;
    if (!('disabled' in element) || element.tagName === 'FIELDSET') {
      if (change.enabled) element.removeAttribute('aria-disabled');
      else element.setAttribute('aria-disabled', 'true');
    }
    view.box.classList.toggle('disabled', !change.enabled);
  }
  if ('visible' in change) view.box.hidden = !change.visible;
  if ('tooltip' in change) {
    for (const target of new Set([view.element, view.box])) {
      if (change.tooltip) target.title = change.tooltip;
      else target.removeAttribute('title');
    }
  }
}

// A caption with its mnemonic: shown in `target`, the raw text kept on the element.
export function applyCaption(element, target, raw) {
  element.dataset.caption = raw;
  element.dataset.mnemonic = showCaption(target, raw);
  element.setAttribute('aria-label', plainCaption(raw));
}

// A box or button with its caption beside it, in one label, so the caption is clickable.
export function labelled(input, className) {
  const box = document.createElement('label');
  box.className = `control-box ${className}`;
  const caption = document.createElement('span');
  caption.className = 'caption';
  box.append(input, caption);
  return { box, caption };
}

// A check box or option button: the user's click is prevented and sent, so that the box
// shows what the core answers, never its own guess.
export function clickableBox(type, control, send) {
  const input = document.createElement('input');
  input.type = type;
  const { box, caption } = labelled(input, type);
  input.addEventListener('click', (event) => {
    event.preventDefault();
    send({ type: 'click', control: control.name });
  });
  return { input, box, caption };
}
