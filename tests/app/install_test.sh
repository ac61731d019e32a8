#!/bin/sh
# An installation into a temporary prefix, as a player's machine gets it: the
# files land where the desktop looks for them, the desktop entry and the
# AppStream metainfo validate, and the installed program runs from anywhere:
# --version (the metainfo's newest release), the demonstration headless (the
# launcher skipped by the stored choices) keeping decoded pictures in the user's
# cache folder, and a portable copy keeping its settings beside its data and
# leaving no cache behind.
# usage: install_test.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }
. "$(dirname "$0")/../support/demonstration.sh"

"$cmake" --install "$build" --prefix "$tmp/prefix" >/dev/null
share=$tmp/prefix/share
id=org.brimlock.VornixSimulator
for f in bin/vornix-simulator share/vornix-simulator/Config.ini share/vornix-simulator/Readme.txt \
         share/vornix-simulator/Whatsnew.txt share/vornix-simulator/Sound/Fire.wav \
         share/vornix-simulator/Graphics/Skin1/Skin.ini share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man6/vornix-simulator.6.gz share/doc/vornix-simulator/copyright; do
  [ -s "$tmp/prefix/$f" ] || fail "$f is not installed"
done
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "the metainfo does not validate"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/$id.desktop" || fail "the desktop entry does not validate"
fi

# From another folder, found on the PATH.
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
version=$(PATH="$tmp/prefix/bin:$PATH" vornix-simulator --version) || fail "--version"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$share/metainfo/$id.metainfo.xml" | head -n 1)
[ "$version" = "vornix-simulator $release" ] || fail "--version says '$version', the metainfo's newest release '$release'"

# The demonstration, headless, and the choices it stores.
demonstrate "$tmp/prefix/bin/vornix-simulator" "$tmp/config"
grep -q '^Key1=2' "$tmp/config/Brimlock/Vornix50.conf" || fail "the settings store was not written"
[ -n "$(ls "$tmp/config/cache/vornix-simulator/pictures" 2>/dev/null)" ] || fail "no decoded picture was cached"

# Portable: portable.ini beside the program keeps the settings beside the data.
touch "$tmp/prefix/bin/portable.ini"
printf "$demo_choices" > "$share/vornix-simulator/Vornix50.ini"
mkdir "$tmp/fresh"
XDG_CONFIG_HOME=$tmp/fresh XDG_CACHE_HOME=$tmp/fresh/cache QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  "$tmp/prefix/bin/vornix-simulator" --no-dialogs --seed 1 --script power.vxs > /dev/null || fail "the portable copy did not run"
grep -q '^Key1=2' "$share/vornix-simulator/Vornix50.ini" || fail "the portable store was not written"
[ ! -e "$tmp/fresh/Brimlock" ] || fail "the portable copy wrote to the user's configuration folder"
[ ! -e "$tmp/fresh/cache" ] || fail "the portable copy wrote to the user's cache folder"
echo "installed, validated, and ran from $tmp/prefix"
