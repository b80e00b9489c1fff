import { createView } from './views/index.js';

// Frames and text areas take the whole width of their frame; a row's last control
// reaches to the end of the widest row, so controls line up in columns.
function fillsWidth(view) {
  return view.kind === 'frame' || view.kind === 'area';
}

// One window of the core: a page of the wizard (<section>) or a dialog (<dialog>), with
// one view per control, laid out in the rows and frames the core gives.
export class WindowView {
  constructor(window, send) {
    this.name = window.name;
    this.kind = window.kind;
    this.shown = false;
    this.views = new Map();
    this.element = document.createElement(window.kind === 'dialog' ? 'dialog' : 'section');
    this.element.className = `window ${window.kind}`;
    this.element.dataset.window = window.name;
    this.element.tabIndex = -1;
    this.heading = document.createElement('h2');
    this.heading.className = 'title';
    this.heading.id = `title-${window.name}`;
    this.element.setAttribute('aria-labelledby', this.heading.id);
    this.body = document.createElement('div');
    this.body.className = 'window-body';
    const sendHere = (gesture) => send({ ...gesture, window: this.name });
    this.closeButton = this.#closeControl(sendHere);
    this.element.append(this.heading, this.closeButton, this.body);
    for (const control of window.controls) this.views.set(control.name, createView(control, sendHere));
    this.#layOut(window.controls);
    this.#buildMenus(window.controls);
    if (window.kind === 'dialog') this.#handleDialogKeys(sendHere);
    this.applyWindow(window);
  }

