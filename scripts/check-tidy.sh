#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the project's own sources.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build/ci}
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' | grep -v '^tests/')
[[ ${#files[@]} -eq 0 ]] && exit 0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
