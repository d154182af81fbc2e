#!/usr/bin/env bash
# Set-up, build and test in one place.
#   ./build.sh run    install what is missing, build, start Quantora
#   ./build.sh test   install what is missing, build, run every test (plain, then under
#                     AddressSanitizer + UndefinedBehaviorSanitizer, then the fuzzers for a bounded time,
#                     then the core tests cross-built for Windows under wine)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
          qt6-base-dev qt6-svg-dev libcurl4-openssl-dev
          libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
          units hyperfine xvfb xauth ccache python3 openssl)
# The Windows build of core, the command line and the core tests, run under wine.
PACKAGES+=(g++-mingw-w64-x86-64 googletest wine wine64)
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
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
    local dir=$1
    shift
    # ccache keeps CI's rebuilds of unchanged files cheap on a machine that has built before.
    cmake -S . -B "$dir" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

run_tests() {
    local dir=$1
    ctest --test-dir "$dir" --output-on-failure -j "$JOBS" --timeout 300
}

run_fuzzers() {
    local dir=build-fuzz
    cmake -S . -B "$dir" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUANTORA_FUZZ=ON -DQUANTORA_TESTS=OFF -DQUANTORA_BENCH=OFF >/dev/null
    cmake --build "$dir" -j "$JOBS" --target fuzzers
    for fuzzer in "$dir"/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] || continue
        local name corpus
        name=$(basename "$fuzzer")
        corpus="$dir/corpus/$name"
        mkdir -p "$corpus"
        cp -r "tests/fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
        echo "Fuzzing $name for ${FUZZ_SECONDS}s"
        "$fuzzer" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
    done
}

# Cross-builds core, the command line and the core tests for Windows and runs the tests under wine,
# so that nothing only POSIX offers creeps into core. GoogleTest is built once with the same compiler.
test_windows() {
    local gtest=build-windows-gtest
    export WINEPREFIX="$PWD/build-windows-wine" WINEDEBUG=-all
    # A new prefix is set up by the first program wine starts, and its server restarts after that;
    # a program that connects meanwhile fails. Set it up first and wait until it is done.
    wineboot --init
    wineserver --wait
    if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
        cmake -S /usr/src/googletest -B "$gtest" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
            -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$PWD/$gtest/install" >/dev/null
        cmake --build "$gtest" -j "$JOBS"
        cmake --install "$gtest" >/dev/null
    fi
    configure_and_build build-windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUANTORA_GUI=OFF -DQUANTORA_BENCH=OFF \
        -DGTest_DIR="$PWD/$gtest/install/lib/cmake/GTest"
    run_tests build-windows
}

case "${1:-}" in
    run)
        install_missing
        configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        exec build/bin/quantora
        ;;
    test)
        install_missing
        configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        run_tests build
        configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUANTORA_SANITIZE=ON -DQUANTORA_BENCH=OFF
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/support/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            run_tests build-asan
        run_fuzzers
        test_windows
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
