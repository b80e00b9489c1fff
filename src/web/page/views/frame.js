import { applyCommon } from './common.js';

// A frame with its caption; its rows go into `body`. Disabling it disables what it holds,
// as a disabled group does on the desktop.
export function createFrame() {
  const frame = document.createElement('fieldset');
  const legend = document.createElement('legend');
  const body = document.createElement('div');
  body.className = 'frame-body';
  frame.append(legend, body);
  const view = {
    element: frame,
    box: frame,
    body,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) {
        legend.textContent = change.text;
        legend.hidden = change.text === '';
      }
    },
  };
  return view;
}
