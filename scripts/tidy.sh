#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source file of
# src/, using the compile commands of the test build (configured here when
# missing). It takes about ten minutes of processor time, too long for the
# test run; run it before sending a change that touches src/.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" ninja-build ccache lld clang-tidy
cd "$ROOT"
[ -f build-test/compile_commands.json ] || cmake --preset test >/dev/null
# Generated sources (moc) must exist for the files that include them.
cmake --build --preset test -j"$JOBS" >/dev/null
run-clang-tidy -quiet -j "$JOBS" -p build-test "^$ROOT/src/.*\.cpp$"
