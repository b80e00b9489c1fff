import { gestures } from './state.js';

// The session's token stays with the tab: a reload or a lost connection comes back to the
// same design, another tab starts its own.
const kTokenKey = 'korvalde.session';
// Waits before each try to reconnect: quick at first, then every few seconds.
const kRetryMs = [200, 500, 1000, 2000, 4000];

// The one WebSocket to the server. Every gesture gets a number, and every answer names
// the gesture it answers, so the page always knows how many are still on their way. When
// the connection drops, it comes back on its own and asks for its session again; only
// the server's word ("closing") or the program's end closes it for good.
export class Connection {
  // onMessage(message) for every message but "closing" (a view tells whether the session
  // came back); onState(state, closing) when the connection is 'reconnecting' or 'closed'
  // for good (with the server's closing message, if it sent one).
  constructor(onMessage, onState) {
    this.onMessage = onMessage;
    this.onState = onState;
    this.lastId = 0;
    this.waiting = new Set();
    this.tries = 0;
    this.finished = false;
    this.#open();
  }

  #open() {
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    const token = sessionStorage.getItem(kTokenKey);
    const query = token ? `?resume=${encodeURIComponent(token)}` : '';
    this.askedToResume = Boolean(token);
    this.closing = null;
    this.socket = new WebSocket(`${scheme}//${location.host}/ws${query}`);
    this.socket.addEventListener('message', (event) => this.#receive(JSON.parse(event.data)));
    this.socket.addEventListener('close', () => this.#lost());
  }

  #receive(message) {
    if (message.type === 'closing') {
      this.closing = message;
      return;
    }
    if (message.type === 'view') {
      sessionStorage.setItem(kTokenKey, message.token);
      // The server kept no session under the token: this is a new design.
      message.startedAnew = this.askedToResume && !message.resumed;
      this.tries = 0;
    }
    if (message.id !== null && message.id !== undefined && this.waiting.delete(message.id)) {
      gestures.pending = this.waiting.size;
    }
    this.onMessage(message);
    gestures.changed();
  }

  #lost() {
    // An answer that never came is not waited for: the view after reconnecting shows
    // what the gesture did, if it arrived.
    this.waiting.clear();
    gestures.pending = 0;
    gestures.changed();
    if (this.finished || this.closing) {
      this.finished = true;
      if (this.closing?.reason !== 'elsewhere') sessionStorage.removeItem(kTokenKey);
      this.onState('closed', this.closing);
      return;
    }
    this.onState('reconnecting');
    const wait = kRetryMs[Math.min(this.tries, kRetryMs.length - 1)];
    this.tries += 1;
    setTimeout(() => this.#open(), wait);
  }

  // The program has ended: the server closes the connection, and the page lets it go.
  end() {
    this.finished = true;
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
