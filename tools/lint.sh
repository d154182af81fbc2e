#!/usr/bin/env bash
# The format and lint gate: fails on a file clang-format would change or on a clang-tidy finding
# (.clang-tidy) in src/ and tools/, naming the command that mends the format.
#   tools/lint.sh BUILD_DIR     a configured build folder with compile_commands.json
# clang-tidy takes seconds a file, so a file's verdict is kept under ~/.cache/quantora/tidy, keyed by
# its text, the headers of src/ and the checks; only what changed is looked at again.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
JOBS=${JOBS:-$(nproc)}

check_format() {
    if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror 2>"$build/format.log"; then
        grep -m 20 'error:' "$build/format.log" >&2 || true
        echo "Formatting differs; mend it with: git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i" >&2
        return 1
    fi
}

# The digest of everything a file's verdict depends on besides the file itself.
shared_digest() {
    { cat .clang-tidy; clang-tidy --version; git ls-files -z 'src/*.h' 'tools/*.h' | xargs -0 cat; } | sha256sum | cut -c1-16
}

# The files of src/ and tools/ this platform compiles (a Windows adapter has no entry here).
compiled_sources() {
    python3 -c '
import json, os, sys
root = os.getcwd() + "/"
for entry in json.load(open(sys.argv[1])):
    path = entry["file"]
    if path.startswith((root + "src/", root + "tools/")): print(path[len(root):])' "$build/compile_commands.json" | sort -u
}

check_tidy() {
    local cache=${XDG_CACHE_HOME:-$HOME/.cache}/quantora/tidy shared file key pending=()
    shared=$(shared_digest)
    mkdir -p "$cache"
    while IFS= read -r file; do
        key=$(sha256sum <"$file" | cut -c1-16)-$shared
        [ -f "$cache/$key" ] || pending+=("$file")
    done < <(compiled_sources)
    echo "clang-tidy: ${#pending[@]} files changed since their last check"
    [ ${#pending[@]} -eq 0 ] && return
    # Each batch marks its files clean as it passes, so a run that stops part-way keeps what it learnt.
    export TIDY_CACHE=$cache TIDY_SHARED=$shared
    printf '%s\0' "${pending[@]}" | xargs -0 -P "$JOBS" -n 4 sh -c '
        log=$(clang-tidy -p "$0" --quiet --extra-arg=-Wno-unknown-warning-option "$@" 2>/dev/null) || {
            printf "%s\n" "$log"; exit 1; }
        for file in "$@"; do touch "$TIDY_CACHE/$(sha256sum <"$file" | cut -c1-16)-$TIDY_SHARED"; done' "$build"
}

check_format
check_tidy
