import { fitLayout } from './layout.js';
import { WindowView } from './windowview.js';

// Every loaded window of the core, in the order they were made. One page is on screen at
// a time: the one the core shows in front; dialogs open over it.
export class WindowSet {
  constructor(container, send) {
    this.container = container;
    this.send = send;
    this.windows = new Map();
    this.front = '';
  }

  create(window) {
    this.discard(window.name);
    const view = new WindowView(window, this.send);
    this.windows.set(window.name, view);
    if (view.kind === 'page') view.element.hidden = true;
    this.container.append(view.element);
  }

  discard(name) {
    const view = this.windows.get(name);
    if (!view) return;
    if (view.element.open) view.element.close();
    view.element.remove();
    this.windows.delete(name);
  }

  // Before the view of a session that comes back: nothing of the old mirror stays.
  clear() {
    for (const name of [...this.windows.keys()]) this.discard(name);
    this.front = '';
  }

  get(name) {
    return this.windows.get(name);
  }

  // After a batch of changes: the page in front is the one shown, and the dialogs the
  // core shows are open.
  settle(front) {
    const changed = front !== this.front;
    const focusWasInPage = !document.activeElement || document.activeElement === document.body ||
      this.windows.get(this.front)?.element.contains(document.activeElement);
    this.front = front;
    for (const view of this.windows.values()) {
      if (view.kind === 'page') view.element.hidden = view.name !== front;
    }
    for (const view of this.windows.values()) view.showOrHideDialog();
    this.fit();
    const page = this.windows.get(front);
    document.title = page ? page.element.dataset.title.replaceAll('"', '') : 'Korvalde';
    if (changed && page) {
      window.scrollTo(0, 0);
      if (focusWasInPage) page.element.focus({ preventScroll: true });
    }
  }

  // Lays out what is on screen for the width it has.
  fit() {
    fitLayout([...this.windows.values()].filter((view) => view.name === this.front || view.element.open).map((view) => view.element));
  }

  // The window the user works in: the last dialog opened, or the page in front.
  current() {
    const open = [...document.querySelectorAll('dialog[open]')];
    return open.at(-1) ?? this.windows.get(this.front)?.element ?? null;
  }
}
