import { applyCaption, applyCommon, labelled } from './common.js';

// A check box with three states. The user's click is prevented and sent: the box shows
// what the core answers, never its own guess.
export function createCheckBox(control, send) {
  const input = document.createElement('input');
  input.type = 'checkbox';
  const { box, caption } = labelled(input, 'checkbox');
  input.addEventListener('click', (event) => {
    event.preventDefault();
    send({ type: 'click', control: control.name });
  });
  const view = {
    element: input,
    box,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) applyCaption(input, caption, change.text);
      if ('state' in change) {
        input.checked = change.state === 'checked';
        input.indeterminate = change.state === 'grayed';
      }
    },
  };
  return view;
}
