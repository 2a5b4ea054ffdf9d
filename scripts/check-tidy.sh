#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the project's own
# sources that the given build compiles (tests and optional targets such as
# the benchmarks are left out).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build/ci}
mapfile -t files < <(python3 - "$build/compile_commands.json" <<'PY'
import json, os, subprocess, sys
compiled = {os.path.realpath(entry["file"]) for entry in json.load(open(sys.argv[1]))}
tracked = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "--", "*.cpp"],
                         capture_output=True, text=True, check=True).stdout.split()
for path in tracked:
    if not path.startswith("tests/") and os.path.realpath(path) in compiled:
        print(path)
PY
)
[[ ${#files[@]} -eq 0 ]] && exit 0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
