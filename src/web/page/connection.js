import { gestures } from './state.js';

// The one WebSocket to the server. Every gesture gets a number, and every answer names
// the gesture it answers, so the page always knows how many are still on their way.
export class Connection {
  constructor(onMessage, onClosed) {
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    this.socket = new WebSocket(`${scheme}//${location.host}/ws`);
    this.lastId = 0;
    this.waiting = new Set();
    this.socket.addEventListener('message', (event) => {
      const message = JSON.parse(event.data);
      if (message.id !== null && message.id !== undefined && this.waiting.delete(message.id)) {
        gestures.pending = this.waiting.size;
      }
      onMessage(message);
      gestures.changed();
    });
    this.socket.addEventListener('close', () => {
      this.waiting.clear();
      gestures.pending = 0;
      gestures.changed();
      onClosed();
    });
  }

  isOpen() {
    return this.socket.readyState === WebSocket.OPEN;
  }

  // Hands the server one gesture: {type, window, control, ...}.
  send(gesture) {
    if (!this.isOpen()) return;
    const id = this.#next();
    this.socket.send(JSON.stringify({ id, ...gesture }));
  }

  // An upload is one binary message: a line of JSON that names the file, then its bytes.
  // It counts as on its way from the moment it is chosen, while the browser still reads
  // the file, so nobody takes the page for settled in between.
  upload(name, readBytes) {
    if (!this.isOpen()) return;
    const id = this.#next();
    readBytes.then(
      (bytes) => {
        const header = new TextEncoder().encode(`${JSON.stringify({ id, type: 'upload', name })}\n`);
        this.socket.send(new Blob([header, bytes]));
      },
      () => {
        this.waiting.delete(id);
        gestures.pending = this.waiting.size;
        gestures.changed();
      },
    );
  }

  #next() {
    const id = ++this.lastId;
    this.waiting.add(id);
    gestures.pending = this.waiting.size;
    gestures.changed();
    return id;
  }
}
