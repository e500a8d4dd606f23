#!/usr/bin/env bash
# Installs the built program into a fresh folder, as a school would into ~/Tavo, and checks that
# it runs from there and that the user's menu got its entry.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/Tavo"
export HOME="$work/home" XDG_DATA_HOME=

cmake --install "$build" --prefix "$prefix" >/dev/null

passed=0
failures=0
check() { # description command...
    if "${@:2}"; then
        echo "ok: $1"; passed=$((passed + 1))
    else
        echo "FAIL: $1"; failures=$((failures + 1))
    fi
}
entry="$HOME/.local/share/applications/tavo.desktop"
check "the executable is in the folder" test -x "$prefix/Tavo"
check "the icon is beside it" test -s "$prefix/tavo.png"
check "the guide is beside it" test -s "$prefix/guida_utente.html"
# One file to copy or mail: every picture of the guide is inside it.
pictures=$(grep -o '<img [^>]*src="[^"]*' "$prefix/guida_utente.html" | sed 's/.*src="//' || true)
check "the guide holds its pictures" test -n "$pictures"
check "the guide needs no other file" test -z "$(grep -v '^data:image/png;base64,' <<<"$pictures")"
check "the menu entry exists" test -f "$entry"
check "the entry starts the installed program" grep -qx "Exec=\"$prefix/Tavo\"" "$entry"
check "the entry shows the program's icon" grep -qx "Icon=$prefix/tavo.png" "$entry"
check "the entry runs in the program's folder" grep -qx "Path=$prefix" "$entry"
if command -v desktop-file-validate >/dev/null; then
    check "the entry is valid" desktop-file-validate "$entry"
fi

# Run from elsewhere: the program's files belong beside its executable.
printf '0123\r\nA\r\nB\r\nC\r\nD\r\n10\r\n15\r\n3\r\nA5\r\nNo\r\n' >"$prefix/Tavo.cfg"
(cd / && QT_QPA_PLATFORM=offscreen "$prefix/Tavo" --pdf "$work/out.pdf" --targa AB123CD \
    '12VI123456§MARIO*ROSSI' 2>/dev/null)
check "the installed program prints" test -s "$work/out.pdf"
check "it remembers beside itself" grep -q AB123CD "$prefix/Tavo.txt"

echo "$passed passed, $failures failed"
[[ $failures -eq 0 ]]
