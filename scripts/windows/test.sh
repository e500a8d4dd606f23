#!/usr/bin/env bash
# Proves the Windows build under Wine, in a private prefix, against the Linux build of the same
# tree: what Tavo.exe links, the silent install, the booklet of each layout word for word, the
# school's files, the exit statuses of printing without windows, the main window at 100 % and
# 150 %, a running Tavo met by the installer and the uninstaller, the upgrade and the uninstall.
# It builds what is missing first, Qt for Windows included (half an hour, the first time).
#   scripts/windows/test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
source scripts/windows/common.sh
source scripts/windows/test_printing.sh

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

# ---- What Tavo.exe is made of ----
# One file that runs on any Windows 10 or later: it may import only DLLs that come with Windows,
# never Qt's, MinGW's (libstdc++, libgcc, libwinpthread) or a compiler's runtime. The list is
# Windows' own, wider than what Tavo imports today.
exe=build-windows/Tavo/Tavo.exe
windows_dlls=(advapi32 authz bcrypt comctl32 comdlg32 crypt32 d2d1 d3d11 d3d12 d3d9 dwmapi dwrite
    dxgi gdi32 gdiplus imm32 iphlpapi kernel32 mpr msimg32 msvcrt netapi32 ntdll ole32 oleacc
    oleaut32 rpcrt4 setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm
    winspool.drv ws2_32 wtsapi32)
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' |
    tr '[:upper:]' '[:lower:]')
[[ -n $imports ]] || fail "no imports read from Tavo.exe"
for dll in $imports; do
    [[ " ${windows_dlls[*]} " == *" ${dll%.dll} "* || $dll == api-ms-win-* ]] ||
        fail "Tavo.exe imports $dll, which Windows does not have"
done
pass "Tavo.exe imports only Windows' own DLLs:" $imports
# Without it Qt falls back to its Fusion look, which no other Windows program has.
grep -qa QWindowsVistaStylePlugin "$exe" || fail "Tavo.exe lacks Qt's Windows style"
pass "Tavo.exe links Qt's Windows style"
zip_files=$(python3 -m zipfile -l "build-windows/Tavo-$version-windows.zip")
[[ $zip_files == *Tavo/Tavo.exe* && $zip_files == *Tavo/guida_utente.html* ]] ||
    fail "the zip lacks Tavo.exe or the guide: $zip_files"
pass "the zip holds Tavo.exe and guida_utente.html"

xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    stop_print_server
}
trap cleanup EXIT
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# ---- Print server ----
# It comes first: Wine finds its queues when the prefix starts.
printing=yes
start_print_server || printing=

# ---- Prefix setup ----
# A fresh prefix, without the Mono and Gecko prompts. A Windows PC has Arial and Times New Roman;
# here their metric twins from Liberation stand in.
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
wine wineboot --init >/dev/null 2>&1
fonts='HKCU\Software\Wine\Fonts\Replacements'
wine reg add "$fonts" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
wine reg add "$fonts" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
wineserver -w

# ---- Install ----
wine "build-windows/Tavo-$version-setup.exe" /S
wineserver -w
install=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Tavo)
start_menu=$(echo "$install"/../../../Roaming/Microsoft/Windows/Start\ Menu/Programs)
[[ -f "$install/Tavo.exe" && -f "$install/guida_utente.html" ]] || fail "installed files missing"
[[ -f "$start_menu/Tavo.lnk" ]] || fail "no Start menu entry"
grep -qa 'guida_utente.html' "$start_menu/Guida di Tavo.lnk" ||
    fail "no Start menu entry \"Guida di Tavo\" for the guide"
pass "silent install into $(basename "$(dirname "$(dirname "$install")")")/Programs/Tavo"

