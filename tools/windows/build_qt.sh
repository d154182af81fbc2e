#!/usr/bin/env bash
# Cross-builds Qt Core, Gui, Widgets and Test for 64-bit Windows from Debian's own qtbase source, with
# the host's Qt tools: release, shared (a user may replace Qt's DLLs, as its licence asks), only the
# features the program uses. Installed once into a cache folder outside the checkout, named after
# the version and a digest of the configuration, so a changed configuration gets a folder of its own.
# Prints the installed Qt's folder.
set -euo pipefail
cd "$(dirname "$0")/../.."

QT_VERSION=6.4.2
QT_ARCHIVE=qt6-base_$QT_VERSION+dfsg.orig.tar.xz
QT_SHA256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/quantora
TOOLCHAIN=$PWD/cmake/mingw-w64-x86_64.cmake

# Debian's +dfsg source lacks the tablet library, so the tablet feature must be off for the Windows
# platform plugin to build; its configure spelling does not reach the plugin, the CMake one does.
# Without Direct2D, Qt Gui leaves out the DirectWrite 3 font database that the platform plugin still
# asks for, so that is switched off too: fonts come through GDI, as they did before Qt 6.
QT_OPTIONS=(-release -shared -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-vulkan
    -no-feature-sql -no-feature-printsupport -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-pdf -no-feature-jpeg -no-feature-gif -no-feature-movie -no-feature-sessionmanager
    -no-feature-systemtrayicon -no-feature-direct2d -no-feature-directwrite3 -no-feature-undocommand
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -no-feature-graphicsview -no-feature-mdiarea -no-feature-calendarwidget -no-feature-datetimeedit
    -no-feature-wizard -no-feature-colordialog -no-feature-fontdialog -no-feature-undoview
    -no-feature-lcdnumber -no-feature-dial -no-feature-keysequenceedit -no-feature-fontcombobox
    -no-feature-splashscreen
    -qt-zlib -qt-pcre -qt-libpng -qt-freetype -qt-harfbuzz
    -- -DFEATURE_tabletevent=OFF -GNinja)

configuration_key() {
    { printf '%s\n' "$QT_VERSION" "${QT_OPTIONS[@]}"; cat "$TOOLCHAIN"; } | sha256sum | cut -c1-12
}

PREFIX=$CACHE/qt-$QT_VERSION-mingw-$(configuration_key)

build() {
    local work=$PREFIX-work archive
    archive=$(tools/fetch_debian_source.sh qt6-base "$QT_ARCHIVE" "$QT_SHA256" "$CACHE/sources")
    rm -rf "$work"
    mkdir -p "$work/build"
    tar -xJf "$archive" -C "$work"
    # Qt's precompiled headers hide each file's macros and times from ccache unless it is told to
    # look past them.
    (cd "$work/build" &&
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime \
        CCACHE_BASEDIR="$work" \
        "../qtbase-everywhere-src-$QT_VERSION/configure" -prefix "$PREFIX" -xplatform win32-g++ \
            -qt-host-path /usr "${QT_OPTIONS[@]}" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache &&
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime \
        CCACHE_BASEDIR="$work" cmake --build . -j "${JOBS:-$(nproc)}" &&
        cmake --install .) >&2
    rm -rf "$work"
}

[ -f "$PREFIX/lib/cmake/Qt6/Qt6Config.cmake" ] || build
echo "$PREFIX"
