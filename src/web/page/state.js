// What the page knows about its own gestures: how many the server has not answered yet.
// Tools wait for document.body.dataset.pending to read "0" before they look.
export const gestures = {
  pending: 0,
  changed() {
    document.body.dataset.pending = String(this.pending);
  },
};
