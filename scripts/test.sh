#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test (the report is printed on a
# real CUPS PDF queue), while the saved-reading reader is fuzzed for a
# bounded time alongside. Compiles go through ccache (CCACHE_DIR, by default
# ~/.cache/ccache), so a second run rebuilds little.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" ninja-build ccache python3 tzdata lld clang libclang-rt-14-dev \
    cups printer-driver-cups-pdf poppler-utils desktop-file-utils

# The tests share precompiled Qt headers, which ccache caches only with
# these allowances; the inode cache spares it hashing those 300 MB for every
# test. Paths are taken relative to the checkout, so another clone of the
# same sources finds the same cache entries.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_INODECACHE=true CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
BUILD=(-G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)

# The fuzzer needs clang's libFuzzer. It runs in the background while the
# tests build and run; its verdict comes last.
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
cmake -S "$ROOT" -B "$ROOT/build-fuzz" "${BUILD[@]}" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DTIVORA_FUZZ=ON >/dev/null
cmake --build "$ROOT/build-fuzz" -j"$JOBS" --target fuzz_reading_file
mkdir -p "$ROOT/build-fuzz/corpus"
"$ROOT/build-fuzz/tests/report/fuzz_reading_file" -max_total_time="$FUZZ_SECONDS" \
    -timeout=5 -rss_limit_mb=2048 "$ROOT/build-fuzz/corpus" 2>"$ROOT/build-fuzz/fuzz.log" &
fuzz=$!
trap 'kill "$fuzz" 2>/dev/null || true' EXIT

# Line tables (-g1) are all the sanitizers' reports need, at a fraction of
# the cost of full debug information.
cmake -S "$ROOT" -B "$ROOT/build-test" "${BUILD[@]}" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTIVORA_SANITIZE=ON >/dev/null
cmake --build "$ROOT/build-test" -j"$JOBS"
bash "$ROOT/scripts/check-package.sh"
status=0
(cd "$ROOT/build-test" && ctest --output-on-failure -j"$JOBS") || status=$?

fuzzed=0
wait "$fuzz" || fuzzed=$?
trap - EXIT
if [ "$fuzzed" -ne 0 ]; then
    tail -n 60 "$ROOT/build-fuzz/fuzz.log"
    echo "The fuzzer found a failure (log: build-fuzz/fuzz.log)." >&2
    exit 1
fi
grep -E '^(#[0-9]+\s+DONE|Done )' "$ROOT/build-fuzz/fuzz.log" | tail -n 1 || true
exit "$status"
