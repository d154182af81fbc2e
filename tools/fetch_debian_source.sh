#!/usr/bin/env bash
# Fetches one file of a Debian source package with apt-get source and checks it against a pinned
# SHA-256, so a build takes upstream sources only from the distribution the machine already trusts.
#   tools/fetch_debian_source.sh PACKAGE FILE SHA256 CACHE_DIR
# Prints the path of FILE in CACHE_DIR. The source entries are derived from the machine's own binary
# entries into a private folder under CACHE_DIR; the machine's apt set-up is left as it is.
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 PACKAGE FILE SHA256 CACHE_DIR" >&2
    exit 2
fi
package=$1 file=$2 sha256=$3 cache=$4
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
target="$cache/$file"

has_pinned_sum() {
    echo "$sha256  $1" | sha256sum --check --status 2>/dev/null
}

# deb822 files name their kind in a Types line; one-line files start each entry with it.
write_source_entries() {
    local dir=$1 entry
    rm -rf "$dir" && mkdir -p "$dir"
    for entry in /etc/apt/sources.list.d/*.sources; do
        [ -f "$entry" ] || continue
        sed -E 's/^Types:.*/Types: deb-src/' "$entry" >"$dir/$(basename "$entry")"
    done
    for entry in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$entry" ] || continue
        sed -nE 's/^deb[[:space:]]+/deb-src /p' "$entry" >"$dir/$(basename "$entry")"
    done
}

fetch() {
    local apt=$cache/apt
    write_source_entries "$apt/sources"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    local options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources"
                   -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
    apt-get "${options[@]}" update -qq >&2
    (cd "$cache" && apt-get "${options[@]}" source --download-only -qq "$package" >&2)
}

if ! has_pinned_sum "$target"; then
    fetch
    if ! has_pinned_sum "$target"; then
        echo "$file does not have the expected SHA-256; refusing it" >&2
        rm -f "$target"
        exit 1
    fi
fi
echo "$target"
