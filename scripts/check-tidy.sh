#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the project's own sources
# that the given build compiles (the benchmarks, for one, are only in the
# bench build).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build/ci}
root=$(pwd)
mapfile -t sources < <(git ls-files -co --exclude-standard -- '*.cpp' | grep -v '^tests/')
files=()
for file in "${sources[@]}"; do
  grep -qF "\"file\": \"$root/$file\"" "$build/compile_commands.json" && files+=("$file")
done
[[ ${#files[@]} -eq 0 ]] && exit 0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
