#!/usr/bin/env bash
# The calculations are plain C++: nothing under sections/ may include a Qt header.
set -euo pipefail
dir="${1:-$(dirname "$0")/../sections}"
if grep -rnE '#[[:space:]]*include[[:space:]]*[<"]Q' "$dir"; then
  echo "sections/ must not include Qt headers" >&2
  exit 1
fi
echo "sections/ includes no Qt header"
