#!/usr/bin/env bash
# Every build must write the same digits: runs `lirvo-calc --batch` of two builds on the same
# generated lines (all eight cases, a fixed seed) and fails unless both outputs are the same
# bytes, showing the first lines that differ.
#
#   tools/compare_builds.sh [BUILD_DIR [OTHER_BUILD_DIR [LINES]]]
#
# Defaults: build, build-sanitize, 100000 lines. The lines come from lirvo_random_batch of
# the first build.
set -euo pipefail
cd "$(dirname "$0")/.."
first=${1:-build}
second=${2:-build-sanitize}
lines=${3:-100000}
seed=20240601

work=$(mktemp -d "${TMPDIR:-/tmp}/lirvo-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

"$first/tools/random_batch/lirvo_random_batch" "$seed" "$lines" > "$work/lines.tsv"

for dir in "$first" "$second"; do
    out="$work/$(basename "$dir").out"
    start=$(date +%s.%N)
    "$dir/cli/lirvo-calc" --batch < "$work/lines.tsv" > "$out"
    end=$(date +%s.%N)
    awk -v d="$dir" -v n="$lines" -v s="$start" -v e="$end" \
        'BEGIN { printf "%s/cli/lirvo-calc: %d lines in %.1f s\n", d, n, e - s }'
    # Generated lines are all well formed; an ERROR means the generator and the calculator
    # no longer agree on the fields of a case.
    if grep -m 3 -P '^\d+\tERROR\t' "$out"; then
        echo "compare_builds.sh: $dir rejects generated lines (above)" >&2
        exit 1
    fi
done

a="$work/$(basename "$first").out"
b="$work/$(basename "$second").out"
if ! cmp "$a" "$b"; then
    differing=$({ diff "$a" "$b" || true; } | grep -P '^[<>] \d+\t' | cut -f1 | cut -c3- | sort -un)
    echo "compare_builds.sh: $first and $second write different results for" \
        "$(wc -l <<< "$differing") of $lines lines (seed $seed); the first ones:" >&2
    for n in $(head -n 5 <<< "$differing"); do
        echo "line $n: $(sed -n "${n}p" "$work/lines.tsv")" >&2
        diff <(grep -P "^$n\t" "$a") <(grep -P "^$n\t" "$b") | grep '^[<>]' >&2 || true
    done
    exit 1
fi
echo "the same $(wc -l < "$a") result lines from $first and $second"
