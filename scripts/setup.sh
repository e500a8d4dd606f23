#!/usr/bin/env bash
# Installs what Tavo needs from Debian's packages; quiet and quick when all is there.
#   scripts/setup.sh          build and run the program
#   scripts/setup.sh --tests  also what the test suite uses (Xvfb, CUPS, poppler)
#   scripts/setup.sh --bench  also what the benchmark uses (hyperfine, GNU time, perf)
set -euo pipefail

packages=(cmake g++ make ccache pkg-config qt6-base-dev libgl-dev qt6-qpa-plugins
          qt6-translations-l10n fonts-liberation pandoc)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(xvfb xauth xdotool x11-utils openbox cups cups-client cups-bsd
               printer-driver-cups-pdf poppler-utils python3-numpy)
elif [[ "${1:-}" == "--bench" ]]; then
    packages+=(hyperfine time linux-perf poppler-utils python3)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installo: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
