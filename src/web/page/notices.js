// The lines that say how the page stands with its server: the connection is being
// restored, it is closed for good (with the server's reason), or the design the tab had
// was gone and a new one began.
const kStartedAnewSeconds = 20;

export class ConnectionNotices {
  constructor() {
    this.reconnectingLine = document.querySelector('[data-reconnecting]');
    this.closedLine = document.querySelector('[data-disconnected]');
    this.closedText = this.closedLine.querySelector('[data-disconnected-text]');
    this.closedLink = this.closedLine.querySelector('a');
    this.startedAnewLine = document.querySelector('[data-started-anew]');
  }

  reconnecting() {
    this.reconnectingLine.hidden = false;
  }

  // A view arrived: the session is back, or a new one began in place of one that ended.
  open(view) {
    this.reconnectingLine.hidden = true;
    this.startedAnewLine.hidden = !view.startedAnew;
    clearTimeout(this.startedAnewTimer);
    if (view.startedAnew) {
      this.startedAnewTimer = setTimeout(() => {
        this.startedAnewLine.hidden = true;
      }, kStartedAnewSeconds * 1000);
    }
  }

  // `closing` is the server's message when it said why; the program's own end shows its
  // notice elsewhere.
  closed(closing, programEnded) {
    this.reconnectingLine.hidden = true;
    if (programEnded) return;
    this.closedText.textContent = closing?.message ?? 'Die Verbindung zu Korvalde ist getrennt.';
    this.closedLink.textContent = closing?.reason === 'full' ? 'Noch einmal versuchen' : 'Neu beginnen';
    this.closedLine.dataset.reason = closing?.reason ?? '';
    this.closedLine.hidden = false;
  }
}
