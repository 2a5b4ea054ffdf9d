#!/usr/bin/env bash
# Fails when a C or C++ file of the project does not follow .clang-format.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.hpp' '*.c')
[[ ${#files[@]} -eq 0 ]] && exit 0
clang-format --dry-run --Werror "${files[@]}"
