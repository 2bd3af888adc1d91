#!/usr/bin/env bash
# Builds (installing what is missing) and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd build
ctest --output-on-failure --parallel "$(nproc)"
