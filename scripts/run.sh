#!/usr/bin/env bash
# Builds (installing what is missing) and starts the editor from the build
# folder, with the data root the build assembled. Arguments go to the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
export MORVANTIC_DATA_ROOT="${MORVANTIC_DATA_ROOT:-$PWD/build/data/Morvantic/}"
exec ./build/launcher/vendrel "$@"
