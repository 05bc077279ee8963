#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test (the report is printed on a
# real CUPS PDF queue), while the saved-reading reader and a batch row's
# zone and place cells are fuzzed for a bounded time alongside. Compiles go
# through ccache (CCACHE_DIR, by default ~/.cache/ccache), so a second run
# rebuilds little.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" ninja-build ccache python3 tzdata lld clang \
    libclang-rt-14-dev clang-format cups printer-driver-cups-pdf poppler-utils desktop-file-utils

# The tests share precompiled Qt headers, which ccache caches only with
# these allowances; the inode cache spares it hashing those 300 MB for every
# test. Paths are taken relative to the checkout, so another clone of the
# same sources finds the same cache entries.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_INODECACHE=true CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
cd "$ROOT"

# The fuzzers need clang's libFuzzer. They run one after the other in the
# background while the tests build and run, sharing the time budget: the
# saved-reading reader, then a batch row's TimeZone and Place cells (where
# -timeout catches a row that hangs). Their verdict comes last.
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
# The configurations are CMakePresets.json's: "fuzz" and "test".
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$JOBS"
fuzz_run() { # PROGRAM SECONDS
    local name
    name=$(basename "$1")
    mkdir -p "$ROOT/build-fuzz/corpus-$name"
    "$1" -max_total_time="$2" -timeout=5 -rss_limit_mb=2048 \
        -artifact_prefix="$ROOT/build-fuzz/$name-" "$ROOT/build-fuzz/corpus-$name" \
        2>"$ROOT/build-fuzz/$name.log"
}
# Each gets at least a second: libFuzzer takes 0 as no limit at all.
half=$((FUZZ_SECONDS / 2 > 0 ? FUZZ_SECONDS / 2 : 1))
(
    fuzz_run "$ROOT/build-fuzz/tests/report/fuzz_reading_file" \
        $((FUZZ_SECONDS - half > 0 ? FUZZ_SECONDS - half : 1)) &&
        fuzz_run "$ROOT/build-fuzz/tests/cli/fuzz_batch_row" "$half"
) &
fuzz=$!
trap 'pkill -P "$fuzz" 2>/dev/null; kill "$fuzz" 2>/dev/null || true' EXIT

# Warnings are errors here; line tables (-g1) are all the sanitizers'
# reports need, at a fraction of the cost of full debug information.
cmake --preset test >/dev/null
cmake --build --preset test -j"$JOBS"
bash "$ROOT/scripts/check-package.sh"
status=0
ctest --preset test -j"$JOBS" || status=$?

fuzzed=0
wait "$fuzz" || fuzzed=$?
trap - EXIT
for name in fuzz_reading_file fuzz_batch_row; do
    log=$ROOT/build-fuzz/$name.log
    if [ "$fuzzed" -ne 0 ] && ! grep -qE '^Done [0-9]+ runs' "$log" 2>/dev/null; then
        tail -n 60 "$log" 2>/dev/null || true
        echo "The fuzzer $name found a failure or did not run (log: build-fuzz/$name.log)." >&2
        exit 1
    fi
    grep -E '^(#[0-9]+\s+DONE|Done )' "$log" | tail -n 1 | sed "s/^/$name: /" || true
done
exit "$status"
