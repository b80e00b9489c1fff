#!/usr/bin/env bash
# The scenario tool must fail where it must: each scenario under failing/ fails at the
# line listed in expected-failures.txt, in the mode given ("" or --gui); bad arguments
# and unreadable files give exit status 2.
set -uo pipefail
tool=$1
mode=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
status=0

output=$("$tool" $mode "$here/failing")
code=$?
found=$(printf '%s\n' "$output" | sed -E "s#^$here/failing/##; s#^([^:]+:[0-9]+):.*#\1#")
if [ "$code" -ne 1 ] || ! diff <(printf '%s\n' "$found") "$here/expected-failures.txt"; then
    echo "failing scenarios: exit $code, output:"
    printf '%s\n' "$output"
    status=1
fi

for arguments in "" "--bogus $here/failing" "$here/no-such-file.scn" "--out"; do
    "$tool" $mode $arguments >/dev/null 2>&1
    code=$?
    if [ "$code" -ne 2 ]; then
        echo "arguments '$arguments': exit $code, expected 2"
        status=1
    fi
done
exit "$status"
