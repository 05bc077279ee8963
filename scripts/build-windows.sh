#!/usr/bin/env bash
# Builds Tivora for 64-bit Windows on Debian 12, as root:
#   bash scripts/build-windows.sh          everything: Qt (once), the programs,
#                                          the installer and zip, the Wine proof
#   bash scripts/build-windows.sh qt       only the cross-built Qt
#   bash scripts/build-windows.sh --no-proof   everything but the Wine proof
# Qt is cross-built once into $TIVORA_WINDOWS_CACHE (default
# /var/cache/tivora-windows) and reused by later runs. The installer and the
# zip land in build-windows/.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

CACHE=${TIVORA_WINDOWS_CACHE:-/var/cache/tivora-windows}
TRIPLE=x86_64-w64-mingw32
BUILD=$ROOT/build-windows

only_qt=0
proof=1
for arg in "$@"; do
    case $arg in
    qt) only_qt=1 ;;
    --no-proof) proof=0 ;;
    *)
        echo "usage: $0 [qt] [--no-proof]" >&2
        exit 2
        ;;
    esac
done

# The host's Qt tools (moc, rcc, uic...) build the cross Qt and the programs,
# so the sources fetched below are the very version of these packages.
install_packages "${BUILD_PACKAGES[@]}" ninja-build dpkg-dev xz-utils \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools \
    libz-mingw-w64-dev nsis zip unzip file wine wine64 xvfb xauth imagemagick xdotool openbox tzdata

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
QT=$CACHE/qt-${QT_VERSION%%+*}-$TRIPLE

# fetch_source PACKAGE VERSION DIR: downloads and unpacks Debian's source
# package through an apt configuration of its own (a deb-src list made from
# the system's sources, its own lists and archives), leaving /etc/apt and the
# system's package lists as they are.
fetch_source() {
    local package=$1 version=$2 dir=$3
    local apt=$CACHE/apt
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" "$dir"
    : >"$apt/sources.list"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$apt/sources.list"
    fi
    rm -f "$apt"/sources.list.d/*
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt/sources.list.d/$(basename "$f")"
    done
    local opts=(-o APT::Sandbox::User=root -o "Dir::Etc::SourceList=$apt/sources.list"
        -o "Dir::Etc::SourceParts=$apt/sources.list.d"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
    apt-get "${opts[@]}" -qq update
    (cd "$dir" && apt-get "${opts[@]}" -qq source --download-only "$package=$version")
    (cd "$dir" && dpkg-source -x --no-check ./*.dsc src >/dev/null)
}

# Qt with only what Tivora uses: Core, Gui, Widgets, PrintSupport (and Test,
# for the tests run under Wine). No Qt Svg: the Windows build's pictures are
# drawn at build time by the host's Qt Svg.
build_qt_base() {
    if [ -f "$QT/.base-complete" ]; then
        echo "Qt for Windows: reusing $QT"
        return
    fi
    local work=$CACHE/work/base
    rm -rf "$work" "$QT"
    mkdir -p "$work"
    echo "Qt for Windows: fetching the sources of qt6-base $QT_VERSION"
    fetch_source qt6-base "$QT_VERSION" "$work"
    echo "Qt for Windows: building Qt into $QT (log: $work/build.log)"
    # Qt remembers the toolchain file it was built with: a copy in the cache
    # outlives the checkout.
    mkdir -p "$QT"
    cp "$ROOT/cmake/mingw-w64.cmake" "$CACHE/mingw-w64.cmake"
    {
        # Debian's sources lack the Wintab header (not free), hence no tablet
        # events; Debian keeps Qt6HostInfo under the multiarch folder.
        cmake -G Ninja -S "$work/src" -B "$work/build" \
            -DCMAKE_TOOLCHAIN_FILE="$CACHE/mingw-w64.cmake" -DTIVORA_WINDOWS_QT="$QT" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DCMAKE_INSTALL_PREFIX="$QT" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
            -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
            -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dbus=OFF -DFEATURE_network=OFF \
            -DFEATURE_sql=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
            -DFEATURE_tabletevent=OFF
        cmake --build "$work/build" -j"$JOBS"
        cmake --install "$work/build"
    } >"$work/build.log" 2>&1 || {
        tail -40 "$work/build.log" >&2
        echo "Qt for Windows: the build failed; the whole log is $work/build.log" >&2
        exit 1
    }
    touch "$QT/.base-complete"
    rm -rf "$work/build"
}

start=$(date +%s)
build_qt_base
if [ "$only_qt" = 1 ]; then
    echo "Qt for Windows: ready in $(($(date +%s) - start)) s"
    exit 0
fi

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The cross build draws the program icon and indexes the atlas with tools
# built for this machine.
step=$(date +%s)
echo "Windows build: the icon and atlas index tools for this machine"
cmake -S "$ROOT" -B "$ROOT/build-windows-host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build "$ROOT/build-windows-host" --target tivora-draw-program-icon \
    tivora-atlas-index -j"$JOBS" >/dev/null

echo "Windows build: tivora.exe and tivora-cli.exe"
cd "$ROOT"
cmake --preset windows -DTIVORA_WINDOWS_QT="$QT" "${launcher[@]}" >/dev/null
cmake --build --preset windows -j"$JOBS"
rm -f "$BUILD"/Tivora-*-win64.*
(cd "$BUILD" && cpack -G "NSIS;ZIP" >cpack.log 2>&1) || {
    tail -40 "$BUILD/cpack.log" >&2
    exit 1
}
ls -l "$BUILD"/Tivora-*-win64.exe "$BUILD"/Tivora-*-win64.zip
echo "Windows build: programs and packages in $(($(date +%s) - step)) s (all: $(($(date +%s) - start)) s)"

if [ "$proof" = 1 ]; then
    QT="$QT" bash "$ROOT/scripts/windows-proof.sh"
fi
