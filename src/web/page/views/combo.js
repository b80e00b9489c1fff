import { applyCommon } from './common.js';

// A list to pick from. The pick goes to the core and the list goes back to what the core
// shows until its answer arrives. A text that is no entry of the list (the program's
// starting "0") is shown as the chosen one all the same, as on the desktop.
export function createComboBox(control, send) {
  const select = document.createElement('select');
  let items = [];
  let text = '';
  const show = () => {
    const entries = items.includes(text) ? items : [text, ...items];
    const options = entries.map((entry, index) => {
      const option = new Option(entry, entry, false, entry === text);
      if (entry === text && index === 0 && !items.includes(text)) {
        option.disabled = true;
        option.hidden = true;
      }
      return option;
    });
    select.replaceChildren(...options);
    select.selectedIndex = entries.indexOf(text);
  };
  select.addEventListener('change', () => {
    const entry = select.value;
    show();
    send({ type: 'pick', control: control.name, entry });
  });
  const view = {
    element: select,
    box: select,
    apply(change) {
      applyCommon(view, change);
      if ('items' in change) items = change.items;
      if ('text' in change) text = change.text;
      if ('items' in change || 'text' in change) show();
    },
  };
  return view;
}
