#!/usr/bin/env bash
# Installs what a fresh Debian 12 desktop lacks, builds the program and starts its window
# from the folder that holds the help file and the section pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install_packages.sh g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev fonts-liberation qt6-translations-l10n
cmake --preset default >/dev/null
cmake --build --preset default --target lirvo
cd build/app
exec ./lirvo "$@"
