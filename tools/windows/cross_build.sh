#!/usr/bin/env bash
# The Windows build, cross-built with mingw-w64 in build-windows: Qt and the static libraries come
# from the cache folder (built there when missing), the programs and the tests share one
# configuration, and everything that runs does so under wine.
#   tools/windows/cross_build.sh package   build, then pack the installer and the portable zip
#                                          into build-windows/packages
#   tools/windows/cross_build.sh test      build, run the tests under wine, the end-to-end check,
#                                          pack, and install and uninstall the installer under wine
#   tools/windows/cross_build.sh test-core core, the command line and their tests only, without Qt,
#                                          in build-windows-core
set -euo pipefail
cd "$(dirname "$0")/../.."

BUILD=build-windows
PACKAGES=$BUILD/packages
export WINEPREFIX="$PWD/$BUILD-wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A new prefix is set up by the first program wine starts, and its server restarts after that; a
# program that connects meanwhile fails. Set it up first and wait until it is done.
prepare_wine() {
    wineboot --init
    wineserver --wait
}

build() {
    local qt libraries
    qt=$(tools/windows/build_qt.sh)
    read -ra libraries < <(tools/windows/build_libraries.sh)
    # Qt's toolchain file finds the host's Qt tools and then loads ours for the compiler.
    cmake -S . -B "$BUILD" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUANTORA_BENCH=OFF -DQUANTORA_PICTURE_TOOLS=OFF "${libraries[@]}" >/dev/null
    cmake --build "$BUILD" -j "${JOBS:-$(nproc)}"
}

# Core and the command line need no Qt, so they are checked on Windows without its long build.
build_core() {
    local libraries
    read -ra libraries < <(tools/windows/build_libraries.sh)
    cmake -S . -B "$BUILD-core" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DQUANTORA_GUI=OFF -DQUANTORA_BENCH=OFF "${libraries[@]}" >/dev/null
    cmake --build "$BUILD-core" -j "${JOBS:-$(nproc)}"
}

run_tests() {
    ctest --test-dir "${1:-$BUILD}" --output-on-failure -j "${JOBS:-$(nproc)}" --timeout 300
}

package() {
    tools/windows/package.sh "$BUILD" "$PACKAGES" >/dev/null
    ls -l "$PACKAGES"
}

case "${1:-}" in
    package)
        build
        package
        ;;
    test)
        prepare_wine
        build
        run_tests
        E2E_SCREENSHOT="$PWD/$BUILD/end_to_end_failure.png" tools/windows/end_to_end.sh "$BUILD/bin"
        package
        tools/windows/installer_test.sh "$PACKAGES"/Quantora-*-setup.exe
        ;;
    test-core)
        prepare_wine
        build_core
        run_tests "$BUILD-core"
        ;;
    *)
        echo "usage: $0 package|test|test-core" >&2
        exit 2
        ;;
esac
