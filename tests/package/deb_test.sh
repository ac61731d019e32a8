#!/bin/sh
# The Debian package as a player's machine gets it: cpack makes it from a build
# folder, lintian finds no error in it, apt-get installs it with the libraries it
# names, and the installed program runs offscreen: its version is the package's
# and the metainfo's, and the demonstration plays. The package is removed again
# at the end (and first, should an earlier run have left it), so the test can
# run any number of times. It changes the system: run it as root, on a machine
# meant for it (.ci/run does); ./test.sh leaves it out.
# usage: deb_test.sh BUILD_DIR
set -eu
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "deb test: installs a package, so it runs as root" >&2; exit 2; }
name=vornix-simulator
export DEBIAN_FRONTEND=noninteractive
tmp=$(mktemp -d)
chmod 755 "$tmp"  # apt reads the package as its own user
remove() { if dpkg -s $name >/dev/null 2>&1; then apt-get purge -y -qq $name >/dev/null; fi; }
trap 'remove; rm -rf "$tmp"' EXIT
fail() { echo "deb test: $*" >&2; exit 1; }
. "$(dirname "$0")/../support/demonstration.sh"

(cd "$build" && cpack -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$tmp"/*.deb)
echo "made $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"

# lintian: errors fail, warnings are listed.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$tmp/lintian.txt" 2>&1 || { cat "$tmp/lintian.txt" >&2; fail "lintian found errors"; }
grep -v 'running with root privileges' "$tmp/lintian.txt" | sed 's/^/lintian: /' > "$tmp/tags.txt" || true
if [ -s "$tmp/tags.txt" ]; then cat "$tmp/tags.txt"; else echo "lintian: no errors, no warnings"; fi

# The linked libraries come from dpkg-shlibdeps; SDL2 and SDL2_mixer (opened
# when first needed) and the font from our own list.
version=$(dpkg-deb -f "$deb" Version)
depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libpng16-16 \
           libjpeg62-turbo fonts-liberation2; do
  echo "$names" | grep -Fxq "$lib" || fail "Depends does not name $lib: $depends"
done

remove
apt-get install -y -qq "$deb" >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log" >&2; fail "apt-get install failed"; }
id=org.brimlock.VornixSimulator
for f in /usr/games/$name /usr/share/$name/Config.ini /usr/share/$name/Graphics/Skin2/Skin.ini /usr/share/$name/Sound/Fire.wav \
         /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/256x256/apps/$id.png \
         /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/man/man6/$name.6.gz /usr/share/doc/$name/copyright; do
  [ -s "$f" ] || fail "$f is not installed"
done

# One version: the package's, --version's and the metainfo's newest release.
cd "$tmp"
program=/usr/games/$name
[ "$($program --version)" = "$name $version" ] || fail "--version says '$($program --version)', the package $version"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' /usr/share/metainfo/$id.metainfo.xml | head -n 1)
[ "$release" = "$version" ] || fail "the metainfo's release is '$release', the package $version"

# The demonstration, headless: from /usr/games, where Debian keeps games, the
# program finds its data in /usr/share.
demonstrate $program "$tmp/config"

apt-get purge -y -qq $name >/dev/null
[ ! -e $program ] && [ ! -e /usr/share/$name ] || fail "the package left files behind"
echo "installed $name $version with apt-get, ran it offscreen, removed it"
