#!/usr/bin/env bash
# One conversion from the command line, quantora-cli against GNU units, timed in one hyperfine run:
# prints both medians and how many times slower quantora-cli is (below 1: faster).
#
#   bench/cli_vs_units.sh [path/to/quantora-cli]
#
# Time a Release build (-DCMAKE_BUILD_TYPE=Release); the default path is the plain build's.
#
# The CLI reads the data folder beside it; QUANTORA_DATA=DIR points it elsewhere. RUNS sets the
# number of timed runs of each command (default 200).
set -euo pipefail

cli="${1:-build/bin/quantora-cli}"
runs="${RUNS:-200}"
data_option=()
if [[ -n "${QUANTORA_DATA:-}" ]]; then data_option=(--data "$QUANTORA_DATA"); fi

# Both must give the same answer, or the timing compares different work.
"$cli" "${data_option[@]}" convert 5 km mi --value-only
units -t '5 km' mi

json="$(mktemp)"
trap 'rm -f "$json"' EXIT
hyperfine --shell=none --warmup 10 --runs "$runs" --export-json "$json" \
  --command-name quantora-cli "$cli ${data_option[*]} convert 5 km mi" \
  --command-name units "units -t '5 km' mi" >/dev/null

python3 - "$json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
cli, units = results["quantora-cli"]["median"], results["units"]["median"]
print(f"quantora-cli median: {cli * 1e3:.3f} ms")
print(f"units        median: {units * 1e3:.3f} ms")
print(f"ratio quantora-cli / units: {cli / units:.2f}")
PY
