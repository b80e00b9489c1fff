#!/usr/bin/env bash
# Takes the user guide's pictures: a Sturmgewehr through every page, under Xvfb. Each
# picture is a scenario of clicks that the scenario tool runs through the real widgets
# (korvalde-scenario --gui --screenshot) before it saves the windows on screen.
#   docs/screenshots/take-screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
tool=${1:-$root/build}/korvalde-scenario
out=${2:-$root/docs/screenshots}
mkdir -p "$out"
scenarios=$(mktemp -d)
trap 'rm -rf "$scenarios"' EXIT

shoot() { # picture clicks...
    local picture=$1
    shift
    printf 'click %s\n' "$@" >"$scenarios/$picture.scn"
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24" \
        "$tool" --gui --screenshot "$out/$picture.png" "$scenarios/$picture.scn" 2>/dev/null
}

walk=(Form1.Option9)
shoot start-page "${walk[@]}"
walk+=(Form1.Command1 Form2.powerstufe1 Form2.rück2)
shoot page-2 "${walk[@]}"
walk+=(Form2.Weiter1 Form3.gestaltung Form3.gas2)
shoot page-3 "${walk[@]}"
walk+=(Form3.Command2 Form4.schock Form4.zweibein)
shoot page-4 "${walk[@]}"
walk+=(Form4.Command2)
shoot page-5 "${walk[@]}"
# The dialog's own picture is the one to keep, not the page behind it.
shoot mount-dialog "${walk[@]}" Form12.sichtgerät
mv "$out/mount-dialog-Form11.png" "$out/mount-dialog.png"
walk+=(Form12.sichtgerät Form11.aufmontiert Form11.ok Form12.v2 Form12.IR Form12.Command2)
shoot completion-page "${walk[@]}"

# Page 2 in the browser, at a desktop's and a phone's width (the layout check saves the page
# after its scenario).
bin=$(dirname "$tool")
printf 'click %s\n' Form1.Option9 Form1.Command1 Form2.powerstufe1 Form2.rück2 >"$scenarios/browser.scn"
"$bin/korvalde-layout-check" --pictures "$scenarios" "$bin/korvalde-web" "$scenarios/browser.scn" >/dev/null
# The desktop browser's empty space below the page is left out.
convert "$scenarios/browser-1280.png" -trim +repage -bordercolor "#efefef" -border 8 "$out/browser-desktop.png"
mv "$scenarios/browser-390.png" "$out/browser-phone.png"
