#!/usr/bin/env bash
# Makes the pictures of docs/screenshots/ again: both windows under a private X server, and one
# page of each booklet layout printed to PDF and turned into PNG.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
if ! command -v import >/dev/null; then
    sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
fi
scripts/build.sh --target Tavo >/dev/null

out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cp build/app/Tavo "$work/Tavo"
settings() { # format pages collate
    printf '0123\r\nAUTOSCUOLA ESEMPIO\r\nDI MARIO BIANCHI & C. S.N.C.\r\nVIA ROMA, 1\r\n36100 VICENZA (VI)\r\n10\r\n15\r\n%s\r\n%s\r\n%s\r\n' \
        "$2" "$1" "$3" >"$work/Tavo.cfg"
}
printf 'AB123CD\r\nANNA NERI\r\n\r\n' >"$work/Tavo.txt"

# The booklet, one page of each layout.
learner='12VI123456§MARIO*ROSSI'
shot_pdf() { # name format pages collate page
    settings "$2" "$3" "$4"
    "$work/Tavo" --pdf "$work/$1.pdf" "$learner"
    pdftoppm -png -r 50 -f "$5" -l "$5" -singlefile "$work/$1.pdf" "$out/$1"
}
shot_pdf booklet_a5_cover A5 6 No 1
shot_pdf booklet_a5_lesson A5 6 No 3
shot_pdf booklet_a4_lesson A4 6 No 2
shot_pdf booklet_a4_collated_lesson A4 6 Si 2

# The windows, on a private X server with a window manager.
settings A4 6 Si
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb_pid=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# A window manager gives the windows the focus, as on a desktop.
openbox --sm-disable >/dev/null 2>&1 &
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

"$work/Tavo" "$learner" &
tavo_pid=$!
main=$(xdotool search --sync --onlyvisible --name '^Stampa Libretti Guide')
sleep 1
import -window "$main" "$out/main_window.png"
# "Configurazione": centre of the button at 3960, 2400, 2655 x 735 twips (15 twips a pixel).
xdotool mousemove --window "$main" 352 184 click 1
config=$(xdotool search --sync --onlyvisible --name '^Configurazione programma$')
sleep 1
import -window "$config" "$out/config_window.png"
kill "$tavo_pid"
echo "Immagini aggiornate in $out/"
