import { applyCommon } from './common.js';

export function createLabel() {
  const label = document.createElement('span');
  label.className = 'label';
  const view = {
    element: label,
    box: label,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) label.textContent = change.text;
    },
  };
  return view;
}
