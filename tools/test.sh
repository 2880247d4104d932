#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds everything, runs every test, then
# runs them again under AddressSanitizer and UndefinedBehaviorSanitizer, and checks that both
# builds write the same results for 100 000 generated batch lines.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install_packages.sh g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev \
  clang-format qt6-base-dev fonts-liberation poppler-utils dpkg-dev file desktop-file-utils

echo "== format"
tools/check_format.sh

echo "== build and test"
cmake --preset default
cmake --build --preset default
ctest --preset default

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

echo "== the same digits from both builds"
tools/compare_builds.sh build build-sanitize
