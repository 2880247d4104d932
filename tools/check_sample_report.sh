#!/usr/bin/env bash
# The sample report: `lirvo --relazione` of the example files, read back with pdftotext,
# is the text kept in examples/relazione-esempi.txt (the date fixed, blank runs squeezed). The
# PDF itself changes with every build (creation date), so its text is what is compared.
#   check_sample_report.sh LIRVO          compare
#   check_sample_report.sh LIRVO --update write the sample text again after a deliberate change
set -euo pipefail
lirvo=${1:?usage: check_sample_report.sh LIRVO [--update]}
cd "$(dirname "$0")/.."
expected=examples/relazione-esempi.txt
export LC_ALL=C LIRVO_REPORT_DATE=01/01/2025
got=$("$lirvo" --relazione - examples/*.lirvo | pdftotext -layout - - | tr -s ' ')
if [ "${2:-}" = "--update" ]; then
  printf '%s\n' "$got" >"$expected"
  echo "wrote $expected"
  exit 0
fi
if ! diff -u "$expected" <(printf '%s\n' "$got"); then
  echo "FAIL: the report of examples/*.lirvo is not $expected" >&2
  exit 1
fi
echo "the report of examples/*.lirvo reads as $expected"
