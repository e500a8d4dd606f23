#!/usr/bin/env bash
# A private CUPS server for the tests that print through a real queue, on this machine only.
#   scripts/cups-test-env.sh start DIR   starts cupsd with its files under DIR, listening on the
#                                        socket DIR/cups.sock only, and adds the PDF queue
#                                        TavoPDF (cups-pdf backend), the default printer,
#                                        TavoLaser, the same backend behind the PPD of an
#                                        office laser: hardware margins, no custom sizes, and
#                                        TavoSoloA4, that laser without A5 paper
#   scripts/cups-test-env.sh stop DIR    stops that cupsd
# Clients reach it with CUPS_SERVER=DIR/cups.sock. The system's cupsd and /run/cups are not
# touched. When cupsd cannot start at all, start writes the reason to DIR/unavailable and exits
# 0, so the test can skip with that reason; any later failure is an error. Under CI=true
# nothing is skipped: a print server that cannot start fails the run.
# The cups-pdf backend reads its settings from /etc/cups only; where it puts the PDF ("Out",
# ${HOME} being the home of the user who printed) is written to DIR/pdf-out-dir.
set -euo pipefail

queue=TavoPDF
laser=TavoLaser
a4only=TavoSoloA4
command=${1:-}
dir=${2:-}
if [[ -z "$command" || -z "$dir" ]]; then
    echo "Uso: $0 start|stop CARTELLA" >&2
    exit 2
fi
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
socket="$dir/cups.sock"
pidfile="$dir/cupsd.pid"

stop_server() {
    if [[ -f "$pidfile" ]]; then
        local pid
        pid=$(cat "$pidfile")
        if kill "$pid" 2>/dev/null; then
            for _ in $(seq 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
        fi
        rm -f "$pidfile"
    fi
}

unavailable() {
    echo "cupsd non disponibile: $1" >&2
    stop_server
    [[ "${CI:-}" == "true" ]] && exit 1
    echo "$1" >"$dir/unavailable"
    exit 0
}

# The folder cups-pdf writes to for the current user: its "Out" setting with ${HOME} expanded.
pdf_out_dir() {
    local out home
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
    [[ -z "$out" ]] && out='${HOME}/PDF'
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    echo "${out//\$\{HOME\}/$home}"
}

# The PPD of an office laser made from cups-pdf's: every driver declares the border its printer
# cannot reach, a different one on each side (left 12, bottom 14, right 17, top 11 points), and
# many take no custom page sizes. A4 stays the default paper; 1200 dpi, as such printers print.
laser_ppd() {
    awk '
        /^\*CustomPageSize/ { skip = 1 }
        skip { if (/^\*End/) skip = 0; next }
        /^\*(ParamCustomPageSize|MaxMedia|NonUIOrderDependency:.*CustomPageSize)/ { next }
        /^\*VariablePaperSize:/ { print "*VariablePaperSize: False"; next }
        /^\*HWMargins:/ { print "*HWMargins: 12 14 17 11"; next }
        /^\*DefaultResolution:/ { print "*DefaultResolution: 1200dpi"; next }
        /^\*ModelName:/ { print "*ModelName: \"Tavo Office Laser\""; next }
        /^\*NickName:/ { print "*NickName: \"Tavo Office Laser (hardware margins)\""; next }
        /^\*ImageableArea / && match($0, /"0 0 [0-9.]+ [0-9.]+"/) {
            split(substr($0, RSTART + 1, RLENGTH - 2), f, " ")
            printf "%s\"12 14 %s %s\"\n", substr($0, 1, RSTART - 1), f[3] - 17, f[4] - 11
            next
        }
        { print }' "$1"
}

case "$command" in
stop)
    stop_server
    ;;
start)
    stop_server
    rm -f "$dir/unavailable" "$socket"
    command -v cupsd >/dev/null || unavailable "cupsd non installato (pacchetto cups)"
    [[ -x /usr/lib/cups/backend/cups-pdf ]] ||
        unavailable "backend cups-pdf mancante (pacchetto printer-driver-cups-pdf)"
    [[ $(id -u) -eq 0 ]] || unavailable "il backend cups-pdf richiede cupsd avviato da root"
    ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [[ -f "$ppd" ]] || unavailable "PPD di cups-pdf mancante: $ppd"

    mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"
    chmod 755 "$dir" "$dir/etc"
    cat >"$dir/etc/cupsd.conf" <<CONF
Listen $socket
Browsing Off
WebInterface No
DefaultAuthType None
LogLevel warn
MaxLogSize 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice No
Sandboxing Relaxed
CONF
    : >"$dir/etc/printers.conf"

    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 100); do
        [[ -S "$socket" ]] && break
        kill -0 "$(cat "$pidfile")" 2>/dev/null ||
            unavailable "cupsd è terminato all'avvio: $(tail -3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"
        sleep 0.1
    done
    [[ -S "$socket" ]] || unavailable "cupsd non ha aperto $socket entro 10 secondi"

    export CUPS_SERVER="$socket"
    # The job reaches cups-pdf as PostScript; pdftocairo keeps the fonts as text, where the
    # ghostscript renderer would turn every glyph into a shape that pdftotext cannot read.
    add_queue() { # name ppd
        lpadmin -p "$1" -E -v "cups-pdf:/" -P "$2" -o pdftops-renderer-default=pdftocairo \
            2>"$dir/log/lpadmin.err" || {
            cat "$dir/log/lpadmin.err" >&2
            stop_server
            exit 1
        }
        cupsenable "$1"
        cupsaccept "$1"
    }
    laser_ppd "$ppd" >"$dir/etc/laser.ppd"
    grep -v -E '^\*(PageSize|PageRegion|ImageableArea|PaperDimension) A5[/ ]' \
        "$dir/etc/laser.ppd" >"$dir/etc/a4only.ppd"
    add_queue "$queue" "$ppd"
    add_queue "$laser" "$dir/etc/laser.ppd"
    add_queue "$a4only" "$dir/etc/a4only.ppd"
    # The server's default printer, as an office's only printer would be.
    lpadmin -d "$queue"
    pdf_out_dir >"$dir/pdf-out-dir"
    echo "cupsd pronto: CUPS_SERVER=$socket, code $queue, $laser e $a4only, PDF in $(cat "$dir/pdf-out-dir")"
    ;;
*)
    echo "Uso: $0 start|stop CARTELLA" >&2
    exit 2
    ;;
esac
