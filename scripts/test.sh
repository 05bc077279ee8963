#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, fuzzes the saved-reading reader for a bounded
# time and runs every test (the report is printed on a real CUPS PDF queue).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev \
    cups printer-driver-cups-pdf poppler-utils desktop-file-utils

# The fuzzer needs clang's libFuzzer; it runs first so ctest's summary closes
# the output.
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
cmake -S "$ROOT" -B "$ROOT/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTIVORA_FUZZ=ON >/dev/null
cmake --build "$ROOT/build-fuzz" -j"$JOBS" --target fuzz_reading_file
mkdir -p "$ROOT/build-fuzz/corpus"
"$ROOT/build-fuzz/tests/report/fuzz_reading_file" -max_total_time="$FUZZ_SECONDS" \
    -timeout=5 -rss_limit_mb=2048 "$ROOT/build-fuzz/corpus" 2>"$ROOT/build-fuzz/fuzz.log" || {
    tail -n 60 "$ROOT/build-fuzz/fuzz.log"
    echo "The fuzzer found a failure (log: build-fuzz/fuzz.log)." >&2
    exit 1
}
grep -E '^(#[0-9]+\s+DONE|Done )' "$ROOT/build-fuzz/fuzz.log" | tail -n 1 || true

cmake -S "$ROOT" -B "$ROOT/build-test" -DCMAKE_BUILD_TYPE=Debug -DTIVORA_SANITIZE=ON >/dev/null
cmake --build "$ROOT/build-test" -j"$JOBS"
bash "$ROOT/scripts/check-package.sh"
cd "$ROOT/build-test"
ctest --output-on-failure -j"$JOBS"
