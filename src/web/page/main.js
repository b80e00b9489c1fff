import { Connection } from './connection.js';
import { download, printCard, Uploads } from './files.js';
import { MessageBoxes } from './messages.js';
import { ConnectionNotices } from './notices.js';
import { grantAccessKeys, handleMnemonicKeys } from './mnemonics.js';
import { gestures } from './state.js';
import { showTooltipsOnLongPress } from './tooltip.js';
import { WindowSet } from './windows.js';

// The page mirrors the session's windows: it builds them from the server's view, applies
// the changes each gesture brings back, and sends nothing but the user's gestures.

const body = document.body;
const kStatusSeconds = 5;
let statusTimer = null;

const notices = new ConnectionNotices();
const connection = new Connection(receive, (state, closing) => {
  if (state === 'reconnecting') {
    // Tools wait for the view before they look again.
    body.dataset.ready = 'false';
    notices.reconnecting();
  }
  else if (state === 'closed') notices.closed(closing, body.dataset.ended === 'true');
});
const windows = new WindowSet(document.querySelector('[data-windows]'), (gesture) => connection.send(gesture));
const messages = new MessageBoxes(document.querySelector('[data-message]'));
const uploads = new Uploads(document.querySelector('[data-upload]'), connection);

document.querySelector('[data-no-script]').hidden = true;
gestures.changed();
handleMnemonicKeys(() => windows.current());
showTooltipsOnLongPress();
let resizing = null;
window.addEventListener('resize', () => {
  cancelAnimationFrame(resizing);
  resizing = requestAnimationFrame(() => windows.fit());
});

function showStatus(text) {
  const status = document.querySelector('[data-status]');
  status.textContent = text;
  clearTimeout(statusTimer);
  statusTimer = setTimeout(() => {
    status.textContent = '';
  }, kStatusSeconds * 1000);
}

function apply(change) {
  switch (change.op) {
    case 'create':
      windows.create(change);
      break;
    case 'discard':
      windows.discard(change.window);
      break;
    case 'window':
      windows.get(change.window)?.applyWindow(change);
      break;
    case 'control':
      windows.get(change.window)?.applyControl(change);
      break;
    case 'message':
      messages.show(change);
      break;
    case 'download':
      download(change.name, change.bytes);
      break;
    case 'status':
      showStatus(change.text);
      break;
    case 'choose-file':
      uploads.choose(change.accept);
      break;
    case 'print':
      printCard(change.card, document.querySelector('[data-card]'));
      break;
    case 'ended':
      connection.end();
      body.dataset.ended = 'true';
      document.querySelector('[data-ended]').hidden = false;
      break;
    default:
      console.warn('unknown change', change);
  }
}

function receive(message) {
  if (message.type === 'error') {
    // The page sent what the session could not take (a control changed under the
    // user's click, say): the core changed nothing, and neither does the page.
    console.warn(`Korvalde: ${message.message}`);
    return;
  }
  if (message.type === 'view') {
    // After a reconnect the view is the whole session again, as the server kept it.
    windows.clear();
    messages.clear();
    notices.open(message);
    uploads.limit = message.uploadLimit;
    for (const window of message.windows) windows.create(window);
  }
  // The windows first, so that a message box stands over the page as it is now.
  const requests = [];
  for (const change of message.changes) {
    if (['create', 'discard', 'window', 'control'].includes(change.op)) apply(change);
    else requests.push(change);
  }
  windows.settle(message.front);
  for (const request of requests) apply(request);
  grantAccessKeys(windows.current());
  if (message.type === 'view') body.dataset.ready = 'true';
}
