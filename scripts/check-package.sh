#!/usr/bin/env bash
# Builds the Debian package from build/, checks it with lintian (no error, no warning),
# installs it, starts the installed program offscreen and checks that it keeps running
# and answers --version, then removes the package again.
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
dpkg -r korvalde >/dev/null
if [ "$status" -ne 124 ]; then
    echo "The installed korvalde did not keep running (exit status $status)." >&2
    exit 1
fi
if [ "$version" != "Korvalde 1.0.0" ]; then
    echo "The installed korvalde answers --version with \"$version\"." >&2
    exit 1
fi
echo "Package $(basename "$package") installs and starts."
