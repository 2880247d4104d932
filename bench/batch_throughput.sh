#!/bin/sh
# End-to-end batch throughput of lirvo-calc: writes a file of rectangular checks (case 1,
# fields B C h Af Af' n M) and times `lirvo-calc --batch < file > /dev/null`, start of the
# process to its exit, printing checks per second.
#
#   bench/batch_throughput.sh [LIRVO_CALC [LINES [RUNS]]]
#
# LIRVO_CALC defaults to build/cli/lirvo-calc of this repository, LINES to 100000, RUNS to 3.
# The lines are the same as those of BM_BatchRectangularChecks in lirvo_bench: the minimal
# standard generator (multiplier 16807, modulus 2^31 - 1) from seed 1, whose products stay
# exact in awk's doubles.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
calc=${1:-$here/../build/cli/lirvo-calc}
lines=${2:-100000}
runs=${3:-3}

if [ ! -x "$calc" ]; then
    echo "batch_throughput.sh: no lirvo-calc at $calc (build first, or give its path)" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lirvo-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
input=$work/checks.tsv

awk -v lines="$lines" 'BEGIN {
    state = 1
    for (i = 0; i < lines; i++) {
        B = 20 + 5 * draw(9)            # 20 to 60 cm
        C = 2 + draw(3)                 # 2 to 4 cm
        h = 30 + draw(91)               # 30 to 120 cm
        Af = 200 + draw(3800)           # 2.00 to 39.99 cm2
        Afc = 50 + draw(1000)           # 0.50 to 10.49 cm2
        n = draw(2) ? 15 : 10           # modular ratio
        M = 100000 + 10000 * draw(491)  # 1e5 to 5e6 kg cm
        printf "1\t%d\t%d\t%d\t%d.%02d\t%d.%02d\t%d\t%d\n", B, C, h,
            int(Af / 100), Af % 100, int(Afc / 100), Afc % 100, n, M
    }
}
function draw(range) {
    state = (state * 16807) % 2147483647
    return state % range
}' > "$input"

# Every line must come out as its four results before the timing means anything.
results=$("$calc" --batch < "$input" | awk -F '\t' '$2 == "FIELD" { n++ } END { print n + 0 }')
if [ "$results" -ne $((4 * lines)) ]; then
    echo "batch_throughput.sh: expected $((4 * lines)) results, got $results" >&2
    exit 1
fi

echo "lirvo-calc: $calc"
echo "input: $lines rectangular checks, $(wc -c < "$input") bytes"
best=""
run=1
while [ "$run" -le "$runs" ]; do
    start=$(date +%s.%N)
    "$calc" --batch < "$input" > /dev/null
    end=$(date +%s.%N)
    rate=$(awk -v s="$start" -v e="$end" -v n="$lines" 'BEGIN { printf "%.0f", n / (e - s) }')
    awk -v s="$start" -v e="$end" -v r="$rate" -v k="$run" \
        'BEGIN { printf "run %d: %.3f s, %d checks/s\n", k, e - s, r }'
    if [ -z "$best" ] || [ "$rate" -gt "$best" ]; then best=$rate; fi
    run=$((run + 1))
done
echo "best: $best checks/s"
