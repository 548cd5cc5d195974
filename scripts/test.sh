#!/usr/bin/env bash
# Set-up, build and run every test through CTest (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
unset DISPLAY
cd build
ctest --output-on-failure --timeout 600 -j2
