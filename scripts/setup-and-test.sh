#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and runs every test; fails when any test fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
