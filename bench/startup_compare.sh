#!/bin/sh
# Times the start of quantora to its main window shown against a bare Qt program showing one empty
# window (and one showing a line of text), alternating them N times; prints median wall time and
# peak memory of each and the ratios to the bare program.
# usage: bench/startup_compare.sh <build>/bin/startup_probe [N]
set -eu
probe=${1:?usage: startup_compare.sh <path to startup_probe> [runs]}
runs=${2:-21}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
i=0
while [ "$i" -lt "$runs" ]; do
  for mode in bare text quantora; do
    # Wall time from the shell's nanosecond clock (time's own is in hundredths), memory from time.
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$tmp/kb" "$probe" "$mode" >/dev/null 2>"$tmp/err" || { cat "$tmp/err" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(tail -n 1 "$tmp/kb")" >> "$tmp/$mode"
  done
  i=$((i + 1))
done
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for mode in bare text quantora; do
  cut -d' ' -f1 "$tmp/$mode" | median > "$tmp/$mode.us"
  cut -d' ' -f2 "$tmp/$mode" | median > "$tmp/$mode.kb"
  printf '%-9s median %s us, peak memory %s KiB (%s runs)\n' "$mode" "$(cat "$tmp/$mode.us")" "$(cat "$tmp/$mode.kb")" "$runs"
done
for mode in text quantora; do
  awk -v m="$mode" -v q="$(cat "$tmp/$mode.us")" -v b="$(cat "$tmp/bare.us")" -v qm="$(cat "$tmp/$mode.kb")" \
      -v bm="$(cat "$tmp/bare.kb")" 'BEGIN { printf "%s/bare time %.2fx, memory %.2fx\n", m, q / b, qm / bm }'
done
