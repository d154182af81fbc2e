#!/usr/bin/env bash
# Cross-builds the static libraries the Windows programs and tests link besides Qt, once each into
# the cache folder (named after the version and a digest of the configuration), and prints the
# CMake options that name them.
#   libcurl: from the source Debian ships; HTTP and HTTPS only, TLS through Schannel so certificates
#            are checked against the Windows store, file names taken as UTF-8 as everywhere in core.
#   GoogleTest: Debian's source, built with the same compiler as the tests.
set -euo pipefail
cd "$(dirname "$0")/../.."

CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/quantora
TOOLCHAIN=$PWD/cmake/mingw-w64-x86_64.cmake
CURL_VERSION=7.88.1
CURL_SHA256=cdb38b72e36bc5d33d5b8810f8018ece1baa29a8f215b4495e495ded82bbf3c7
CURL_OPTIONS=(-DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF
    -DENABLE_UNICODE=ON -DENABLE_MANUAL=OFF -DHTTP_ONLY=ON -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON
    -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none
    -DCURL_ZLIB=OFF -DCURL_USE_LIBPSL=OFF -DUSE_LIBIDN2=OFF -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF
    -DUSE_NGHTTP2=OFF)

folder_for() {
    local name=$1
    shift
    echo "$CACHE/$name-mingw-$({ printf '%s\n' "$@"; cat "$TOOLCHAIN"; } | sha256sum | cut -c1-12)"
}

# build_into PREFIX SOURCE OPTIONS...: configures, builds and installs one CMake project.
build_into() {
    local prefix=$1 source=$2
    shift 2
    local work=$prefix-work
    rm -rf "$work"
    cmake -S "$source" -B "$work" -G Ninja -Wno-dev -DCMAKE_C_COMPILER_LAUNCHER=ccache \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >/dev/null
    cmake --build "$work" -j "${JOBS:-$(nproc)}" >/dev/null
    cmake --install "$work" >/dev/null
    rm -rf "$work"
}

curl_prefix() {
    local prefix archive source
    prefix=$(folder_for "curl-$CURL_VERSION" "${CURL_OPTIONS[@]}")
    if [ ! -f "$prefix/lib/cmake/CURL/CURLConfig.cmake" ]; then
        archive=$(tools/fetch_debian_source.sh curl "curl_$CURL_VERSION.orig.tar.gz" "$CURL_SHA256" "$CACHE/sources")
        source=$prefix-src
        rm -rf "$source" && mkdir -p "$source"
        tar -xzf "$archive" -C "$source" --strip-components=1
        build_into "$prefix" "$source" "${CURL_OPTIONS[@]}"
        rm -rf "$source"
    fi
    echo "$prefix"
}

gtest_prefix() {
    local prefix
    prefix=$(folder_for gtest "$(dpkg-query -W -f='${Version}' googletest)")
    [ -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ] || build_into "$prefix" /usr/src/googletest
    echo "$prefix"
}

curl=$(curl_prefix)
gtest=$(gtest_prefix)
echo "-DCURL_DIR=$curl/lib/cmake/CURL -DGTest_DIR=$gtest/lib/cmake/GTest"
