# Printing through Windows' own print engine, under Wine: Tavo.exe draws with GDI on Wine's
# PostScript driver (wineps.drv), which hands the job to a queue of the tests' private CUPS
# server; Wine shows every queue of that server as a Windows printer. Each layout is printed on
# the office laser's queue (hardware margins, no custom sizes) with --stampante, and once through
# the window's print dialog, and compared with the Linux build's --pdf as sheets: page count,
# paper and orientation exactly, the ink within 1 pt (GDI places text on whole printer pixels;
# the queue prints at 1200 dpi). Its PDF holds no text to compare.
# Sourced by test.sh, which defines settings, run_linux, fail, pass, $work, $install, $learner.

# Starts the private CUPS server; call it before the prefix's first wine command, so that Wine
# finds the queues. Returns 1, with the reason, where it cannot run (cups-pdf needs root).
start_print_server() {
    print_dir=$work/cups
    install_missing libcups2 cups cups-client printer-driver-cups-pdf
    bash scripts/cups-test-env.sh start "$print_dir" >/dev/null ||
        fail "the private print server did not start"
    if [[ -f "$print_dir/unavailable" ]]; then
        echo "Windows printing not tested: $(cat "$print_dir/unavailable")"
        return 1
    fi
    export CUPS_SERVER=$print_dir/cups.sock
}

stop_print_server() {
    [[ -n "${print_dir:-}" ]] && bash scripts/cups-test-env.sh stop "$print_dir"
    return 0
}

# The next PDF the queues write after the file `$1` was touched, once it stops growing.
queue_output() {
    local out since=$1 pdf size=-1
    out=$(cat "$print_dir/pdf-out-dir")
    for _ in $(seq 240); do
        pdf=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$since" 2>/dev/null | head -n 1)
        if [[ -n "$pdf" && -s "$pdf" && $(stat -c %s "$pdf") == "$size" ]]; then
            echo "$pdf"
            return 0
        fi
        [[ -n "$pdf" ]] && size=$(stat -c %s "$pdf")
        sleep 0.5
    done
    return 1
}

# Compares what the queue printed with the Linux build's booklet; keeps the queue's PDF in
# $work/printed/, named after the check.
expect_printed() { # name expected.pdf since
    local printed problem kept=$work/printed/${1//[^A-Za-z0-9-]/_}.pdf
    printed=$(queue_output "$3") || fail "$1: the queue printed nothing"
    mkdir -p "$work/printed"
    mv "$printed" "$kept"
    problem=$(/usr/bin/python3 scripts/compare_pdfs.py --printed --tolerance 1 "$2" "$kept" \
        2>&1) || fail "$1: $problem"
    pass "$1: on the laser through GDI, same paper, orientation and ink as the Linux booklet"
}

test_printing() {
    local layout format pages collate name since=$work/print-since
    printf 'AB123CD\r\nANNA NERI\r\nTavoLaser\r\n' >"$install/Tavo.txt"
    for layout in "A5 3 No" "A4 6 No" "A4 12 Si"; do
        read -r format pages collate <<<"$layout"
        settings "$format" "$pages" "$collate"
        name=$format-$pages-$collate
        run_linux --pdf "linux-print-$name.pdf" "$learner" || fail "$name: Linux build failed"
        touch "$since"
        (cd "$work/runs" && wine "$install/Tavo.exe" --stampante TavoLaser "$learner") ||
            fail "$name: Tavo.exe --stampante exited with $?"
        expect_printed "$name, --stampante" "$work/runs/linux-print-$name.pdf" "$since"
    done

    # The window's print dialog: Wine's own, with the remembered laser chosen; Return prints.
    settings A5 3 No
    touch "$since"
    (cd "$install" && wine Tavo.exe "$learner" >/dev/null 2>&1 &)
    timeout 60 xdotool search --sync --onlyvisible --name "^Stampa Libretti Guide" >/dev/null ||
        fail "no main window"
    sleep 1
    xdotool key space
    timeout 60 xdotool search --sync --onlyvisible --name '^(Print|Stampa)$' >/dev/null ||
        fail "no print dialog"
    sleep 1
    xdotool key Return
    expect_printed "A5-3-No, print dialog" "$work/runs/linux-print-A5-3-No.pdf" "$since"
    wineserver -w
    cmp -s <(printf 'AB123CD\r\nANNA NERI\r\nTavoLaser\r\n') "$install/Tavo.txt" ||
        fail "the print dialog's printer not remembered: $(od -c "$install/Tavo.txt")"
}
