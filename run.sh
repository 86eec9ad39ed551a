#!/usr/bin/env bash
# Installs what is missing, builds, and starts Halcyra.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target halcyra
exec build/program/halcyra "$@"
