#!/usr/bin/env bash
# Project files written by QV2D.dll checked with standard tools on the Linux side, and archives
# made by the standard zip tool opened by QV2D.dll.
# Arguments: the Wine runner, the data_file_peer program.
set -euo pipefail
winerun=$1
tool=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
win() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

"$winerun" "$tool" write "$(win "$work")"

# The bare document: UTF-16 with a byte-order mark, well-formed XML.
[ "$(od -An -tx1 -N2 "$work/bare.wqv" | tr -d ' \n')" = fffe ] || { echo "bare.wqv: no FF FE"; exit 1; }
xmllint --noout "$work/bare.wqv"

# The archive: intact, exactly one entry win-qvia.wqv holding the bare document.
unzip -tq "$work/zipped.wqv"
[ "$(unzip -Z1 "$work/zipped.wqv")" = win-qvia.wqv ] || { echo "zipped.wqv: unexpected entries"; exit 1; }
unzip -p "$work/zipped.wqv" win-qvia.wqv | cmp - "$work/bare.wqv"

# Archives of the zip tool: deflated, stored, and stored under a capitalised name.
mkdir "$work/z"
cp "$work/bare.wqv" "$work/z/win-qvia.wqv"
(cd "$work/z" && zip -qX ../deflated.wqv win-qvia.wqv && zip -qX0 ../stored.wqv win-qvia.wqv)
mv "$work/z/win-qvia.wqv" "$work/z/WIN-QVIA.WQV"
(cd "$work/z" && zip -qX0 ../upper.wqv WIN-QVIA.WQV)
for archive in deflated stored upper; do
  "$winerun" "$tool" same "$(win "$work/bare.wqv")" "$(win "$work/$archive.wqv")"
done
echo "file peers: ok"
