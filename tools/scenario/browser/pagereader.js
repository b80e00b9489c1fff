// What the scenario driver asks the page, evaluated in the page for each question. It
// reads; every change to the page goes through the browser's input, as a user's, but for
// the entry taken from a list's popup, which the browser draws outside the page.

const windowOf = (name) => document.querySelector(`[data-window="${CSS.escape(name)}"]`);

// The control's element inside its own window (not inside a window nested in it).
function controlOf(windowName, controlName) {
    const shell = windowOf(windowName);
    if (!shell)
        return null;
    for (const element of shell.querySelectorAll(`[data-control="${CSS.escape(controlName)}"]`)) {
        if (element.closest('[data-window]') === shell)
            return element;
    }
    return null;
}

function boxOf(element) {
    const box = element.closest('[data-control-box]');
    return box && box.getAttribute('data-control-box') === element.getAttribute('data-control') ? box : null;
}

function isShown(shell) {
    if (shell.tagName === 'DIALOG')
        return shell.open;
    return !shell.hidden && !shell.closest('[hidden]');
}

function kindOf(element) {
    switch (element.tagName) {
    case 'INPUT':
        if (element.type === 'checkbox')
            return 'CheckBox';
        if (element.type === 'radio')
            return 'OptionButton';
        return element.readOnly ? 'TextField' : 'EditField';
    case 'TEXTAREA':
        return 'TextArea';
    case 'SELECT':
        return 'ComboBox';
    case 'BUTTON':
        return element.getAttribute('role') === 'menuitem' ? 'MenuItem' : 'Button';
    case 'FIELDSET':
        return 'Frame';
    case 'SPAN':
    case 'LABEL':
        return 'Label';
    default:
        return 'Picture';
    }
}

const ownText = (element) => (element.hasAttribute('data-caption') ? element.getAttribute('data-caption') : element.textContent);

function captionOf(element) {
    if (element.hasAttribute('data-caption'))
        return element.getAttribute('data-caption');
    const box = boxOf(element);
    if (box && box.hasAttribute('data-caption'))
        return box.getAttribute('data-caption');
    if (element.labels && element.labels.length > 0)
        return ownText(element.labels[0]);
    return element.textContent;
}

function textOf(element) {
    switch (element.tagName) {
    case 'INPUT':
    case 'TEXTAREA':
        return element.value;
    case 'SELECT':
        return element.selectedIndex < 0 ? '' : element.options[element.selectedIndex].text;
    case 'FIELDSET': {
        if (element.hasAttribute('data-caption'))
            return element.getAttribute('data-caption');
        const legend = element.querySelector(':scope > legend');
        return legend ? ownText(legend) : '';
    }
    default:
        return ownText(element);
    }
}

const isOwnDisabled = (element) => element.disabled === true || element.getAttribute('aria-disabled') === 'true';
const isOwnHidden = (element) => element.hidden || (boxOf(element)?.hidden ?? false);

function readControl(windowName, controlName, property) {
    const element = controlOf(windowName, controlName);
    if (!element)
        return null;
    switch (property) {
    case 'kind':
        return kindOf(element);
    case 'text':
        return textOf(element);
    case 'caption':
        return captionOf(element);
    case 'tooltip':
        return element.getAttribute('title') ?? '';
    case 'state':
        if (element.indeterminate)
            return 'grayed';
        return element.checked ? 'checked' : 'unchecked';
    case 'enabled':
        return isOwnDisabled(element) ? 'false' : 'true';
    case 'visible':
        return isOwnHidden(element) ? 'false' : 'true';
    case 'items':
        return Array.from(element.options, (option) => option.text).join('|');
    }
    return null;
}

function readWindow(windowName) {
    const shell = windowOf(windowName);
    if (!shell)
        return null;
    return {shown: isShown(shell), enabled: !shell.inert && !shell.hasAttribute('inert'), title: shell.dataset.title ?? ''};
}

// Which element a click on the control lands on: the control itself, or the caption a
// styled box draws in its place.
function clickTarget(element) {
    const rect = element.getBoundingClientRect();
    if (rect.width > 0 && rect.height > 0)
        return element;
    for (const label of element.labels ?? []) {
        const box = label.getBoundingClientRect();
        if (box.width > 0 && box.height > 0)
            return label;
    }
    return element;
}

// Does a click at the point reach the control? Its own element, what is inside it, or
// the caption that belongs to it.
function reaches(hit, element) {
    if (!hit)
        return false;
    if (element.contains(hit))
        return true;
    for (const label of element.labels ?? []) {
        if (label.contains(hit))
            return true;
    }
    return false;
}

function describe(element) {
    const shell = element.closest('[data-window]');
    if (element.closest('[data-message]'))
        return 'a message box';
    if (shell)
        return `window ${shell.getAttribute('data-window')}`;
    return `<${element.tagName.toLowerCase()}>`;
}

// What the user clicks to open a closed menu.
function openerOf(menu) {
    if (menu.tagName === 'DETAILS')
        return menu.querySelector(':scope > summary');
    if (menu.id) {
        const controlling = document.querySelector(`[aria-controls="${CSS.escape(menu.id)}"]`);
        if (controlling)
            return controlling;
    }
    const labelledBy = menu.getAttribute('aria-labelledby');
    if (labelledBy && document.getElementById(labelledBy))
        return document.getElementById(labelledBy);
    const before = menu.previousElementSibling;
    if (!before)
        return null;
    return before.matches('button, [aria-haspopup]') ? before : before.querySelector('[aria-haspopup], button');
}

