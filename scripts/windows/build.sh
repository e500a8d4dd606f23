#!/usr/bin/env bash
# Builds Tavo for 64-bit Windows on Debian 12 and packs the two downloads into build-windows/:
#   Tavo-<version>-windows.zip   Tavo.exe and the guide (HTML), to unpack into any folder
#   Tavo-<version>-setup.exe     the installer (NSIS)
# Debian has no Qt for Windows, so the first run builds a static one from Debian's own qt6-base
# source, the same version as the Linux Qt, into ~/.cache/tavo/; later runs reuse it.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
out=$root/build-windows
toolchain=$root/scripts/windows/mingw-w64-x86_64.cmake

source scripts/windows/common.sh

install_missing g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev cmake ninja-build nsis zip \
    qt6-base-dev qt6-base-dev-tools pandoc
locate_qt

# Debian's source entries, derived from the machine's own binary entries for this release: the
# same archives, suites and components, with "deb-src" for "deb".
add_deb_src() {
    local codename list=/etc/apt/sources.list.d/tavo-deb-src
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    local deb822 classic
    deb822=$(find /etc/apt/sources.list.d -maxdepth 1 -name '*.sources' ! -name 'tavo-deb-src.*' \
        -exec awk -v rel="$codename" '
            function flush() {
                if (types ~ /(^|[ \t])deb([ \t]|$)/ && !off &&
                    suites ~ ("(^|[ \t])" rel "([-/ \t]|$)"))
                    printf "Types: deb-src\n%s\n\n", body
                types = ""; suites = ""; body = ""; off = 0
            }
            FNR == 1 || /^[ \t]*$/ { flush() }
            /^[ \t]*$/ { next }
            /^Enabled:[ \t]*no/ { off = 1 }
            /^#/ { next }
            /^Types:/ { types = $0; next }
            /^Suites:/ { suites = $0 }
            { body = body (body == "" ? "" : "\n") $0 }
            END { flush() }' {} +)
    classic=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        awk -v rel="$codename" '$1 == "deb" {
            rest = $0; sub(/^deb[ \t]+/, "", rest); opts = ""
            if (rest ~ /^\[/) {
                opts = substr(rest, 1, index(rest, "]")) " "
                rest = substr(rest, index(rest, "]") + 1)
            }
            split(rest, f, " ")
            if (f[2] ~ ("^" rel "([-/]|$)")) print "deb-src " opts rest
        }' || true)
    "${sudo[@]}" rm -f "$list.sources" "$list.list"
    if [[ -n "$deb822" ]]; then
        printf '%s\n' "$deb822" | "${sudo[@]}" tee "$list.sources" >/dev/null
    fi
    if [[ -n "$classic" ]]; then
        printf '%s\n' "$classic" | "${sudo[@]}" tee "$list.list" >/dev/null
    fi
    if [[ -z "$deb822$classic" ]]; then
        echo "No Debian $codename entry to derive deb-src from" >&2
        exit 1
    fi
    "${sudo[@]}" apt-get update -qq
}

# Only what Tavo uses: Core, Gui, Widgets, PrintSupport, the Windows platform plugin and the PNG
# and ICO image formats. Debian's source lacks the tablet headers the Windows plugin would
# include. Direct2D stays: Qt 6.4 builds its DirectWrite font engine only with it, yet the
# Windows plugin and the Windows printing use that engine.
qt_options=(-static -static-runtime -release -nomake tests -nomake examples -qt-zlib -qt-libpng
    -no-libjpeg -no-gif -qt-pcre -qt-harfbuzz -qt-freetype -no-opengl -no-dbus)
qt_features=(-DQT_FEATURE_network=OFF -DQT_FEATURE_sql=OFF -DQT_FEATURE_concurrent=OFF
    -DQT_FEATURE_xml=OFF -DQT_FEATURE_testlib=OFF -DQT_FEATURE_tabletevent=OFF
    -DQT_FEATURE_vulkan=OFF)
# The cache holds the Qt built this way only: other options rebuild it.
qt_build_id="$qt_version ${qt_options[*]} ${qt_features[*]}"
qt_cache_ready() {
    [[ -n "$qt_version" && "$(cat "$qt_prefix/$qt_stamp" 2>/dev/null)" == "$qt_build_id" ]]
}

build_qt() {
    install_missing dpkg-dev perl
    if [[ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]]; then
        add_deb_src
    fi
    local work=$qt_cache_root/work-$qt_version
    rm -rf "$work" "$qt_prefix"
    mkdir -p "$work"
    echo "Building Qt $qt_version for Windows into $qt_prefix (half an hour or more on two cores)"
    (cd "$work" && apt-get source -qq "qt6-base=$qt_deb_version" >/dev/null 2>&1 ||
        apt-get source -qq qt6-base >/dev/null)
    local src
    src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" -prefix "$qt_prefix" "${qt_options[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${qt_features[@]}" \
        -GNinja >"$work/configure.log" 2>&1) ||
        { tail -n 40 "$work/configure.log" >&2; exit 1; }
    (cd "$work/build" && cmake --build . --parallel "$(nproc)" >"$work/build.log" 2>&1 &&
        cmake --install . >>"$work/build.log" 2>&1) ||
        { tail -n 40 "$work/build.log" >&2; exit 1; }
    echo "$qt_build_id" >"$qt_prefix/$qt_stamp"
    rm -rf "$work"
}

if qt_cache_ready; then
    echo "Qt for Windows: $qt_prefix"
else
    start=$SECONDS
    build_qt
    minutes=$(((SECONDS - start) / 60))
    echo "Qt for Windows: $qt_prefix ($minutes min, $(du -sh "$qt_prefix" | cut -f1))"
fi

# Tavo with the project's own CMake files, and its guide. Qt and the MinGW runtime are linked
# in, so Tavo.exe needs nothing beside it.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
cmake -S . -B "$out/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVO_TESTS=OFF \
    -DTAVO_WERROR="$werror" -DCMAKE_EXE_LINKER_FLAGS="-static -s" \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build "$out/cmake" --target Tavo guide >"$out/build.log" 2>&1 || {
    tail -n 40 "$out/build.log" >&2
    exit 1
}

# The two downloads.
version=$(sed -n 's/^project(Tavo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
rm -rf "$out/Tavo"
mkdir -p "$out/Tavo"
cp "$out/cmake/app/Tavo.exe" "$out/cmake/docs/guida_utente.html" "$out/Tavo/"
zip_file=$out/Tavo-$version-windows.zip
setup_file=$out/Tavo-$version-setup.exe
rm -f "$zip_file"
(cd "$out" && zip -qr "$zip_file" Tavo)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$out/Tavo" \
    -DICON="$root/app/icons/tavo.ico" -DOUTFILE="$setup_file" \
    scripts/windows/installer.nsi >/dev/null
for f in "$zip_file" "$setup_file"; do
    echo "$f ($(du -h "$f" | cut -f1))"
done
