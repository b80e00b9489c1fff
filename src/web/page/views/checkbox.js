import { applyCaption, applyCommon, clickableBox } from './common.js';

// A check box with three states.
export function createCheckBox(control, send) {
  const { input, box, caption } = clickableBox('checkbox', control, send);
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
