#!/usr/bin/env bash
# The side-by-side comparison of bench/compare_pairs.txt as one Markdown table: each pair
# runs in a process of its own; a time is the best of VEK_COMPARE_REPETITIONS runs
# (default 3), as the machine may be shared. Ratio: their time over ours (above 1: ours
# is faster). Called by "scripts/bench.sh --compare" with the benchmarks built.
set -euo pipefail
cd "$(dirname "$0")/.."
bench_dir=${1:-build-bench/bench}
repetitions=${VEK_COMPARE_REPETITIONS:-3}
pairs=bench/compare_pairs.txt

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo 2>/dev/null | head -n 1)
echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on ${cpu:-$(uname -m)}, $(nproc) cores," \
     "load average $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo unknown)," \
     "Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6); best of $repetitions runs."
echo
echo "| Pair | Ours | Theirs | Ratio |"
echo "| --- | ---: | ---: | ---: |"

# Best time in milliseconds of benchmark $2 in Google Benchmark's CSV $1, by clock $3.
best_ms() {
    awk -F, -v name="$2" -v clock="$3" '
        { gsub(/"/, "", $1) }
        $1 ~ /_(mean|median|stddev|cv)$/ { next }
        index($1, name) == 1 && (length($1) == length(name) || substr($1, length(name) + 1, 1) == "/") {
            t = (clock == "real") ? $3 : $4
            f = ($5 == "ns") ? 1e-6 : ($5 == "us") ? 1e-3 : ($5 == "s") ? 1e3 : 1
            if ($9 != "true" && (best == "" || t * f < best)) best = t * f
        }
        END { print best }' "$1"
}

# 12.3 ms, 45.6 us
show_ms() {
    awk -v t="$1" 'BEGIN { if (t == "") print "n/a"; else if (t < 1) printf "%.1f us\n", t * 1000; else printf "%.1f ms\n", t }'
}

grep -v '^[[:space:]]*\(#\|$\)' "$pairs" | while IFS='|' read -r what executable ours theirs clock; do
    what=$(echo "$what" | xargs); executable=$(echo "$executable" | xargs)
    ours=$(echo "$ours" | xargs); theirs=$(echo "$theirs" | xargs); clock=$(echo "$clock" | xargs)
    csv=$(mktemp)
    filter="^($(printf '%s' "$ours" | sed 's/[.[\*^$()+?{}|]/\\&/g')|$(printf '%s' "$theirs" | sed 's/[.[\*^$()+?{}|]/\\&/g'))(/|$)"
    if ! "$bench_dir/$executable" --benchmark_filter="$filter" --benchmark_repetitions="$repetitions" \
            --benchmark_format=csv >"$csv" 2>/dev/null; then
        echo "| $what | failed | failed | |"
        rm -f "$csv"
        continue
    fi
    a=$(best_ms "$csv" "$ours" "$clock"); b=$(best_ms "$csv" "$theirs" "$clock")
    rm -f "$csv"
    ratio=$(awk -v a="$a" -v b="$b" 'BEGIN { if (a == "" || b == "" || a == 0) print "n/a"; else printf "%.1f\n", b / a }')
    echo "| $what | $(show_ms "$a") | $(show_ms "$b") | $ratio |"
done
