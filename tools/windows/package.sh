#!/usr/bin/env bash
# Packs a Windows build folder into Quantora-<version>-setup.exe (NSIS) and a portable
# Quantora-<version>-win64.zip, both from one installed tree with its programs and DLLs stripped.
#   tools/windows/package.sh BUILD_DIR OUT_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."

build=$1
out=$(mkdir -p "$2" && cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage=$out/stage
tree=$stage/Quantora-$version

install_tree() {
    rm -rf "$stage"
    DESTDIR="" cmake --install "$build" --prefix "$stage/prefix" >/dev/null
    # The program folder holds everything, as it is laid out in Program Files.
    mv "$stage/prefix/bin" "$tree"
    rm -rf "$stage/prefix"
    find "$tree" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
}

# NSIS installs and removes exactly these files, so an uninstall leaves whatever else the folder holds.
write_file_lists() {
    local files=$stage/files.nsh unfiles=$stage/unfiles.nsh dir file
    : >"$files"
    : >"$unfiles"
    while IFS= read -r dir; do
        echo "SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\"" >>"$files"
        while IFS= read -r file; do
            echo "File \"$tree/${dir:+$dir/}$file\"" >>"$files"
            echo "Delete \"\$INSTDIR\\${dir:+${dir//\//\\}\\}$file\"" >>"$unfiles"
        done < <(cd "$tree/$dir" && find . -maxdepth 1 -type f -printf '%f\n' | sort)
    done < <(cd "$tree" && find . -type d -printf '%P\n' | sort)
    # Folders deepest first, and only when empty, so files the user put there stay.
    (cd "$tree" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) | while IFS= read -r dir; do
        echo "RMDir \"\$INSTDIR\\${dir//\//\\}\"" >>"$unfiles"
    done
}

make_installer() {
    makensis -V2 -DVERSION="$version" -DSTAGE="$tree" -DICON="$PWD/src/ui/art/quantora.ico" \
        -DOUTFILE="$out/Quantora-$version-setup.exe" -DFILES="$stage/files.nsh" -DUNFILES="$stage/unfiles.nsh" \
        packaging/windows/quantora.nsi >&2
}

make_zip() {
    rm -f "$out/Quantora-$version-win64.zip"
    (cd "$stage" && zip -qr9 "$out/Quantora-$version-win64.zip" "Quantora-$version")
}

install_tree
write_file_lists
make_installer
make_zip
rm -rf "$stage"
echo "$out/Quantora-$version-setup.exe"
echo "$out/Quantora-$version-win64.zip"
