#!/usr/bin/env bash
# Installs what is missing, builds Tivora and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" ninja-build
cd "$ROOT"
# Run from the build folder, it reads the place data from the source tree.
cmake --preset release >/dev/null
cmake --build --preset release -j"$JOBS"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
Tivora is built, but there is no display to show its window on.
Run it on a desktop session, or under a virtual display:
    apt-get install xvfb && xvfb-run -a $ROOT/build/tivora
The command-line tool needs no display:
    $ROOT/build/tivora-cli --help
MSG
    exit 1
fi
exec "$ROOT/build/tivora" "$@"
