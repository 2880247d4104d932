#!/usr/bin/env bash
# A sample case file examples/NAME.lirvo prints what `lirvo-calc CASE --example` prints for the
# case it names, and is byte for byte what `lirvo-calc --save` writes for that example today,
# with the SLU check it keeps given as --uls (when the results or the format change, write the
# samples again: see README.md).
set -euo pipefail
calc=${1:?usage: check_example_file.sh LIRVO_CALC FILE.lirvo}
file=${2:?usage: check_example_file.sh LIRVO_CALC FILE.lirvo}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# The file as --save writes it: four blanks before a key of the top, eight within a group.
case=$(sed -n 's/^    "caso": "\(.*\)",$/\1/p' "$file")
[ -n "$case" ] || fail "$file names no case"
uls=$(sed -n '/^    "slu": {$/,/^    }/s/^        "\(.*\)": "\(.*\)",\{0,1\}$/\1=\2/p' "$file" |
  paste -sd, -)

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
saved=$tmp/$(basename "$file")
"$calc" --save "$saved" "$case" --example ${uls:+--uls "$uls"} >/dev/null ||
  fail "lirvo-calc --save: exit $?"
cmp "$saved" "$file" || fail "$file is not what lirvo-calc --save writes today"
echo "$file is what lirvo-calc --save $case --example ${uls:+--uls $uls }writes"
