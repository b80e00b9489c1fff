import { applyCaption, applyCommon } from './common.js';

export function createButton(control, send) {
  const button = document.createElement('button');
  button.type = 'button';
  button.addEventListener('click', () => send({ type: 'click', control: control.name }));
  const view = {
    element: button,
    box: button,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) applyCaption(button, button, change.text);
    },
  };
  return view;
}
