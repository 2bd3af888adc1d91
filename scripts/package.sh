#!/usr/bin/env bash
# Builds the Debian package of the editor (build-package/vendrel_<version>_<arch>.deb),
# configured for /usr as Debian installs it. Install it with
#   sudo apt install ./build-package/vendrel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DVENDREL_TESTS=OFF -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null
cmake --build build-package --parallel "$(nproc)"
(cd build-package && cpack -G DEB)
ls -1 build-package/vendrel_*.deb
