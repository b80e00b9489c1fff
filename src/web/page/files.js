// Files between the player's browser and the session: a saved sheet arrives as a
// download, a sheet to open leaves as an upload, and the weapon card is printed by the
// browser. The server never writes a player's file to its disk.

// Hands the browser the bytes as a file download named `name`.
export function download(name, base64) {
  const binary = atob(base64);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// The file picker the core asks for, and files dropped on the page: both upload the
// file's first bytes, at most as many as the server takes.
export class Uploads {
  constructor(input, connection) {
    this.input = input;
    this.connection = connection;
    this.limit = 0;
    input.addEventListener('change', () => {
      const [file] = input.files;
      if (file) this.upload(file);
      // The same file chosen again is a new choice.
      input.value = '';
    });
    document.addEventListener('dragover', (event) => {
      if (event.dataTransfer?.types.includes('Files')) {
        event.preventDefault();
        event.dataTransfer.dropEffect = 'copy';
      }
    });
    document.addEventListener('drop', (event) => {
      const file = event.dataTransfer?.files[0];
      if (!file) return;
      event.preventDefault();
      this.upload(file);
    });
  }

  choose(accept) {
    this.input.accept = accept.join(',');
    this.input.click();
  }

  upload(file) {
    this.connection.upload(file.name, file.slice(0, this.limit).arrayBuffer());
  }
}

function cell(tag, text) {
  const element = document.createElement(tag);
  element.textContent = text;
  return element;
}

function labelledLine(className, row) {
  const line = document.createElement('p');
  line.className = className;
  line.append(cell('strong', `${row.label}:`), ` ${row.value}`);
  return line;
}

// The weapon card: name, frame, statistics, modifications, price, from top to bottom, on
// one A4 page (see print.css); then the browser's print dialog.
export function printCard(card, target) {
  const table = document.createElement('table');
  for (const row of card.statistics) {
    const line = document.createElement('tr');
    line.append(cell('th', row.label), cell('td', row.value));
    table.append(line);
  }
  const list = document.createElement('ul');
  list.append(...card.modifications.map((entry) => cell('li', entry)));
  target.replaceChildren(
    cell('h1', card.name),
    labelledLine('frame', card.frame),
    table,
    cell('h2', card.modificationsHeading),
    list,
    labelledLine('price', card.price),
  );
  // A long list is set smaller to stay on the one page.
  target.dataset.length = card.modifications.length > 14 ? 'long' : 'short';
  window.print();
}
