import { applyCaption, applyCommon, clickableBox } from './common.js';

// An option button. As on the desktop, the arrow keys move to the next option button of
// the same frame that can be chosen, and choose it.
export function createOptionButton(control, send) {
  const { input, box, caption } = clickableBox('radio', control, send);
  input.addEventListener('keydown', (event) => {
    const step = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 }[event.key];
    if (!step) return;
    event.preventDefault();
    const container = box.closest('.frame-body, .window-body');
    const group = [...container.querySelectorAll('input[type=radio]')].filter(
      (other) => other.closest('.frame-body, .window-body') === container,
    );
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
