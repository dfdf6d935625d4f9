#!/usr/bin/env bash
# The Debian package as a user gets it: unpacked into a scratch root, every program runs from
# there and tells its version, every program has a manual page that names exactly the options
# its --help names, the licence is named everywhere, and the desktop entry, the AppStream data
# and the completions are sound.
# Exit 77 (skipped) when scripts/package has not built the package for the current programs.
set -euo pipefail
package_dir=$1
newest_program=$2

deb=$(ls "$package_dir"/firmware-uploader_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
    echo "no package in $package_dir: scripts/package (or scripts/test) builds it"
    exit 77
fi
if [ "$newest_program" -nt "$deb" ]; then
    echo "the package is older than the programs: scripts/package (or scripts/test) rebuilds it"
    exit 77
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
failed=0
fail() { echo "FAIL: $*"; failed=1; }

options_in() { grep -o -- '--[a-z][a-z0-9-]*' | sort -u; }
# Help and version need no display, not even an offscreen one: a terminal over ssh has none.
bare() { env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$@"; }

for program in "$root"/usr/bin/*; do
    name=$(basename "$program")
    out=$(bare "$program" --version 2>/dev/null) ||
        fail "$name --version exits $?"
    [[ $out == *"$version"* ]] || fail "$name --version says \"$out\", not $version"
    [[ $out == *"Licensed under the MIT licence."* ]] || fail "$name --version names no licence"
    short=$(bare "$program" -v 2>/dev/null) || fail "$name -v exits $?"
    [ "$short" = "$out" ] || fail "$name -v says \"$short\", --version \"$out\""
    # One exit status for a bad option in every program, as each manual page says.
    status=0
    QT_QPA_PLATFORM=offscreen timeout 20 "$program" --no-such-option >/dev/null 2>&1 || status=$?
    [ "$status" = 4 ] || fail "$name exits $status after a bad option, not 4"

    page="$root/usr/share/man/man1/$name.1.gz"
    if [ ! -f "$page" ]; then
        fail "$name has no manual page"
        continue
    fi
    help_options=$(bare "$program" --help 2>/dev/null | options_in)
    man_options=$(zcat "$page" | sed 's/\\-/-/g; s/\\f[BIRP]//g' | options_in)
    if [ "$help_options" != "$man_options" ]; then
        fail "$name: options of --help and of the manual page differ:"
        diff <(echo "$help_options") <(echo "$man_options") || true
    fi
done

desktop-file-validate "$root"/usr/share/applications/firmware-uploader.desktop ||
    fail "desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
    fail "AppStream metadata"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6core6' || fail "Depends lacks the Qt libraries"

# The licence in full.
grep -q '^License: MIT$' "$root"/usr/share/doc/firmware-uploader/copyright ||
    fail "copyright file does not name the MIT licence"
grep -q '^ Permission is hereby granted' "$root"/usr/share/doc/firmware-uploader/copyright ||
    fail "copyright file lacks the licence text"
grep -q '<project_license>MIT</project_license>' "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "AppStream data names no project licence"

# Each completion offers exactly the options of --help, and nothing for a value the user types.
for name in firmware-uploader-cli firmware-uploader-station firmware-uploader-unit-sim \
    firmware-uploader-history; do
    completion="$root/usr/share/bash-completion/completions/$name"
    if [ ! -f "$completion" ]; then
        fail "$name has no bash completion"
        continue
    fi
    source "$completion"
    function=$(complete -p "$name" | sed -E 's/.* -F ([^ ]+) .*/\1/')
    COMP_WORDS=("$root/usr/bin/$name" --)
    COMP_CWORD=1
    COMPREPLY=()
    "$function"
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort -u)
    listed=$(QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/$name" --help 2>/dev/null | options_in)
    [ "$offered" = "$listed" ] || fail "$name: completion offers \"$(echo $offered)\", --help lists \"$(echo $listed)\""
    COMP_WORDS=("$root/usr/bin/$name" --port "")
    COMP_CWORD=2
    [ "$name" = firmware-uploader-station ] || [ "$name" = firmware-uploader-history ] &&
        COMP_WORDS[1]=--limit
    COMPREPLY=()
    "$function"
    [ ${#COMPREPLY[@]} -eq 0 ] || fail "$name: completion offers \"${COMPREPLY[*]}\" for a number"
done
COMP_WORDS=(firmware-uploader-history --outcome con)
COMP_CWORD=2
_firmware_uploader_history
[ "${COMPREPLY[*]}" = "connect_failed connection_lost" ] ||
    fail "history completion of --outcome con gives \"${COMPREPLY[*]}\""

[ $failed -eq 0 ] && echo "package $deb: sound"
exit $failed
