#!/usr/bin/env bash
# A sample case file examples/CASE.lirvo prints what `lirvo-calc CASE --example` prints, and is
# byte for byte what `lirvo-calc --save` writes for that example today (when the results or the
# format change, write the samples again: see README.md).
set -euo pipefail
calc=${1:?usage: check_example_file.sh LIRVO_CALC FILE.lirvo}
file=${2:?usage: check_example_file.sh LIRVO_CALC FILE.lirvo}
case=$(basename "$file" .lirvo)
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

status=0
from_file=$("$calc" --file "$file") || status=$?
[ "$status" -eq 0 ] || fail "lirvo-calc --file $file: exit $status: $from_file"
from_example=$("$calc" "$case" --example) || fail "lirvo-calc $case --example: exit $?"
[ -n "$from_example" ] || fail "lirvo-calc $case --example printed nothing"
if [ "$from_file" != "$from_example" ]; then
  diff <(printf '%s\n' "$from_example") <(printf '%s\n' "$from_file") >&2 || true
  fail "$file does not run as the worked example of $case"
fi
echo "$file prints what lirvo-calc $case --example prints"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$calc" --save "$tmp/$case.lirvo" "$case" --example >/dev/null || fail "lirvo-calc --save: exit $?"
cmp "$tmp/$case.lirvo" "$file" || fail "$file is not what lirvo-calc --save writes today"
echo "$file is what lirvo-calc --save $case --example writes"