# The list of programs shows who made Tavo, its version and its size (in KiB).
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavo'
wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' >"$work/uninstall_key.txt" || true
entry() { awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' \
    "$work/uninstall_key.txt"; }
[[ $(entry Publisher) == Tavo && $(entry DisplayVersion) == "$version" ]] ||
    fail "uninstall entry: $(cat "$work/uninstall_key.txt")"
size=$(($(entry EstimatedSize)))
files=$(du -k --apparent-size "$install/Tavo.exe" "$install/guida_utente.html" |
    awk '{ s += $1 } END { print s }')
((size >= files - 2 && size <= files + 2)) || fail "EstimatedSize $size KiB, files $files KiB"
pass "uninstall entry: Publisher, version $version, EstimatedSize $size KiB"

# ---- Booklets ----
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

# ---- Printing through Windows' own print engine ----
[[ -n "$printing" ]] && test_printing

# ---- Exit statuses ----
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

# ---- Window ----
# The main window, on the X server through Wine, with the learner from the command line.
title="^Stampa Libretti Guide versione $version\$"
show_window() { # picture
    (cd "$install" && wine Tavo.exe "$learner" >/dev/null 2>&1 &)
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$title") ||
        fail "no main window"
    # Wine centres the window on the screen, where the pointer starts: move the pointer away, or
    # the text box under it shows its hover look.
    xdotool mousemove 0 0
    sleep 1
    import -window "$window" "$work/$1"
    read -r width height < <(xdotool getwindowgeometry "$window" |
        sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
}
show_window main_window_wine.png
normal_width=$width normal_height=$height
pass "main window ${width}x$height, picture in build-windows/test/main_window_wine.png"

# ---- A running Tavo ----
# Its Tavo.exe is locked: the installer and the uninstaller notice it and, asked to be silent,
# give up with a failure status rather than half replace the program.
cp "$install/Tavo.exe" "$work/running.exe"
status=0
wine "build-windows/Tavo-$version-setup.exe" /S || status=$?
((status != 0)) || fail "the installer went on while Tavo was running"
cmp -s "$install/Tavo.exe" "$work/running.exe" || fail "the installer touched a running Tavo.exe"
status=0
wine "$install/Disinstalla.exe" /S "_?=$(winepath -w "$install")" || status=$?
((status != 0)) && [[ -f "$install/Tavo.exe" ]] || fail "the uninstaller removed a running Tavo"
pass "installer and uninstaller stop while Tavo runs (exit $status)"
# Not silent, the installer asks, in Italian, to close Tavo first (the buttons are Windows' own:
# Wine speaks Italian for them as an Italian Windows would), and goes on once it is closed.
installer_title="^Installazione di Tavo $version" # its pages add a blank
LC_ALL=it_IT.UTF-8 wine "build-windows/Tavo-$version-setup.exe" >/dev/null 2>&1 &
question=$(timeout 30 xdotool search --sync --onlyvisible --name "$installer_title") ||
    fail "the installer did not ask to close Tavo"
sleep 1
import -window "$question" "$work/installer_tavo_aperto.png"
wine taskkill /IM Tavo.exe /F >/dev/null 2>&1
for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool windowfocus --sync "$question"
xdotool key Return # Riprova
for _ in $(seq 300); do
    pages=$(xdotool search --onlyvisible --name "$installer_title" 2>/dev/null |
        grep -vx "$question") && break
    sleep 0.1
done
[[ -n $pages ]] || fail "the installer did not go on once Tavo was closed"
pass "the installer asks to close Tavo and goes on after Riprova:" \
    "build-windows/test/installer_tavo_aperto.png"
wineserver -k
wineserver -w

# ---- Window at 150 % ----
# At 150 % (144 dots per inch, as Windows' display settings set it) everything grows alike.
desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
show_window main_window_wine_150.png
((2 * width >= 3 * normal_width - 4 && 2 * width <= 3 * normal_width + 4 &&
    2 * height >= 3 * normal_height - 4 && 2 * height <= 3 * normal_height + 4)) ||
    fail "at 150 % the window is ${width}x$height, not 1.5 times ${normal_width}x$normal_height"
pass "main window at 150 % ${width}x$height, picture in build-windows/test/main_window_wine_150.png"
wineserver -k
wineserver -w
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w

# ---- Upgrade ----
# Installing again over the school's files leaves them byte for byte as they were, and takes
# away the Markdown guide that earlier releases installed.
cp "$install/Tavo.cfg" "$work/Tavo.cfg.before"
cp "$install/Tavo.txt" "$work/Tavo.txt.before"
echo "# Tavo" >"$install/guida_utente.md"
wine "build-windows/Tavo-$version-setup.exe" /S || fail "the second install exited with $?"
wineserver -w
cmp -s "$install/Tavo.cfg" "$work/Tavo.cfg.before" || fail "the upgrade changed Tavo.cfg"
cmp -s "$install/Tavo.txt" "$work/Tavo.txt.before" || fail "the upgrade changed Tavo.txt"
[[ ! -e "$install/guida_utente.md" ]] || fail "the upgrade left the old guida_utente.md"
run_windows --pdf upgraded.pdf "$learner" || fail "Tavo.exe after the upgrade exited with $?"
pass "install over an install keeps Tavo.cfg and Tavo.txt, and the program prints"

# ---- Uninstall ----
cp "$install/Tavo.txt" "$work/Tavo.txt.before"
wine "$install/Disinstalla.exe" /S
wineserver -w
[[ ! -e "$install/Tavo.exe" && ! -e "$install/guida_utente.html" && ! -e "$start_menu/Tavo.lnk" &&
    ! -e "$start_menu/Guida di Tavo.lnk" ]] || fail "uninstall left the program"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "uninstall left its entry"
cmp -s "$install/Tavo.cfg" "$work/Tavo.cfg.before" &&
    cmp -s "$install/Tavo.txt" "$work/Tavo.txt.before" ||
    fail "uninstall removed or changed the school's files"
pass "uninstall keeps Tavo.cfg and Tavo.txt"
