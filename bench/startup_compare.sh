#!/bin/sh
# Times quantora's start to its splash window shown against a bare Qt program showing one empty
# window (and one showing a line of text), alternating them N times, and prints the median wall time
# and peak memory of each with the ratios to the bare program; then the median time from the
# splash's end to the main window shown. Runs under a real X server (Xvfb, the xcb platform) unless
# DISPLAY names one already, with a profile of its own.
# usage: bench/startup_compare.sh <build>/bin/startup_probe [N]
set -eu
probe=${1:?usage: startup_compare.sh <path to startup_probe> [runs]}
runs=${2:-21}
tmp=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server"; rm -rf "$tmp"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :57 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  server=$!
  export DISPLAY=:57
  sleep 1
fi
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$tmp/config"
i=0
while [ "$i" -lt "$runs" ]; do
  for mode in bare text splash; do
    # Wall time from the shell's nanosecond clock (time's own is in hundredths), memory from time.
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$tmp/kb" "$probe" "$mode" >/dev/null 2>"$tmp/err" || { cat "$tmp/err" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(tail -n 1 "$tmp/kb")" >> "$tmp/$mode"
  done
  "$probe" handover 2>"$tmp/err" >> "$tmp/handover" || { cat "$tmp/err" >&2; exit 1; }
  i=$((i + 1))
done
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for mode in bare text splash; do
  cut -d' ' -f1 "$tmp/$mode" | median > "$tmp/$mode.us"
  cut -d' ' -f2 "$tmp/$mode" | median > "$tmp/$mode.kb"
  printf '%-9s median %s us, peak memory %s KiB (%s runs)\n' "$mode" "$(cat "$tmp/$mode.us")" "$(cat "$tmp/$mode.kb")" "$runs"
done
for mode in text splash; do
  awk -v m="$mode" -v q="$(cat "$tmp/$mode.us")" -v b="$(cat "$tmp/bare.us")" -v qm="$(cat "$tmp/$mode.kb")" \
      -v bm="$(cat "$tmp/bare.kb")" 'BEGIN { printf "%s/bare time %.2fx, memory %.2fx\n", m, q / b, qm / bm }'
done
printf 'splash end to main window shown: median %s us\n' "$(median < "$tmp/handover")"
