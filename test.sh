#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
gv_install_deps
gv_build build
export QT_QPA_PLATFORM=offscreen
cd build
ctest -j "$(nproc)" --output-on-failure --timeout 300
