import { applyCommon } from './common.js';

// A decorative picture of the program's own drawing, chosen by name.
export function createPicture() {
  const picture = document.createElement('img');
  picture.alt = '';
  picture.className = 'picture';
  const view = {
    element: picture,
    box: picture,
    apply(change) {
      applyCommon(view, change);
      if ('text' in change) picture.src = `pictures/${encodeURIComponent(change.text)}.svg`;
    },
  };
  return view;
}
