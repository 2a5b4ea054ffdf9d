#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the codec's fuzz target for a bounded
# time, starting from the committed seed corpus of real messages.
#   DVK_FUZZ_SECONDS   run time in seconds (default: 60)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

seconds=${DVK_FUZZ_SECONDS:-60}
echo "== build fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target codec_fuzzer -j "$(nproc)"

# New inputs the run finds go to a corpus of its own; the seeds stay as committed.
corpus=build/fuzz/codec-corpus
mkdir -p "$corpus"
echo "== fuzz codec_fuzzer for ${seconds}s"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build/fuzz/tests/fuzz/codec_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "$corpus" tests/fuzz/corpus