// Where the user clicks to reach the control, brought into view as a user scrolls to it;
// or why the user cannot reach it.
function aim(windowName, controlName) {
    if (hasEnded())
        return {why: 'the program has ended'};
    const shell = windowOf(windowName);
    if (!shell)
        return {why: `window ${windowName} is not loaded`};
    if (!isShown(shell))
        return {why: `window ${windowName} is not shown`};
    if (shell.inert || shell.hasAttribute('inert'))
        return {why: `window ${windowName} is disabled`};
    const element = controlOf(windowName, controlName);
    if (!element)
        return {why: `window ${windowName} has no control ${controlName}`};
    // A closed menu hides its items until the user opens it; the program hid nothing.
    const menu = element.getAttribute('role') === 'menuitem' ? element.closest('[role="menu"], details') : null;
    for (let at = element; at && at !== shell; at = at.parentElement) {
        if (at !== menu && (at.hidden || (at === element && isOwnHidden(element))))
            return {why: `${windowName}.${controlName} is hidden`};
    }
    for (let at = element; at && at !== shell; at = at.parentElement) {
        if (isOwnDisabled(at) || (at === element && element.matches(':disabled')))
            return {why: `${windowName}.${controlName} is disabled`};
    }
    if (menu && element.getClientRects().length === 0) {
        const opener = openerOf(menu);
        if (!opener || opener.getClientRects().length === 0)
            return {why: `${windowName}.${controlName} is in a menu that does not open`};
        opener.scrollIntoView({block: 'center', inline: 'center', behavior: 'instant'});
        const rect = opener.getBoundingClientRect();
        return {open: true, x: rect.left + rect.width / 2, y: rect.top + rect.height / 2};
    }
    const target = clickTarget(element);
    target.scrollIntoView({block: 'center', inline: 'center', behavior: 'instant'});
    const rect = target.getBoundingClientRect();
    if (rect.width <= 0 || rect.height <= 0)
        return {why: `${windowName}.${controlName} is not on screen`};
    const x = rect.left + rect.width / 2;
    const y = rect.top + rect.height / 2;
    const hit = document.elementFromPoint(x, y);
    if (!reaches(hit, element))
        return {why: `${windowName}.${controlName} is covered by ${hit ? describe(hit) : 'nothing clickable'}`};
    return {x, y, kind: kindOf(element), readOnly: element.readOnly === true};
}

// The oldest open message box: its text and where its OK button is.
function messageBox() {
    const box = document.querySelector('dialog[data-message][open]');
    if (!box)
        return null;
    const ok = box.querySelector('[data-message-ok]');
    const text = box.querySelector('[data-message-text]');
    const rect = ok ? ok.getBoundingClientRect() : null;
    return {
        text: text ? text.textContent : '',
        x: rect ? rect.left + rect.width / 2 : -1,
        y: rect ? rect.top + rect.height / 2 : -1,
    };
}

function openModalWindow() {
    const dialog = document.querySelector('dialog[data-window][open]');
    return dialog ? (dialog.dataset.title || dialog.getAttribute('data-window')) : '';
}

function hasEnded() {
    return document.body?.dataset.ended === 'true';
}

// Resolves once the page has begun to answer something (a gesture is pending), or when
// the time given is up: a file chosen is read before it is sent.
function begun(milliseconds) {
    return new Promise((resolve) => {
        const until = Date.now() + milliseconds;
        const check = () => {
            if (document.body?.dataset.pending !== '0' || Date.now() > until)
                resolve(true);
            else
                setTimeout(check, 5);
        };
        check();
    });
}

// Resolves once the page has answered every gesture sent (and has built its first view),
// with the message box it shows then; false when it does not within the time given.
function settled(milliseconds) {
    const isSettled = () =>
        hasEnded() || (document.body?.dataset.ready === 'true' && document.body.dataset.pending === '0');
    return new Promise((resolve) => {
        const until = Date.now() + milliseconds;
        const check = () => {
            if (isSettled())
                resolve({box: messageBox()});
            else if (Date.now() > until)
                resolve(false);
            else
                setTimeout(check, 5);
        };
        check();
    });
}

// Takes the entry from the list as its popup does: selected, and the page told once.
function chooseEntry(windowName, controlName, index) {
    const list = controlOf(windowName, controlName);
    if (!list || list.tagName !== 'SELECT' || index < 0 || index >= list.options.length)
        return false;
    list.focus();
    list.selectedIndex = index;
    list.dispatchEvent(new Event('input', {bubbles: true}));
    list.dispatchEvent(new Event('change', {bubbles: true}));
    return true;
}

// How the user closes the window: a dialog with Escape, a page with its close control.
function closer(windowName) {
    const shell = windowOf(windowName);
    if (shell.tagName === 'DIALOG')
        return {escape: true};
    const button = shell.querySelector('[data-window-close]') ?? document.querySelector('[data-window-close]');
    if (!button)
        return {why: `window ${windowName} has no close control`};
    button.scrollIntoView({block: 'center', inline: 'center', behavior: 'instant'});
    const rect = button.getBoundingClientRect();
    return {x: rect.left + rect.width / 2, y: rect.top + rect.height / 2};
}
