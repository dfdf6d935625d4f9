#!/usr/bin/env bash
# The committed catalogs against the sources: lupdate finds no text that a catalog lacks and none
# that it holds in vain, and lrelease finds every shipped language complete. A text added to the
# sources without `cmake --build build --target update-translations` (and its translations) fails
# here.
set -euo pipefail
root=$1 lupdate=$2 lrelease=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "$root"/translations/firmware-uploader_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    report=$(cd "$root" && "$lupdate" -no-obsolete -locations none -tr-function-alias tr+=english -I src -I tools/unit-sim \
        src tools/unit-sim -ts "$work/$name" 2>&1)
    if ! grep -q "(0 new and" <<<"$report" || grep -q "Removed [1-9]" <<<"$report"; then
        echo "FAIL: $name is not up to date with the sources:"
        grep -E "Found|Removed" <<<"$report" | sed 's/^/    /'
        failed=1
    fi
    if ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL: $name differs from what lupdate writes for the sources:"
        diff "$ts" "$work/$name" | head -20 | sed 's/^/    /'
        failed=1
    fi
    released=$("$lrelease" "$ts" -qm "$work/${name%.ts}.qm" 2>&1)
    if grep -Eq "[1-9][0-9]* unfinished|[1-9][0-9]* untranslated" <<<"$released"; then
        echo "FAIL: $name is not complete:"
        sed 's/^/    /' <<<"$released"
        failed=1
    fi
done
[ $failed -eq 0 ] && echo "every catalog holds exactly the sources' texts, all translated"
exit $failed
