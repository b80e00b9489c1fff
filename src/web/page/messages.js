// Message boxes, one at a time in the order the core showed them. The core has already
// gone on (a message box's only answer is OK); OK or Escape shows the next one.
export class MessageBoxes {
  constructor(dialog) {
    this.dialog = dialog;
    this.queue = [];
    this.title = dialog.querySelector('[data-message-title]');
    this.text = dialog.querySelector('[data-message-text]');
    this.detail = dialog.querySelector('[data-message-detail]');
    this.icon = dialog.querySelector('[data-message-icon]');
    const ok = dialog.querySelector('[data-message-ok]');
    ok.addEventListener('click', (event) => {
      event.preventDefault();
      this.#dismiss();
    });
    // Enter answers OK wherever the focus is, as on the desktop.
    dialog.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      this.#dismiss();
    });
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.#dismiss();
    });
  }

  show(message) {
    this.queue.push(message);
    if (!this.dialog.open) this.#next();
  }

  // The boxes still open come again with the view after a reconnect.
  clear() {
    this.queue = [];
    if (this.dialog.open) this.dialog.close();
  }

  #dismiss() {
    this.dialog.close();
    this.#next();
  }

  #next() {
    const message = this.queue.shift();
    if (!message) return;
    this.title.textContent = message.title || 'Korvalde';
    this.text.textContent = message.text;
    this.detail.textContent = message.detail;
    this.detail.hidden = !message.detail;
    this.icon.dataset.icon = message.icon;
    this.dialog.showModal();
  }
}
