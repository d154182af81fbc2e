#!/usr/bin/env bash
# Installs Quantora silently under wine as an administrator would, converts with the installed
# command line, drives the installed window through the end-to-end check, uninstalls silently and
# checks that the program files are gone while the user's own files stay.
#   tools/windows/installer_test.sh SETUP_EXE      (WINEPREFIX names a prepared prefix)
set -euo pipefail

setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
program_files=$(winepath -u 'C:\Program Files' 2>/dev/null)
installed=$program_files/Quantora
user_data=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Quantora
profile_key='HKCU\Software\Quantora\quantora'

fail() {
    echo "installer: $*" >&2
    exit 1
}

install() {
    wine "$setup" /S
    wineserver --wait
    for file in quantora.exe quantora-cli.exe uninstall.exe Qt6Widgets.dll platforms/qwindows.dll data/cat.dat; do
        [ -f "$installed/$file" ] || fail "$file is not installed"
    done
    wine reg query 'HKLM\Software\Classes\.xpq' /ve 2>/dev/null | grep -q Quantora.Formula ||
        fail ".xpq is not associated with Quantora"
    [ -n "$(find "$(winepath -u 'C:\ProgramData')" -name 'Quantora.lnk' 2>/dev/null)" ] || fail "no Start-menu shortcut"
}

run_installed() {
    local out
    out=$(wine "$installed/quantora-cli.exe" convert 5 km mi 2>&1 | tr -d '\r')
    echo "$out" | grep -q '= 3\.106856 Mile' || fail "the installed quantora-cli converted 5 km to: $out"
    "$(dirname "$0")/end_to_end.sh" "$installed" || fail "the installed window failed the end-to-end check"
}

# What an earlier run left as the user's files (its Decimal setting would change the conversion).
forget_user_files() {
    rm -f "$user_data/data/mine.txt"
    wine reg delete "$profile_key\\Settings" /v Decimal /f >/dev/null 2>&1 || true
}

# What the user made while using the program must survive the uninstall.
leave_user_files() {
    mkdir -p "$user_data/data"
    echo kept >"$user_data/data/mine.txt"
    wine reg add "$profile_key\\Settings" /v Decimal /d 4 /f >/dev/null 2>&1
}

uninstall() {
    wine "$installed/uninstall.exe" /S
    wineserver --wait
    [ ! -e "$installed" ] || fail "the uninstall left: $(cd "$installed" && find . | head)"
    [ -f "$user_data/data/mine.txt" ] || fail "the uninstall removed the user's data folder"
    wine reg query "$profile_key\\Settings" /v Decimal >/dev/null 2>&1 || fail "the uninstall removed the user's profile"
    ! wine reg query 'HKLM\Software\Classes\Quantora.Formula' >/dev/null 2>&1 || fail "the file association stayed"
    [ -z "$(find "$(winepath -u 'C:\ProgramData')" -name 'Quantora.lnk' 2>/dev/null)" ] || fail "the shortcut stayed"
}

forget_user_files
install
run_installed
leave_user_files
uninstall
echo "installer: installed silently, the programs ran from Program Files, the uninstall removed them and kept the user's files"
