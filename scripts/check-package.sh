#!/usr/bin/env bash
# Builds the Debian package from build/, checks it with lintian (no error, no warning),
# installs it, starts the installed program offscreen and checks that it keeps running
# and answers --version, starts the installed browser server and fetches its page, checks
# its systemd unit, then removes the package again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
desktop-file-validate "$root/packaging/org.korvalde.Korvalde.desktop"
appstreamcli validate --no-net --pedantic "$root/packaging/org.korvalde.Korvalde.metainfo.xml" >/dev/null
(cd "$root/build" && cpack -G DEB >/dev/null)
package=$(ls "$root"/build/korvalde_*.deb | head -n 1)
# lintian's note that it runs as root is no finding about the package.
lintian --fail-on error,warning "$package" 2> >(grep -v 'running with root privileges' >&2)
if [ "$(id -u)" -ne 0 ]; then
    echo "Package built ($package); installing it needs root, skipped."
    exit 0
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$package" >/dev/null
status=0
QT_QPA_PLATFORM=offscreen timeout 5 /usr/games/korvalde >/dev/null 2>&1 || status=$?
version=$(/usr/games/korvalde --version)
# The browser server: its page, and a clean end on SIGTERM.
web_out=$(mktemp)
/usr/games/korvalde-web --listen 127.0.0.1:0 >"$web_out" 2>/dev/null &
web=$!
for _ in $(seq 100); do [ -s "$web_out" ] && break; sleep 0.1; done
web_page=$(curl -fsS "$(head -n 1 "$web_out")" || true)
kill -TERM "$web"
web_status=0
wait "$web" || web_status=$?
rm -f "$web_out"
unit_check=$(systemd-analyze verify /lib/systemd/system/korvalde-web.service 2>&1 || echo failed)
dpkg -r korvalde >/dev/null
if [ "$status" -ne 124 ]; then
    echo "The installed korvalde did not keep running (exit status $status)." >&2
    exit 1
fi
if [ "$version" != "Korvalde 1.0.0" ]; then
    echo "The installed korvalde answers --version with \"$version\"." >&2
    exit 1
fi
if [[ "$web_page" != *main.js* || "$web_status" -ne 0 ]]; then
    echo "The installed korvalde-web did not serve its page or end cleanly (exit status $web_status)." >&2
    exit 1
fi
if [ -n "$unit_check" ]; then
    echo "The systemd unit korvalde-web.service has faults: $unit_check" >&2
    exit 1
fi
echo "Package $(basename "$package") installs and starts, korvalde-web too."
