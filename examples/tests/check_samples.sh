#!/bin/sh
# The committed sample project files, checked with the Linux side's own tools: the bare file is
# well-formed XML, the zipped one a sound archive whose one entry is the bare file, and both are
# exactly what make_sample writes today (so they never go stale behind the library).
#   check_samples.sh <source examples folder> <program folder> <wine runner>
set -eu
examples=$1
bin=$2
runner=$3

xmllint --noout "$examples/sample.xml"
unzip -tq "$examples/sample.wqv"
entries=$(unzip -Z1 "$examples/sample.wqv")
[ "$entries" = "win-qvia.wqv" ] || { echo "unexpected entries: $entries"; exit 1; }
unzip -p "$examples/sample.wqv" win-qvia.wqv | cmp - "$examples/sample.xml"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$bin" && "$runner" ./make_sample.exe "Z:$(echo "$out" | tr / '\\')")
cmp "$out/sample.xml" "$examples/sample.xml" || { echo "examples/sample.xml is stale: run make_sample"; exit 1; }
unzip -p "$out/sample.wqv" win-qvia.wqv | cmp - "$examples/sample.xml"
echo "samples ok"