  // The window's own close control, as a desktop window has one in its title bar: on a
  // page it ends the program, in a dialog it cancels, as the core decides.
  #closeControl(sendHere) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'window-close';
    button.dataset.windowClose = '';
    button.textContent = '\u00d7';
    button.title = 'Schließen';
    button.setAttribute('aria-label', 'Schließen');
    button.tabIndex = -1;
    button.addEventListener('click', () => sendHere({ type: 'close' }));
    return button;
  }

  control(name) {
    return this.views.get(name);
  }

  applyWindow(change) {
    if ('title' in change) {
      this.element.dataset.title = change.title;
      this.heading.textContent = change.title;
    }
    if ('enabled' in change) this.element.inert = !change.enabled;
    if ('shown' in change) this.shown = change.shown;
  }

  applyControl(change) {
    const view = this.views.get(change.control);
    if (!view) return;
    view.apply(change);
    if (this.kind === 'dialog' && 'visible' in change) this.chooseDefaultButton();
  }

  // A dialog is open exactly while the core shows it.
  showOrHideDialog() {
    if (this.kind !== 'dialog') return;
    if (this.shown && !this.element.open) {
      this.chooseDefaultButton();
      this.element.showModal();
    } else if (!this.shown && this.element.open) {
      this.element.close();
    }
  }

  // Enter presses OK; while none of the dialog's boxes is left to tick, OK can do
  // nothing and Enter answers with Cancel, as the dialog's notice asks.
  chooseDefaultButton() {
    const boxes = [...this.views.values()].filter((view) => view.kind === 'checkbox');
    const nothingToTick = boxes.length > 0 && boxes.every((view) => view.box.closest('[hidden]'));
    const wanted = nothingToTick ? 'Cancel' : 'OK';
    this.defaultButton = null;
    for (const view of this.views.values()) {
      if (view.kind !== 'button') continue;
      const isDefault = view.element.dataset.caption.replaceAll('&', '') === wanted;
      view.element.classList.toggle('default', isDefault);
      if (isDefault) this.defaultButton = view.element;
    }
  }

  #handleDialogKeys(send) {
    this.element.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      if (this.defaultButton && !this.defaultButton.disabled) this.defaultButton.click();
    });
    // Escape is the user's close, which the core takes as the dialog's cancel; the
    // dialog stays open until the core hides it.
    this.element.addEventListener('cancel', (event) => {
      event.preventDefault();
      send({ type: 'close' });
    });
  }

  #layOut(controls) {
    const rowsOf = new Map();
    for (const control of controls) {
      if (control.kind === 'menu') continue;
      const parent = this.views.get(control.parent);
      const container = parent?.kind === 'frame' ? parent.body : this.body;
      if (!rowsOf.has(container)) rowsOf.set(container, []);
      const rows = rowsOf.get(container);
      if (!control.sameRow || rows.length === 0) rows.push([]);
      rows.at(-1).push(this.views.get(control.name));
    }
    for (const [container, rows] of rowsOf) {
      const widest = Math.max(...rows.map((row) => row.length));
      const inFrame = container !== this.body;
      if (inFrame) container.style.setProperty('--columns', String(widest));
      rows.forEach((row, r) => {
        const line = document.createElement('div');
        line.className = 'row';
        row.forEach((view, c) => {
          view.box.classList.add(`kind-${view.kind}`);
          line.append(view.box);
          if (!inFrame) return;
          const last = c === row.length - 1;
          view.box.style.gridRow = String(r + 1);
          if (!last) view.box.style.gridColumn = String(c + 1);
          else view.box.style.gridColumn = `${c + 1} / ${fillsWidth(view) ? -1 : widest + 1}`;
        });
        container.append(line);
      });
    }
  }

  // Menu items without a parent menu are the menus of the window's menu bar; the others
  // are the entries of the menu they name, in a popup the menu opens.
  #buildMenus(controls) {
    const items = controls.filter((control) => control.kind === 'menu');
    if (items.length === 0) return;
    const bar = document.createElement('nav');
    bar.className = 'menubar';
    bar.setAttribute('role', 'menubar');
    const popups = new Map();
    const closeAll = () => {
      for (const [menu, popup] of popups) {
        popup.hidden = true;
        this.views.get(menu).element.setAttribute('aria-expanded', 'false');
      }
    };
    for (const control of items) {
      const view = this.views.get(control.name);
      const popup = popups.get(control.parent);
      view.closeMenus = closeAll;
      if (popup) {
        popup.append(view.box);
        continue;
      }
      const menu = document.createElement('div');
      menu.className = 'menu';
      const entries = document.createElement('div');
      entries.className = 'popup';
      entries.setAttribute('role', 'menu');
      entries.dataset.menu = control.name;
      entries.hidden = true;
      view.element.setAttribute('aria-haspopup', 'menu');
      view.element.setAttribute('aria-expanded', 'false');
      view.popup = entries;
      view.toggle = () => {
        const opening = entries.hidden;
        closeAll();
        entries.hidden = !opening;
        view.element.setAttribute('aria-expanded', String(opening));
        if (opening) entries.querySelector('button:not([disabled]):not([hidden])')?.focus();
      };
      menu.append(view.box, entries);
      bar.append(menu);
      popups.set(control.name, entries);
    }
    // A click elsewhere or Escape closes an open menu, as on the desktop.
    document.addEventListener('click', (event) => {
      if (!bar.contains(event.target)) closeAll();
    });
    bar.addEventListener('keydown', (event) => {
      const open = [...popups.values()].find((popup) => !popup.hidden);
      if (!open) return;
      if (event.key === 'Escape') {
        event.preventDefault();
        closeAll();
        this.views.get(open.dataset.menu).element.focus();
        return;
      }
      const entries = [...open.querySelectorAll('button')].filter((entry) => !entry.disabled && !entry.hidden);
      const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
      if (step) {
        event.preventDefault();
        const here = entries.indexOf(document.activeElement);
        entries[(here + step + entries.length) % entries.length]?.focus();
        return;
      }
      // In an open menu the mnemonic letter alone chooses the entry.
      const chosen = entries.find((entry) => entry.dataset.mnemonic === event.key.toLowerCase());
      if (chosen && !event.altKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        chosen.click();
      }
    });
    // A window with a menu bar has its close control at the bar's end, as on one line.
    bar.append(this.closeButton);
    this.element.insertBefore(bar, this.body);
  }
}
