import { applyCaption, applyCommon } from './common.js';

// A menu item. A menu of the window's menu bar opens its popup; an entry of a menu is
// sent as the user's click and closes the popup.
export function createMenuItem(control, send) {
  const item = document.createElement('button');
  item.type = 'button';
  item.setAttribute('role', 'menuitem');
  const view = {
    element: item,
    box: item,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) applyCaption(item, item, change.text);
    },
  };
  item.addEventListener('click', () => {
    if (view.popup) {
      view.toggle();
      return;
    }
    view.closeMenus?.();
    send({ type: 'click', control: control.name });
  });
  return view;
}
