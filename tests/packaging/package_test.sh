#!/bin/sh
# Builds the Debian package and holds it to Debian's own checks (lintian, the AppStream validator,
# the manual pages rendered without a warning), unpacks it into a temporary root whose program
# folder nobody may write to, and runs what a user would: the command line converts a value, and
# the window starts (offscreen), putting its own copy of the data in the user's folder since it may
# not write beside itself. usage: package_test.sh <build folder>
set -eu
build=${1:?usage: package_test.sh <build folder>}
tmp=$(mktemp -d)
trap 'kill "$window" 2>/dev/null || true; rm -rf "$tmp"' EXIT
window=

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB -B "$tmp/package" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/package/quantora_*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt's widgets"
# The update loads libcurl at run time, where no tool sees it.
dpkg-deb --field "$deb" Depends | grep -q libcurl4 || fail "the package does not depend on libcurl"
root="$tmp/root"
dpkg-deb -x "$deb" "$root"

# Any error or warning from lintian fails the package; lintian's own failure means it could not check.
lintian --fail-on none "$deb" >"$tmp/lintian.log" 2>&1 || { cat "$tmp/lintian.log"; fail "lintian could not check the package"; }
complaints=$(grep '^[EW]: ' "$tmp/lintian.log" || true)
[ -z "$complaints" ] || fail "lintian:
$complaints"

for file in usr/bin/quantora usr/bin/quantora-cli usr/lib/quantora/quantora-cli-update usr/lib/quantora/data/cat.dat usr/lib/quantora/help/index.htm \
            usr/share/icons/hicolor/48x48/apps/quantora.png usr/share/icons/hicolor/scalable/apps/quantora.svg; do
  [ -e "$root/$file" ] || fail "$file is not in the package"
done
desktop="$root/usr/share/applications/io.github.quantora.Quantora.desktop"
grep -qx 'Exec=quantora %f' "$desktop" || fail "the desktop entry does not pass the file on"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "the desktop entry's categories"
mime=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")
grep -q "type=\"$mime\"" "$root/usr/share/mime/packages/quantora-formula.xml" || fail "no MIME type $mime"
grep -q 'pattern="\*.xpq"' "$root/usr/share/mime/packages/quantora-formula.xml" || fail "*.xpq is not a formula file"

metainfo="$root/usr/share/metainfo/io.github.quantora.Quantora.metainfo.xml"
appstreamcli validate --no-net --strict "$metainfo" >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; fail "appstreamcli"; }
# A new version needs its own changelog entry and release, or the package claims the last one's.
version=$(dpkg-deb --field "$deb" Version)
zcat "$root/usr/share/doc/quantora/changelog.gz" | head -n 1 | grep -q "^quantora ($version) " ||
  fail "the changelog's last entry is not version $version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

for page in "$root"/usr/share/man/man1/quantora.1.gz "$root"/usr/share/man/man1/quantora-cli.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
    fail "man cannot render $page"
  [ -z "$warnings" ] || fail "$page: $warnings"
done
# The manual page keeps up with --help: every command, option and exit code it names.
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/usr/share/man/man1/quantora-cli.1.gz" 2>/dev/null)
help=$("$build/bin/quantora-cli" --help)
for word in $(printf '%s\n' "$help" | grep -o -- '--[a-z-]*' | sort -u) \
            $(printf '%s\n' "$help" | sed -n '/^Commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p'); do
  printf '%s\n' "$manual" | grep -q -w -- "$word" || fail "the manual page of quantora-cli lacks $word"
done
for code in $(printf '%s\n' "$help" | sed -n '/^Exit codes:/,$p' | grep -o '[0-9] [a-z]' | cut -c1); do
  printf '%s\n' "$manual" | sed -n '/^EXIT STATUS/,/^[A-Z]/p' | grep -q "^ *$code  " ||
    fail "the manual page of quantora-cli lacks exit code $code"
done

# Read-only for everyone; root writes through permissions, so the programs run as nobody then.
chmod -R a-w "$root/usr/lib/quantora"
chmod 755 "$tmp"
home="$tmp/home"
mkdir -p "$home"
as_user=
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
fi

converted=$($as_user env HOME="$home" "$root/usr/bin/quantora-cli" convert 5 km mi)
[ "$converted" = "5 Kilometer = 3.106856 Mile" ] || fail "quantora-cli printed: $converted"
# The update runs in a program of its own, found beside the real file behind the link on the PATH;
# with no server to answer, it ends with the update's own failure.
status=0
$as_user env HOME="$home" "$root/usr/bin/quantora-cli" update --server http://127.0.0.1:9/ >"$tmp/update.log" 2>&1 || status=$?
[ "$status" -eq 5 ] && ! grep -q "could not be started" "$tmp/update.log" ||
  fail "quantora-cli update ended with $status: $(cat "$tmp/update.log")"

# setpriv and env replace themselves with the program, so $! is the window's own process.
$as_user env HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$root/usr/bin/quantora" >"$tmp/window.log" 2>&1 &
window=$!
copy="$home/.local/share/Quantora/data"
waited=0
while [ ! -e "$copy/cat.dat" ] && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
kill -0 "$window" 2>/dev/null || fail "quantora ended at start-up"
cmp -s "$copy/cat.dat" "$root/usr/lib/quantora/data/cat.dat" || fail "no copy of the data in $copy"
echo "1 passed, 0 failed"
