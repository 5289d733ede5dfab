#!/usr/bin/env bash
# Open and save of generated projects of 10,000, 100,000 and 1,000,000 tasks (QV_BENCH_SIZES
# overrides), each timed against its floor on the same file: `xmllint --noout` on the bare file,
# `unzip -p` into `xmllint --noout -` on the zipped one. The memory figures are working set above
# the program's own start: what the open project keeps, and the peak of opening and saving.
# scripts/bench runs it inside its Wine session: project_files_bench.sh <program>
set -euo pipefail
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=${QV_BENCH_WORK:-$(dirname "$exe")/project-files}
sizes=${QV_BENCH_SIZES:-10000 100000 1000000}
mkdir -p "$work"
cd "$work"

now() { date +%s%N; }
ms_since() { echo $((($(now) - $1) / 1000000)); }
field() { sed -n "s/^$1 //p" <<<"$2" | tr -d '\r'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
mb() { awk -v b="$(stat -c%s "$1")" 'BEGIN { printf "%.1f MB", b / 1048576 }'; }

for n in $sizes; do
  bare=tasks-$n.xml
  zipped=tasks-$n.wqv
  echo "-- $n tasks"
  made=$(wine "$exe" make "$n" "$bare" "$zipped")
  echo "generated: build $(field build_ms "$made") ms, save bare $(field save_bare_ms "$made") ms ($(mb "$bare")), save zipped $(field save_zipped_ms "$made") ms ($(mb "$zipped"))"

  start=$(now)
  xmllint --noout "$bare"
  floor_bare=$(ms_since "$start")
  start=$(now)
  unzip -p "$zipped" | xmllint --noout -
  floor_zipped=$(ms_since "$start")

  for file in "$bare" "$zipped"; do
    if [ "$file" = "$bare" ]; then form=bare floor=$floor_bare tool="xmllint --noout"; else form=zipped floor=$floor_zipped tool="unzip -p | xmllint --noout -"; fi
    out=$(wine "$exe" open "$file" "again-$n.xml" "again-$n.wqv") || { echo "$out"; exit 1; }
    open=$(field open_ms "$out")
    project=$(field project_mb "$out")
    peak=$(field peak_mb "$out")
    echo "open $form: $(field tasks "$out") tasks, $open ms; $tool $floor ms; ratio $(ratio "$open" "$floor")"
    echo "  project keeps $project MB; peak $(field open_peak_mb "$out") MB opening, $peak MB with both saves (peak - project: $(awk -v p="$peak" -v k="$project" 'BEGIN { printf "%.1f", p - k }') MB)"
    echo "  saved again: bare $(field save_bare_ms "$out") ms, zipped $(field save_zipped_ms "$out") ms"
  done
  # Saving what was opened gives the same document again.
  if cmp -s "$bare" "again-$n.xml" && cmp -s <(unzip -p "$zipped") <(unzip -p "again-$n.wqv"); then
    echo "  saved again: the same document, bare and zipped"
  else
    echo "  saved again: the documents DIFFER"
  fi
  rm -f "$bare" "$zipped" "again-$n.xml" "again-$n.wqv"
done
