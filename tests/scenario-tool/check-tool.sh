#!/usr/bin/env bash
# The scenario tool must fail where it must, in the mode given ("" or --gui):
# - each scenario under failing/ fails at the line listed in expected-failures.txt, with
#   the words expected-messages.txt gives for it, and control characters never reach the
#   terminal raw;
# - every scenario under passing/ passes, and the two under isolated/ pass side by side
#   with --out, each in an output folder of its own;
# - file names lead nowhere through links, a huge failing line is printed once and short;
# - bad arguments, unreadable files and arguments naming no scenario give exit status 2;
#   --help prints the usage on standard output with exit status 0.
set -uo pipefail
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
mode=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "$*"
    status=1
}

output=$("$tool" $mode "$here/failing")
code=$?
found=$(printf '%s\n' "$output" | sed -E "s#^$here/failing/##; s#^([^:]+:[0-9]+):.*#\1#")
if [ "$code" -ne 1 ] || ! diff <(printf '%s\n' "$found") "$here/expected-failures.txt"; then
    fail "failing scenarios: exit $code, output:"
    printf '%s\n' "$output"
fi
while IFS= read -r expected; do
    file=${expected%%: *}
    words=${expected#*: }
    if ! printf '%s\n' "$output" | grep -F "$here/failing/$file:" | grep -qF -- "$words"; then
        fail "failing/$file: the message does not say '$words'"
    fi
done <"$here/expected-messages.txt"
if printf '%s' "$output" | grep -q $'[\x01-\x08\x0b-\x1f\x7f]'; then
    fail "a control character reached the terminal raw"
fi

output=$("$tool" $mode "$here/passing")
code=$?
if [ "$code" -ne 0 ]; then
    fail "passing scenarios: exit $code, output:"
    printf '%s\n' "$output"
fi

# Fault 1: with --out, scenarios side by side write into folders of their own.
output=$(cd "$here" && "$tool" $mode --out "$work/out" isolated)
code=$?
if [ "$code" -ne 0 ] || [ "$(head -n 1 "$work/out/a/same.txt" 2>/dev/null)" != $'Name:      A\r' ] ||
    [ "$(head -n 1 "$work/out/b/same.txt" 2>/dev/null)" != $'Name:      B\r' ] || [ -e "$work/out/same.txt" ]; then
    fail "isolated scenarios with --out: exit $code, output:"
    printf '%s\n' "$output"
fi
# A second run starts from empty output folders again.
printf 'expect-no-file "stale.txt"\n' >"$work/fresh.scn"
mkdir -p "$work/out2/fresh"
printf 'stale\r\n' >"$work/out2/fresh/stale.txt"
if ! "$tool" $mode --out "$work/out2" "$work/fresh.scn" >/dev/null; then
    fail "an output folder from an earlier run was not emptied"
fi

# Fault 2: no way out through links, neither for the expected file nor the output folder.
mkdir -p "$work/outside" "$work/links/scenarios" "$work/links/out"
printf 'secret\r\n' >"$work/outside/secret.txt"
ln -s "$work/outside" "$work/links/scenarios/away"
printf '# comment\nexpect-file "x.txt" "away/secret.txt"\n' >"$work/links/scenarios/through-link.scn"
output=$("$tool" $mode "$work/links/scenarios/through-link.scn")
if ! printf '%s\n' "$output" | grep -q "through-link.scn:2: .*through the link"; then
    fail "expect-file through a link: $output"
fi
ln -s "$work/outside" "$work/links/out/linked"
printf 'save "x.txt"\n' >"$work/links/linked.scn"
output=$("$tool" $mode --out "$work/links/out" "$work/links/linked.scn")
if ! printf '%s\n' "$output" | grep -q "linked.scn:1: .*through the link" || [ ! -e "$work/outside/secret.txt" ]; then
    fail "an output folder through a link: $output"
fi

# Fault 5: a huge failing line is printed once, shortened.
{
    printf 'expect Form1.typ text "'
    head -c 1000000 /dev/zero | tr '\0' 'x'
    printf '"\n'
} >"$work/huge.scn"
output=$("$tool" $mode "$work/huge.scn")
if [ "$(printf '%s\n' "$output" | wc -l)" -ne 2 ] || [ "$(printf '%s' "$output" | wc -c)" -gt 2000 ]; then
    fail "a huge failing line: $(printf '%s' "$output" | head -c 300)"
fi

mkdir -p "$work/empty-folder"
touch "$work/a-file"
for arguments in "" "--bogus $here/failing" "$here/no-such-file.scn" "--out" "$work/empty-folder" \
    "--out $work/a-file $here/passing"; do
    "$tool" $mode $arguments >/dev/null 2>&1
    code=$?
    if [ "$code" -ne 2 ]; then
        fail "arguments '$arguments': exit $code, expected 2"
    fi
done
help=$("$tool" --help 2>"$work/help-errors")
code=$?
if [ "$code" -ne 0 ] || ! printf '%s\n' "$help" | grep -q -- "--out" || [ -s "$work/help-errors" ]; then
    fail "--help: exit $code, standard output: $help"
fi
exit "$status"
