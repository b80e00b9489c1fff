// What a reader of the page at this width could not read: the page scrolling sideways, a
// control reaching out of the view or out of the panel that holds it, a caption or a value
// cut off by its own box. Only what is on screen counts: shown windows, shown controls.
(() => {
    const faults = [];
    const view = document.documentElement.clientWidth;
    const slack = 0.5;
    if (document.documentElement.scrollWidth > view + slack)
        faults.push(`the page scrolls sideways: ${document.documentElement.scrollWidth} px wide in a view of ${view}`);
    const nameOf = (element) => {
        const control = element.closest('[data-control]');
        const shell = element.closest('[data-window]');
        const window = shell ? shell.getAttribute('data-window') : '';
        if (control)
            return `${window}.${control.getAttribute('data-control')}`;
        return `${window} ${element.tagName.toLowerCase()} "${element.textContent.trim().slice(0, 40)}"`;
    };
    const onScreen = (element) => element.checkVisibility({visibilityProperty: true}) &&
        element.getClientRects().length > 0;
    const texts = document.querySelectorAll(
        '[data-window] [data-control], [data-window] label, [data-window] legend, [data-message-text], [data-status]');
    for (const element of texts) {
        if (!onScreen(element))
            continue;
        const rect = element.getBoundingClientRect();
        if (rect.width === 0)
            continue;
        const name = nameOf(element);
        if (rect.left < -slack || rect.right > view + slack)
            faults.push(`${name} reaches out of the view (${Math.round(rect.left)} to ${Math.round(rect.right)} of ${view})`);
        for (let holder = element.parentElement; holder && holder !== document.body; holder = holder.parentElement) {
            const overflow = getComputedStyle(holder).overflowX;
            if (overflow === 'visible')
                continue;
            const room = holder.getBoundingClientRect();
            if (overflow === 'hidden' || overflow === 'clip') {
                if (rect.left < room.left - slack || rect.right > room.right + slack)
                    faults.push(`${name} is cut off by the panel around it`);
            } else if (holder.scrollWidth > holder.clientWidth + slack) {
                faults.push(`${name} lies in a panel that scrolls sideways`);
            }
            break;
        }
        if (element.tagName === 'FIELDSET' || element.tagName === 'SELECT' || element.type === 'checkbox' ||
            element.type === 'radio')
            continue;
        // Text wider than its box: the box's scroll width grows past its own width.
        if (element.scrollWidth > element.clientWidth + 1 && element.clientWidth > 0)
            faults.push(`${name} shows its text cut off: "${(element.value ?? element.textContent).trim().slice(0, 60)}"` +
                        ` needs ${element.scrollWidth} px, has ${element.clientWidth}`);
    }
    // A list shows its chosen entry in its box beside the arrow.
    const measure = document.createElement('canvas').getContext('2d');
    for (const list of document.querySelectorAll('[data-window] select[data-control]')) {
        if (!onScreen(list) || list.selectedIndex < 0)
            continue;
        const style = getComputedStyle(list);
        measure.font = style.font;
        const text = list.options[list.selectedIndex].text;
        const room = list.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight) - 16;
        if (measure.measureText(text).width > room + 1)
            faults.push(`${nameOf(list)} shows its entry cut off: "${text}"`);
    }
    return [...new Set(faults)];
})()
