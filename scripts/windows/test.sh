#!/usr/bin/env bash
# Proves the Windows build under Wine, in a private prefix, against the Linux build of the same
# tree: the silent install, the booklet of each layout word for word, the school's files, the
# main window, the exit statuses of printing without windows, and the uninstall.
#   scripts/windows/test.sh              builds what is missing first (Qt for Windows included)
#   scripts/windows/test.sh --if-cached  the same when Qt for Windows is cached; else one line
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
source scripts/windows/common.sh
locate_qt
if [[ "${1:-}" == "--if-cached" ]] && ! qt_cache_ready; then
    echo "Windows test skipped: no Qt for Windows in $qt_prefix (scripts/windows/build.sh makes it)"
    exit 0
fi

install_missing wine wine64 xvfb xauth xdotool imagemagick poppler-utils python3 fonts-liberation
bash scripts/windows/build.sh
scripts/setup.sh
scripts/build.sh --target Tavo >/dev/null

version=$(sed -n 's/^project(Tavo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$root/build-windows/test
rm -rf "$work"
mkdir -p "$work/linux" "$work/runs"
cp build/app/Tavo "$work/linux/"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() { echo "ok: $*"; }

xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    return 0
}
trap cleanup EXIT
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A fresh prefix, without the Mono and Gecko prompts. A Windows PC has Arial and Times New Roman;
# here their metric twins from Liberation stand in.
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
wine wineboot --init >/dev/null 2>&1
fonts='HKCU\Software\Wine\Fonts\Replacements'
wine reg add "$fonts" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
wine reg add "$fonts" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
wineserver -w

wine "build-windows/Tavo-$version-setup.exe" /S
wineserver -w
install=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Tavo)
start_menu=$(echo "$install"/../../../Roaming/Microsoft/Windows/Start\ Menu/Programs)
[[ -f "$install/Tavo.exe" && -f "$install/guida_utente.md" ]] || fail "installed files missing"
[[ -f "$start_menu/Tavo.lnk" ]] || fail "no Start menu entry"
pass "silent install into $(basename "$(dirname "$(dirname "$install")")")/Programs/Tavo"

# Both programs print from their own folder, with the same Tavo.cfg (Windows-1252, CR LF): a
# heading with "À" and "Ò".
settings() { # format pages collate
    printf '%s\r\n' 0123 $'AUTOSCUOLA CITT\xc0 ALTA' $'DI NICOL\xd2 BIANCHI & C.' 'VIA ROMA, 1' \
        '36100 VICENZA (VI)' 10 15 "$2" "$1" "$3" | tee "$work/linux/Tavo.cfg" >"$install/Tavo.cfg"
}
learner='12VI123456§MARIO*ROSSI'
run_linux() { (cd "$work/runs" && "$work/linux/Tavo" "$@"); }
run_windows() { (cd "$work/runs" && wine "$install/Tavo.exe" "$@"); }

for layout in "A5 6 No" "A4 6 No" "A4 6 Si"; do
    read -r format pages collate <<<"$layout"
    settings "$format" "$pages" "$collate"
    name=$format-$pages-$collate
    options=(--targa AB123CD --istruttore "ANNA NERI" --pdf)
    run_linux "${options[@]}" "linux-$name.pdf" "$learner" || fail "$name: Linux build failed"
    run_windows "${options[@]}" "windows-$name.pdf" "$learner" ||
        fail "$name: Tavo.exe exited with $?"
    python3 scripts/compare_pdfs.py "$work/runs/linux-$name.pdf" \
        "$work/runs/windows-$name.pdf" || fail "$name: the booklets differ"
    text=$(pdftotext "$work/runs/windows-$name.pdf" -)
    [[ $text == *'AUTOSCUOLA CITTÀ ALTA'* && $text == *'DI NICOLÒ BIANCHI'* ]] ||
        fail "$name: accented heading"
    pass "$name: same pages, texts and word positions as the Linux build"
done

cmp -s "$work/linux/Tavo.txt" "$install/Tavo.txt" || fail "Tavo.txt differs from Linux's"
cmp -s <(printf 'AB123CD\r\nANNA NERI\r\n\r\n') "$install/Tavo.txt" ||
    fail "Tavo.txt: $(od -c "$install/Tavo.txt")"
pass "Tavo.txt written with CR LF"

# Printing without windows answers as on Linux: the status, and the message on standard error
# (the reason the system gives after it is the system's own).
expect_same() { # status message arguments...
    local want=$1 message=$2 linux_status=0 windows_status=0
    shift 2
    run_linux "$@" >"$work/linux.out" 2>"$work/linux.err" || linux_status=$?
    run_windows "$@" >"$work/windows.out" 2>"$work/windows.err" || windows_status=$?
    [[ $linux_status == "$want" && $windows_status == "$want" ]] ||
        fail "$*: exit $windows_status on Windows, $linux_status on Linux, $want wanted"
    if [[ -n $message ]] && ! { grep -qF "$message" "$work/linux.err" &&
        grep -qF "$message" "$work/windows.err"; }; then
        fail "$*: \"$message\" wanted;" \
            "Windows: $(cat "$work/windows.err"), Linux: $(cat "$work/linux.err")"
    fi
    pass "exit $want, \"$message\": $*"
}
settings A4 3 No
expect_same 2 "Numero autorizzazione errato" --pdf bad.pdf '12VI12345§MARIO*ROSSI'
expect_same 1 "Stampante sconosciuta: NessunaCoda" --stampante NessunaCoda "$learner"
expect_same 1 "Impossibile scrivere il file PDF manca" --pdf manca/out.pdf "$learner"
expect_same 1 "Tavo: Manca il valore dell'opzione --pdf" --pdf
expect_same 0 "" --help
iconv -f WINDOWS-1252 -t UTF-8 "$work/windows.out" | tr -d '\r' | cmp -s - "$work/linux.out" ||
    fail "--help: $(cat "$work/windows.out")"

# The main window, on the X server through Wine, with the learner from the command line.
(cd "$install" && wine Tavo.exe "$learner" >/dev/null 2>&1 &)
title="^Stampa Libretti Guide versione $version\$"
window=$(timeout 60 xdotool search --sync --onlyvisible --name "$title") || fail "no main window"
# Wine centres the window on the screen, where the pointer starts: move the pointer away, or
# the text box under it shows its hover look.
xdotool mousemove 0 0
sleep 1
import -window "$window" "$work/main_window_wine.png"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')
pass "main window $size, picture in build-windows/test/main_window_wine.png"
wineserver -k
wineserver -w

wine "$install/Disinstalla.exe" /S
wineserver -w
[[ ! -e "$install/Tavo.exe" && ! -e "$start_menu/Tavo.lnk" ]] || fail "uninstall left the program"
[[ -f "$install/Tavo.cfg" && -f "$install/Tavo.txt" ]] ||
    fail "uninstall removed the school's files"
pass "uninstall keeps Tavo.cfg and Tavo.txt"
