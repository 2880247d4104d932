#!/bin/sh
# End-to-end batch throughput of lirvo-calc: times `lirvo-calc --batch --jobs J < file >
# /dev/null`, start of the process to its exit, on one thread and on every core, for two files:
#   - rectangular checks (case 1, fields B C h Af Af' n M), the same lines as
#     BM_BatchRectangularChecks in lirvo_bench: the minimal standard generator (multiplier
#     16807, modulus 2^31 - 1) from seed 1, whose products stay exact in awk's doubles;
#   - a realistic mix of the eight cases from lirvo_random_batch (seed 20240601), as
#     BM_BatchLines/mix.
# Each is run RUNS times; the best rate counts, the machine being shared.
#
#   bench/batch_throughput.sh [LIRVO_CALC [LINES [RUNS]]]
#
# LIRVO_CALC defaults to build/cli/lirvo-calc of this repository (lirvo_random_batch is looked
# for in the same build), LINES to 100000, RUNS to 3.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
calc=${1:-$here/../build/cli/lirvo-calc}
lines=${2:-100000}
runs=${3:-3}
generator=$(dirname "$calc")/../tools/random_batch/lirvo_random_batch
cores=$(nproc)

for program in "$calc" "$generator"; do
    if [ ! -x "$program" ]; then
        echo "batch_throughput.sh: no $program (build first, or give the path of lirvo-calc)" >&2
        exit 2
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lirvo-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

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
}' > "$work/rett-verifica.tsv"
"$generator" 20240601 "$lines" > "$work/mix.tsv"

# Every rectangular check must come out as its four results before the timing means anything,
# and every thread count must write the same bytes.
results=$("$calc" --batch --jobs 1 < "$work/rett-verifica.tsv" |
    awk -F '\t' '$2 == "FIELD" { n++ } END { print n + 0 }')
if [ "$results" -ne $((4 * lines)) ]; then
    echo "batch_throughput.sh: expected $((4 * lines)) results, got $results" >&2
    exit 1
fi
for file in rett-verifica mix; do
    "$calc" --batch --jobs 1 < "$work/$file.tsv" > "$work/one.out"
    "$calc" --batch --jobs "$cores" < "$work/$file.tsv" > "$work/all.out"
    if ! cmp -s "$work/one.out" "$work/all.out"; then
        echo "batch_throughput.sh: $file: $cores threads write other bytes than one" >&2
        exit 1
    fi
done

echo "lirvo-calc: $calc"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for file in rett-verifica mix; do
    echo "input: $lines lines of $file, $(wc -c < "$work/$file.tsv") bytes"
    for jobs in 1 $([ "$cores" -gt 1 ] && echo "$cores"); do
        best=""
        run=1
        while [ "$run" -le "$runs" ]; do
            start=$(date +%s.%N)
            "$calc" --batch --jobs "$jobs" < "$work/$file.tsv" > /dev/null
            end=$(date +%s.%N)
            rate=$(awk -v s="$start" -v e="$end" -v n="$lines" 'BEGIN { printf "%.0f", n / (e - s) }')
            if [ -z "$best" ] || [ "$rate" -gt "$best" ]; then best=$rate; fi
            run=$((run + 1))
        done
        echo "  --jobs $jobs: best of $runs: $best lines/s"
    done
done
