// Layout the stylesheet cannot decide alone. Both run after every batch of changes and
// when the window is resized; neither changes what a control shows.

// On a narrow screen each frame keeps its columns only while they fit; otherwise its rows
// wrap. Inner frames are decided first, as the outer ones hold them.
const narrow = window.matchMedia('(max-width: 720px)');

function fitFrames(scope) {
  const bodies = [...scope.querySelectorAll('.frame-body')].reverse();
  for (const body of bodies) {
    body.classList.remove('wrap');
    if (!narrow.matches) continue;
    body.classList.add('measuring');
    const wanted = body.offsetWidth;
    body.classList.remove('measuring');
    body.classList.toggle('wrap', wanted > body.clientWidth + 1);
  }
}

// A multi-line field is as tall as its text at the width it has now.
function fitAreas(scope) {
  for (const area of scope.querySelectorAll('textarea.display')) {
    area.style.height = 'auto';
    area.style.height = `${area.scrollHeight + 2}px`;
  }
}

export function fitLayout(windows) {
  for (const scope of windows) {
    fitFrames(scope);
    fitAreas(scope);
  }
}
