#!/usr/bin/env bash
# Set-up, build and test in one place.
#   ./build.sh run    install what is missing, build, start Quantora
#   ./build.sh test   install what is missing, build, check the format and clang-tidy (tools/lint.sh),
#                     run every test (plain, then under
#                     AddressSanitizer + UndefinedBehaviorSanitizer, then the fuzzers for a bounded time,
#                     then the whole program cross-built for Windows, tested and installed under wine)
#   ./build.sh fuzz-long   every fuzzer, one per core at the lowest priority, until each has run
#                     FUZZ_RUNS (10 million) inputs or FUZZ_LONG_SECONDS (1800) seconds
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
          qt6-base-dev qt6-svg-dev libcurl4-openssl-dev
          libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
          units hyperfine xvfb xauth ccache python3 openssl)
PACKAGES+=(lintian appstream man-db)  # the Debian package's own checks
# The Windows build (Qt built from Debian's source), run under wine, and its installer.
PACKAGES+=(g++-mingw-w64-x86-64 googletest qt6-base-dev-tools wine wine64 nsis zip xdotool xclip)
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
# ccache keys on paths relative to the checkout, so a clone in another folder still hits the cache.
# With debug information ccache also keys on the build folder, unless told not to: then a clone
# elsewhere missed every file. Its objects name the folder that first built them, which no test reads.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# The build configurations are CMakePresets.json's: default (the programs and tests), asan, fuzz.
JOBS=${JOBS:-$(nproc)}

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local preset=$1
    # ccache keeps CI's rebuilds of unchanged files cheap on a machine that has built before.
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$JOBS"
}

# Runs one step of the test command and says how long it took, so a slow step shows in CI's log.
timed() {
    local start=$SECONDS
    "$@"
    echo "== $* took $((SECONDS - start)) s"
}

run_tests() {
    ctest --preset "$1" -j "$JOBS"
}

# Runs one fuzzer for FUZZ_SECONDS over its seeds: those kept in tests/fuzz/corpus and those cut
# from the data files the plain build made. Extra arguments go to the fuzzer.
fuzz_one() {
    local fuzzer=$1 name corpus
    shift
    name=$(basename "$fuzzer")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -r "tests/fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
    "$fuzzer" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 -artifact_prefix="build-fuzz/logs/$name-" \
        "$@" "$corpus" >"build-fuzz/logs/$name.log" 2>&1
    local status=$?
    echo "Fuzzed $name for up to ${FUZZ_SECONDS}s (exit $status)"
    tail -n 12 "build-fuzz/logs/$name.log"
    return $status
}

# Runs every fuzzer, one per core; each prints the end of its log when it is done.
run_fuzzers() {
    configure_and_build fuzz
    mkdir -p build-fuzz/corpus build-fuzz/logs
    python3 tools/fuzz_seeds.py build/bin/data build-fuzz/corpus
    export -f fuzz_one
    export FUZZ_SECONDS
    find build-fuzz/fuzz -maxdepth 1 -name '*_fuzz' -type f -executable | sort |
        xargs -P "$JOBS" -I {} bash -c 'fuzz_one "$@"' _ {} "$@"
}

# The whole program cross-built for Windows: its tests under wine, the end-to-end check, the
# installer and zip, and a silent install and uninstall under wine.
test_windows() {
    tools/windows/cross_build.sh test
}

case "${1:-}" in
    run)
        install_missing
        configure_and_build default
        exec build/bin/quantora
        ;;
    test)
        timed install_missing
        timed configure_and_build default
        timed tools/lint.sh build
        timed run_tests default
        timed configure_and_build asan
        timed run_tests asan
        timed run_fuzzers
        timed test_windows
        ;;
    fuzz-long)
        install_missing
        cmake --preset default >/dev/null
        cmake --build --preset default -j "$JOBS" --target quantora_units_data quantora_lists_data
        renice -n 19 $$ >/dev/null
        FUZZ_SECONDS=${FUZZ_LONG_SECONDS:-1800} run_fuzzers -runs="${FUZZ_RUNS:-10000000}"
        ;;
    *)
        echo "usage: $0 run|test|fuzz-long" >&2
        exit 2
        ;;
esac
