// Captions as the desktop writes them: "&Weiter" shows "Weiter" with the W underlined and
// is chosen with Alt+W; "&&" is a plain ampersand.

// Fills `target` with the caption's text, the mnemonic letter in <u>; returns the letter
// (lower case) or an empty text.
export function showCaption(target, raw) {
  const nodes = [];
  let plain = '';
  let key = '';
  for (let i = 0; i < raw.length; i++) {
    const char = raw[i];
    if (char === '&' && i + 1 < raw.length) {
      const next = raw[++i];
      if (next === '&' || key) {
        plain += next;
        continue;
      }
      if (plain) nodes.push(document.createTextNode(plain));
      plain = '';
      const underlined = document.createElement('u');
      underlined.textContent = next;
      nodes.push(underlined);
      key = next.toLowerCase();
      continue;
    }
    plain += char;
  }
  if (plain) nodes.push(document.createTextNode(plain));
  target.replaceChildren(...nodes);
  return key;
}

// The caption without its mnemonic marks, as a screen reader should read it.
export function plainCaption(raw) {
  return raw.replace(/&(.)/g, '$1');
}

function isReachable(element) {
  if (element.disabled || element.closest('[inert]')) return false;
  return element.getClientRects().length > 0;
}

// Only the controls of the window the user works in carry an access key, so the browser
// never picks a hidden page's "&Weiter".
export function grantAccessKeys(scope) {
  for (const element of document.querySelectorAll('[accesskey]')) element.removeAttribute('accesskey');
  if (!scope) return;
  for (const element of scope.querySelectorAll('[data-mnemonic]')) {
    if (element.dataset.mnemonic && isReachable(element)) element.accessKey = element.dataset.mnemonic;
  }
}

// The letter a key press stands for, whatever the keyboard layout makes of Alt: on a Mac,
// Option+W types a sign of its own.
function letterOf(event) {
  const match = /^(?:Key|Digit)(.)$/.exec(event.code);
  if (match) return match[1].toLowerCase();
  return event.key.length === 1 ? event.key.toLowerCase() : '';
}

// Alt+letter chooses the control of the current window with that mnemonic, where the
// browser leaves the key to the page. Where the browser already acted on an access key it
// has marked the key press handled, and nothing happens twice.
export function handleMnemonicKeys(currentScope) {
  document.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.shiftKey || event.defaultPrevented) return;
    const letter = letterOf(event);
    const scope = currentScope();
    if (!letter || !scope) return;
    for (const element of scope.querySelectorAll('[data-mnemonic]')) {
      if (element.dataset.mnemonic !== letter || !isReachable(element)) continue;
      event.preventDefault();
      element.focus();
      if (element.matches('button, input[type=checkbox], input[type=radio]')) element.click();
      return;
    }
  });
}
