# Shared by build.sh and test.sh (sourced, not run): installing packages and the Qt cache.

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
apt_updated=
# Installs those of the named Debian packages that are missing.
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [[ ${#missing[@]} -eq 0 ]] && return
    echo "Installo: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if [[ -z "$apt_updated" ]]; then
        "${sudo[@]}" apt-get update -qq
        apt_updated=1
    fi
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Where the Qt for Windows lives: qt_version, qt_prefix. It is built for the Linux Qt's version,
# whose tools (moc, rcc, uic) it uses, so call this once qt6-base-dev is installed.
locate_qt() {
    qt_deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
    qt_version=${qt_deb_version#*:}
    qt_version=${qt_version%%[+~-]*}
    qt_cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/tavo
    qt_prefix=$qt_cache_root/qt-$qt_version-mingw-w64-x86_64-static
    qt_stamp=tavo-qt-version
}
