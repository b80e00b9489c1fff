// Tooltips live in the title attribute, which a mouse shows on hover. A touch screen has
// no hover: a long press shows the same text in a small box of the page's own, and the
// press is then no click.
const kLongPressMs = 500;

export function showTooltipsOnLongPress() {
  const box = document.createElement('div');
  box.className = 'tooltip';
  box.setAttribute('role', 'tooltip');
  box.hidden = true;
  document.body.append(box);
  let timer = null;
  let shownFor = null;

  const cancel = () => {
    clearTimeout(timer);
    timer = null;
  };
  const hide = () => {
    box.hidden = true;
    shownFor = null;
  };

  document.addEventListener('pointerdown', (event) => {
    hide();
    if (event.pointerType !== 'touch') return;
    const owner = event.target.closest('[title]');
    if (!owner || !owner.title) return;
    cancel();
    timer = setTimeout(() => {
      box.textContent = owner.title;
      box.hidden = false;
      const place = owner.getBoundingClientRect();
      const width = box.offsetWidth;
      box.style.left = `${Math.max(4, Math.min(place.left, window.innerWidth - width - 4)) + window.scrollX}px`;
      box.style.top = `${place.bottom + 6 + window.scrollY}px`;
      shownFor = owner;
    }, kLongPressMs);
  });
  for (const ending of ['pointerup', 'pointercancel', 'scroll']) document.addEventListener(ending, cancel, true);
  // The press that showed the tooltip does not also click what it pressed on.
  document.addEventListener(
    'click',
    (event) => {
      if (shownFor && shownFor.contains(event.target)) {
        event.preventDefault();
        event.stopPropagation();
      }
    },
    true,
  );
  document.addEventListener('contextmenu', (event) => {
    if (shownFor) event.preventDefault();
  });
}
