#!/usr/bin/env bash
# Every report's export and HTML on generated projects of 10,000, 100,000 and 200,000 tasks, one
# process per output (so each one's memory figures are its own). Sizes: the arguments after the
# program, else QV_BENCH_SIZES; QV_BENCH_MILLION=1 adds 1,000,000 tasks. QV_BENCH_LIMIT caps one
# output (seconds, default 30): a run over it prints "over limit", and the larger projects skip it.
# QV_BENCH_REPEAT=N prints the fastest of N runs of each output and of its floor.
# Ends with the time per row of each output by project size: equal figures mean linear time.
# The schedule chart's HTML counts its resource rows and its pictures. Last comes the chart's HTML
# with the non-working colour set on a project of QV_BENCH_NONWORKING resources (default 10,000),
# each with a calendar (0 leaves it out; its limit is 300 s unless QV_BENCH_LIMIT is set);
# "nonworking [resources]" as the arguments runs it alone.
# scripts/bench runs it inside its Wine session: reports_bench.sh <program> [sizes...]
set -euo pipefail
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
log=$(mktemp)
all=$(mktemp)
trap 'rm -f "$log" "$all"' EXIT

nonworking() { # <resources>
  [ "$1" != 0 ] || return 0
  echo "-- the schedule chart with the non-working colour set, every resource with a calendar"
  wine "$exe" header | tr -d '\r'
  { QV_BENCH_LIMIT=${QV_BENCH_LIMIT:-300} wine "$exe" nonworking "$1" 2>/dev/null || true; } | tr -d '\r' | tee "$log"
  if [ -n "$(tail -c 1 "$log")" ]; then echo " ended without figures"; fi
}
# reports_bench.sh <program> nonworking [resources]: that case alone.
if [ "${1:-}" = nonworking ]; then
  nonworking "${2:-${QV_BENCH_NONWORKING:-10000}}"
  exit 0
fi
sizes=${*:-${QV_BENCH_SIZES:-10000 100000 200000}}
if [ -n "${QV_BENCH_MILLION:-}" ]; then sizes="$sizes 1000000"; fi
runs=$(wine "$exe" runs | tr -d '\r')
wine "$exe" header | tr -d '\r'
over=""
for n in $sizes; do
  for ((i = 0; i < runs; i++)); do
    # A run over the limit ends its process with a failure status.
    { QV_BENCH_SKIP="$over" wine "$exe" "$n" "$i" "$i" 2>/dev/null || true; } | tr -d '\r' | tee "$log"
    # A process that ended in the middle of its row leaves the row open.
    if [ -n "$(tail -c 1 "$log")" ]; then echo " ended without figures" | tee -a "$log"; fi
    if grep -q "over limit (" "$log"; then over="$over $i"; fi
    sed -n "/^--/d; s/^/$n|/p" "$log" >>"$all"
  done
done

echo
echo "-- microseconds per row by project size (growth: the last size's figure over the first's)"
awk -F'|' -v sizes="$sizes" '
  BEGIN { count = split(sizes, size, " ") }
  {
    key = substr($2, 1, 34); split(substr($2, 35), f, " ")
    if (!(key in seen)) { seen[key] = 1; order[++keys] = key }
    us[key, $1] = f[1] == "over" ? "over" : f[6] + 0 > 0 ? f[6] : "-"
  }
  END {
    printf "%-34s", "report output columns"
    for (i = 1; i <= count; i++) printf " %10s", size[i]
    printf " %8s\n", "growth"
    for (k = 1; k <= keys; k++) {
      key = order[k]; printf "%-34s", key
      for (i = 1; i <= count; i++) { v = us[key, size[i]]; printf " %10s", v == "" ? "-" : v }
      a = us[key, size[1]]; b = us[key, size[count]]
      if (a + 0 > 0 && b + 0 > 0) printf " %8.2f\n", b / a; else printf " %8s\n", "-"
    }
  }' "$all"

echo
nonworking "${QV_BENCH_NONWORKING:-10000}"
