#!/usr/bin/env bash
# The whole test run: bootstrap, style checks, then configure, build and run
# CTest for the warning-clean build and for the sanitizer builds, then a
# bounded fuzz run of the codec.
#   DVK_BUILDS   builds to run (default: "ci asan tsan")
#   DVK_LABELS   CTest label regex to run (default: all)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/bootstrap.sh
bash scripts/check-style.sh

builds=${DVK_BUILDS:-ci asan tsan}
label_args=()
[[ -n "${DVK_LABELS:-}" ]] && label_args=(-L "$DVK_LABELS")
jobs=$(nproc)

for preset in $builds; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== test $preset"
  ctest --preset "$preset" -j "$jobs" "${label_args[@]}"
done

# The codec's fuzz target, for a bounded time (DVK_FUZZ_SECONDS, default 60).
bash scripts/fuzz.sh

if [[ " $builds " == *" ci "* ]]; then
  bash scripts/check-tidy.sh build/ci
fi
