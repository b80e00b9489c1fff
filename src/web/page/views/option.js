import { applyCaption, applyCommon, labelled } from './common.js';

// An option button. As on the desktop, the arrow keys move to the next option button of
// the same frame that can be chosen, and choose it.
export function createOptionButton(control, send) {
  const input = document.createElement('input');
  input.type = 'radio';
  const { box, caption } = labelled(input, 'option');
  input.addEventListener('click', (event) => {
    event.preventDefault();
    send({ type: 'click', control: control.name });
  });
  input.addEventListener('keydown', (event) => {
    const step = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 }[event.key];
    if (!step) return;
    event.preventDefault();
    const group = [...box.parentElement.closest('.frame-body, .window-body').querySelectorAll('input[type=radio]')]
      .filter((other) => other.closest('.frame-body, .window-body') === box.parentElement.closest('.frame-body, .window-body'));
    const here = group.indexOf(input);
    for (let i = 1; i < group.length; i++) {
      const next = group[(((here + step * i) % group.length) + group.length) % group.length];
      if (!next.disabled && next.getClientRects().length > 0) {
        next.focus();
        next.click();
        return;
      }
    }
  });
  const view = {
    element: input,
    box,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) applyCaption(input, caption, change.text);
      if ('state' in change) input.checked = change.state === 'checked';
    },
  };
  return view;
}
