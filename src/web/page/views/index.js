import { createButton } from './button.js';
import { createCheckBox } from './checkbox.js';
import { createComboBox } from './combo.js';
import { createEditField, createTextArea, createTextField } from './field.js';
import { createFrame } from './frame.js';
import { createLabel } from './label.js';
import { createMenuItem } from './menu.js';
import { createOptionButton } from './option.js';
import { createPicture } from './picture.js';

// One view per kind of control the core has.
const kViews = {
  checkbox: createCheckBox,
  option: createOptionButton,
  field: createTextField,
  area: createTextArea,
  edit: createEditField,
  combo: createComboBox,
  button: createButton,
  label: createLabel,
  frame: createFrame,
  menu: createMenuItem,
  picture: createPicture,
};

// The view of `control` ({name, kind, text, ...}), showing every property it came with.
export function createView(control, send) {
  const create = kViews[control.kind] ?? createLabel;
  const view = create(control, send);
  view.kind = control.kind;
  view.name = control.name;
  view.element.dataset.control = control.name;
  if (view.box !== view.element) view.box.dataset.controlBox = control.name;
  view.apply(control);
  return view;
}
