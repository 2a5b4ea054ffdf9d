#!/usr/bin/env bash
# The plug-in's main job on this machine: builds the library (release) and
# drives it from a host program that loads it at run time.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/bootstrap.sh
cmake --preset release >/dev/null
cmake --build --preset release --target dvkplugin minimal_host -j "$(nproc)"
./build/release/examples/minimal_host ./build/release/plugin/libdvkplugin.so
