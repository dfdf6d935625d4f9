#!/usr/bin/env bash
# README's GNU parallel recipe, run as written against eight simulated units on 127.0.0.1 at
# once: six that take the firmware, one that refuses it (another product) and one where nothing
# listens. Every unit's outcome must be right and every working unit must hold every record.
set -euo pipefail
readme=$1 cli_dir=$2 unit_sim=$3 hexgen=$4
source "$(dirname "$0")/../support/start-unit.sh"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

declare -A expected
echo "# address port" >units.txt
for i in 1 2 3 4 5 6; do
    start_unit "unit$i" --connections 1 --write-hex "received-$i.hex"
    expected[$port]=0
    echo "127.0.0.1 $port" >>units.txt
done
start_unit refusing --profile Corvus
expected[$port]=1
printf '\n127.0.0.1   %s\n' "$port" >>units.txt
start_unit absent --fault no-server
expected[$port]=2
echo "127.0.0.1 $port" >>units.txt
"$hexgen" firmware.hex --records 300 >/dev/null

# The recipe's code block, exactly as README shows it.
sed -n '/^# flash-units:/,/^```$/p' "$readme" | sed '$d' >recipe.sh
grep -q parallel recipe.sh || { echo "no recipe found in README" >&2; exit 1; }
summary=$(PATH="$cli_dir:$PATH" FWU_TIME_SCALE=0.02 FWU_HISTORY="sqlite://$work/history.sqlite" \
    bash recipe.sh </dev/null 2>parallel.err) || true

failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ "$(tail -n +2 flash.joblog | wc -l)" -eq 8 ] || fail "joblog holds $(tail -n +2 flash.joblog | wc -l) units"
for port in "${!expected[@]}"; do
    file="flash-127.0.0.1-$port.jsonl"
    code=$(jq -r 'select(.event == "result") | .exit_code' "$file" 2>/dev/null || echo missing)
    [ "$code" = "${expected[$port]}" ] || fail "unit on port $port: exit $code, expected ${expected[$port]}"
    [ "$(tail -n 1 "$file" | jq -r .event)" = result ] || fail "$file does not end with its result"
done
[ "$(jq -s 'map(select(.event == "result" and .history_saved)) | length' flash-*.jsonl)" -eq 8 ] ||
    fail "not every unit's attempt is in the history"
[ "$(grep -c 'refused (exit 1)' <<<"$summary")" -eq 1 ] || fail "summary misses the refusing unit"
[ "$(grep -c 'connect_failed (exit 2)' <<<"$summary")" -eq 1 ] || fail "summary misses the absent unit"
[ "$(wc -l <<<"$summary")" -eq 2 ] || fail "summary lists more than the two failed units"

# What the unit must receive: every record line but blank ones and those at FC00 to FFFF.
tr -d '\r' <firmware.hex | grep -v '^$' | grep -v '^:..F[C-F]' >sent.hex
for i in 1 2 3 4 5 6; do
    cmp -s sent.hex <(tr -d '\r' <"received-$i.hex") || fail "unit $i did not receive every record"
done

# The serial recipe, as README shows it, against six fresh units: each gets its own number.
mkdir serial && cd serial
echo "# address port" >units.txt
for i in 1 2 3 4 5 6; do
    start_unit "serial$i" --connections 1 --write-hex "received-$i.hex"
    echo "127.0.0.1 $port" >>units.txt
done
"$hexgen" firmware.hex --records 2100 >/dev/null
sed -n '/^# flash-units-serial:/,/^```$/p' "$readme" | sed '$d' >recipe.sh
grep -q -- --serial-from recipe.sh || { echo "no serial recipe found in README" >&2; exit 1; }
numbers=$(PATH="$cli_dir:$PATH" FWU_TIME_SCALE=0.02 FWU_HISTORY="sqlite://$work/history.sqlite" \
    bash recipe.sh </dev/null 2>parallel.err) || true
[ "$(grep -c ' used finished$' <<<"$numbers")" -eq 6 ] || fail "not every unit finished with a number: $numbers"
[ "$(awk '{print $2}' <<<"$numbers" | sort -u | tr '\n' ' ')" = "100000 100001 100002 100003 100004 100005 " ] ||
    fail "the numbers are not 100000 to 100005 once each: $numbers"
for i in 1 2 3 4 5 6; do
    # The record at 0x7FF0 carries the number, little-endian, in its first four data bytes.
    bytes=$(tr -d '\r' <"received-$i.hex" | grep '^:107FF000' | cut -c10-17)
    number=$((16#${bytes:6:2}${bytes:4:2}${bytes:2:2}${bytes:0:2}))
    grep -q " $number used " <<<"$numbers" || fail "unit $i holds $number, which no result names"
done
cd ..

echo "$summary"
[ $failed -eq 0 ] && echo "eight units: six flashed, one refused, one absent; six numbered"
exit $failed
