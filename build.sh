#!/usr/bin/env bash
# Set-up, build and test in one place.
#   ./build.sh run    install what is missing, build, start Quantora
#   ./build.sh test   install what is missing, build, run every test (plain, then under
#                     AddressSanitizer + UndefinedBehaviorSanitizer, then the fuzzers for a bounded time,
#                     then the core tests cross-built for Windows under wine)
#   ./build.sh fuzz-long   every fuzzer, one after the other at the lowest priority, until it has run
#                     FUZZ_RUNS (10 million) inputs or FUZZ_LONG_SECONDS (1800) seconds
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
          qt6-base-dev qt6-svg-dev libcurl4-openssl-dev
          libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
          units hyperfine xvfb xauth ccache python3 openssl)
PACKAGES+=(lintian appstream man-db)  # the Debian package's own checks
# The Windows build of core, the command line and the core tests, run under wine.
PACKAGES+=(g++-mingw-w64-x86-64 googletest wine wine64 curl)
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
# ccache keys on paths relative to the checkout, so a clone in another folder still hits the cache.
export CCACHE_BASEDIR="$PWD"
# Line tables only: enough for every sanitizer and debugger backtrace, and a quarter quicker to
# build than full debug information.
PROGRAM_FLAGS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")
SANITIZER_FLAGS=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQUANTORA_SANITIZE=ON -DQUANTORA_BENCH=OFF)
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

# Runs one step of the test command and says how long it took, so a slow step shows in CI's log.
timed() {
    local start=$SECONDS
    "$@"
    echo "== $* took $((SECONDS - start)) s"
}

run_tests() {
    local dir=$1
    ctest --test-dir "$dir" --output-on-failure -j "$JOBS" --timeout 300
}

# Runs every fuzzer for FUZZ_SECONDS over its seeds: those kept in tests/fuzz/corpus and those cut
# from the data files the plain build made. Extra arguments go to each fuzzer.
run_fuzzers() {
    local dir=build-fuzz
    cmake -S . -B "$dir" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER=clang++ "${PROGRAM_FLAGS[@]}" \
        -DQUANTORA_FUZZ=ON -DQUANTORA_TESTS=OFF -DQUANTORA_BENCH=OFF >/dev/null
    cmake --build "$dir" -j "$JOBS" --target fuzzers
    mkdir -p "$dir/corpus"
    python3 tools/fuzz_seeds.py build/bin/data "$dir/corpus"
    for fuzzer in "$dir"/fuzz/*_fuzz; do
        [ -x "$fuzzer" ] || continue
        local name corpus
        name=$(basename "$fuzzer")
        corpus="$dir/corpus/$name"
        mkdir -p "$corpus"
        cp -r "tests/fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
        echo "Fuzzing $name for ${FUZZ_SECONDS}s"
        "$fuzzer" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 "$@" "$corpus" 2>&1 | tail -n 12
    done
}

# libcurl for the Windows build, from the source Debian ships: static, HTTP and HTTPS only, TLS through
# Schannel so that certificates are checked against the Windows store, file names taken as UTF-8 as
# everywhere else in core. Built once into the build folder.
CURL_VERSION=7.88.1
CURL_SHA256=cdb38b72e36bc5d33d5b8810f8018ece1baa29a8f215b4495e495ded82bbf3c7
build_windows_curl() {
    local prefix=$1 work=$1-src
    [ -f "$prefix/lib/cmake/CURL/CURLConfig.cmake" ] && return
    local archive="$work/curl_$CURL_VERSION.orig.tar.gz"
    mkdir -p "$work"
    if ! echo "$CURL_SHA256  $archive" | sha256sum --check --status 2>/dev/null; then
        curl -fsSL -o "$archive.part" "http://deb.debian.org/debian/pool/main/c/curl/curl_$CURL_VERSION.orig.tar.gz"
        if ! echo "$CURL_SHA256  $archive.part" | sha256sum --check --status; then
            echo "curl_$CURL_VERSION.orig.tar.gz does not have the expected SHA-256; refusing it" >&2
            rm -f "$archive.part"
            return 1
        fi
        mv "$archive.part" "$archive"
    fi
    rm -rf "$work/curl-$CURL_VERSION"
    tar -xzf "$archive" -C "$work"
    cmake -S "$work/curl-$CURL_VERSION" -B "$work/build" -G Ninja -Wno-dev -DCMAKE_C_COMPILER_LAUNCHER=ccache \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$PWD/$prefix" -DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF \
        -DENABLE_UNICODE=ON -DENABLE_MANUAL=OFF -DHTTP_ONLY=ON -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON \
        -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none \
        -DCURL_ZLIB=OFF -DCURL_USE_LIBPSL=OFF -DUSE_LIBIDN2=OFF -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF \
        -DUSE_NGHTTP2=OFF >/dev/null
    cmake --build "$work/build" -j "$JOBS"
    cmake --install "$work/build" >/dev/null
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
    build_windows_curl build-windows/curl
    configure_and_build build-windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUANTORA_GUI=OFF -DQUANTORA_BENCH=OFF \
        -DGTest_DIR="$PWD/$gtest/install/lib/cmake/GTest" -DCURL_DIR="$PWD/build-windows/curl/lib/cmake/CURL"
    run_tests build-windows
}

case "${1:-}" in
    run)
        install_missing
        configure_and_build build "${PROGRAM_FLAGS[@]}"
        exec build/bin/quantora
        ;;
    test)
        timed install_missing
        timed configure_and_build build "${PROGRAM_FLAGS[@]}"
        timed run_tests build
        timed configure_and_build build-asan "${SANITIZER_FLAGS[@]}"
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/support/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            timed run_tests build-asan
        timed run_fuzzers
        timed test_windows
        ;;
    fuzz-long)
        install_missing
        cmake -S . -B build -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${PROGRAM_FLAGS[@]}" >/dev/null
        cmake --build build -j "$JOBS" --target quantora_units_data quantora_lists_data
        renice -n 19 $$ >/dev/null
        FUZZ_SECONDS=${FUZZ_LONG_SECONDS:-1800} run_fuzzers -runs="${FUZZ_RUNS:-10000000}"
        ;;
    *)
        echo "usage: $0 run|test|fuzz-long" >&2
        exit 2
        ;;
esac
