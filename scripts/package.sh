#!/usr/bin/env bash
# Installs what is missing, builds Tivora for release and writes the Debian
# package build-package/tivora_VERSION_ARCH.deb (install it with
# apt-get install ./build-package/tivora_*.deb).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# dpkg-dev: dpkg-buildflags and dpkg-shlibdeps; file: CPack finds the
# programs to strip and to scan with it.
install_packages "${BUILD_PACKAGES[@]}" ninja-build dpkg-dev file ccache

BUILD=$ROOT/build-package
cd "$ROOT"
# Debian's flags: -O2 (Release's -O3 is dropped) and hardening (stack
# protector, fortified calls, read-only relocations, immediate binding),
# without debugging information: the package strips it anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The "package" preset: installed paths, no tests; only the two programs are
# built (below), and CPack builds nothing more. Installed, the programs read
# the place data only from /usr/share/tivora.
cmake --preset package -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    "${launcher[@]}" >/dev/null
cmake --build --preset package -j"$JOBS"
rm -f "$BUILD"/tivora_*.deb
(cd "$BUILD" && cpack -G DEB >cpack.log 2>&1) || {
    cat "$BUILD/cpack.log" >&2
    exit 1
}
ls "$BUILD"/tivora_*.deb
