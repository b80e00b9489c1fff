#!/usr/bin/env bash
# The scenario tool must fail where it must, in the mode given ("" or --gui):
# - each scenario under failing/ fails at the line listed in expected-failures.txt, with a
#   message ending in the words expected-messages.txt gives for it, and control characters
#   never reach the terminal raw;
# - every scenario under passing/ passes, and the two under isolated/ pass side by side
#   with --out, each in an output folder of its own;
# - file names lead nowhere through links, a huge failing line is printed once and short;
# - with --out nothing but each scenario's own output folder is emptied, and runs with one
#   --out take turns; an expected file that is a FIFO is unreadable, not a hang;
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
    message=$(printf '%s\n' "$output" | grep -F "$here/failing/$file:")
    if [[ "$message" != *"$words" ]]; then
        fail "failing/$file: the message does not end in '$words'"
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

# Output folders that are no folder of their own below --out are bad arguments, and the
# run then removes nothing: names with an empty, "." or ".." step, one name for two
# scenarios, an --out holding or inside a scenario folder or holding a scenario file
# (through a link, too).
places=$work/places
make_places() {
    rm -rf "$places"
    mkdir -p "$places/out" "$places/scn" "$places/one" "$places/two"
    printf 'expect Form1 shown true\n' >"$places/scn/x.scn"
    for name in .scn ..scn ...scn; do cp "$places/scn/x.scn" "$places/scn/$name"; done
    cp "$places/scn/x.scn" "$places/one/x.scn"
    cp "$places/scn/x.scn" "$places/two/x.scn"
    ln -s scn "$places/scn-link"
    touch "$places/keep.txt" "$places/out/keep.txt"
}
make_places
kept=$(cd "$places" && find . | sort)
for arguments in "--out out scn/.scn" "--out out scn/..scn" "--out out scn/...scn" "--out out one/x.scn two/x.scn" \
    "--out out one two" "--out scn scn" "--out . scn" "--out scn/out scn" "--out scn-link/out scn" \
    "--out one one/x.scn" "--out scn-link scn/x.scn"; do
    make_places
    output=$(cd "$places" && "$tool" $mode $arguments 2>&1)
    code=$?
    if [ "$code" -ne 2 ] || [ "$(cd "$places" && find . | sort)" != "$kept" ]; then
        fail "arguments '$arguments': exit $code, expected 2 with nothing removed: $output"
    fi
done

# Output folders are compared by where they really are: a link back to --out, or a second
# link to one scenario's folder, fails that scenario instead of emptying or sharing it.
make_places
printf 'copy "sheet.txt" "copied.txt"\nexpect-line "copied.txt" 1 "Name:      A"\n' >"$places/scn/p.scn"
cp "$places/scn/p.scn" "$places/scn/q.scn"
printf 'Name:      A\r\n' >"$places/scn/sheet.txt"
mkdir -p "$places/out/real"
ln -s real "$places/out/p"
ln -s real "$places/out/q"
ln -s . "$places/out/x"
output=$(cd "$places" && "$tool" $mode --out out scn/x.scn scn/p.scn scn/q.scn)
code=$?
if [ "$code" -ne 1 ] || ! printf '%s\n' "$output" | grep -q 'scn/x.scn:1: output folder: .*leads back to the --out folder' ||
    ! printf '%s\n' "$output" | grep -q 'scn/q.scn:1: output folder: .*the output folder of "p"' ||
    ! printf '%s\n' "$output" | grep -q '^1 passed, 2 failed$' || [ ! -e "$places/out/keep.txt" ] ||
    [ ! -e "$places/out/real/copied.txt" ]; then
    fail "output folders reached through links: exit $code, output: $output"
fi

# A second run with the same --out waits until the first lets go of it, before it empties
# anything there.
mkdir -p "$work/locked/x"
touch "$work/locked/x/stale"
exec 9<"$work/locked"
flock 9
"$tool" $mode --out "$work/locked" "$places/scn/x.scn" >"$work/locked.out" 2>"$work/locked.err" 9<&- &
waiter=$!
while kill -0 "$waiter" 2>/dev/null && ! grep -qs "waiting for another run" "$work/locked.err"; do
    sleep 0.1
done
if [ ! -e "$work/locked/x/stale" ] || ! grep -q "waiting for another run" "$work/locked.err"; then
    fail "a run went ahead in a locked --out folder: $(cat "$work/locked.out" "$work/locked.err")"
fi
exec 9<&-
wait "$waiter"
code=$?
if [ "$code" -ne 0 ] || [ -e "$work/locked/x/stale" ]; then
    fail "the run waiting for --out: exit $code, $(cat "$work/locked.out")"
fi

# An expected file that is a FIFO cannot be read; opening it never waits for a writer.
mkdir -p "$work/pipe"
mkfifo "$work/pipe/expected"
printf 'Name:      A\r\n' >"$work/pipe/sheet.txt"
printf 'copy "sheet.txt" "saved.txt"\nexpect-file "saved.txt" "expected"\n' >"$work/pipe/fifo.scn"
output=$("$tool" $mode "$work/pipe/fifo.scn")
if ! printf '%s\n' "$output" | grep -q 'fifo.scn:2: cannot read expected file "expected"'; then
    fail "an expected file that is a FIFO: $output"
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
# Standard error may carry the toolkit's notes about the machine (a missing runtime folder);
# the usage itself belongs on standard output.
if [ "$code" -ne 0 ] || ! printf '%s\n' "$help" | grep -q -- "--out" || grep -q -- "--out" "$work/help-errors"; then
    fail "--help: exit $code, standard output: $help"
    fail "standard error: $(cat "$work/help-errors")"
fi
exit "$status"
