#!/usr/bin/env bash
# Installs the build into a staging folder and runs the installed programs
# from there as a new user would: an empty home, nothing beside the programs.
# usage: run-installed.sh BUILD_FOLDER SOURCE_FOLDER VERSION
set -euo pipefail
build=$1 source=$2 version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage/usr" >/dev/null
bin=$stage/usr/bin share=$stage/usr/share
for f in vextrel/AllFlyNavaids.txt vextrel/AllFlyAirports.txt vextrel/UserFixes.txt \
         applications/org.vextrel.Vextrel.desktop metainfo/org.vextrel.Vextrel.metainfo.xml \
         icons/hicolor/scalable/apps/org.vextrel.Vextrel.svg man/man1/vextrel-check.1.gz \
         man/man1/vextrel.1.gz; do
  [ -f "$share/$f" ] || fail "not installed: share/$f"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/org.vextrel.Vextrel.metainfo.xml" >/dev/null ||
    fail "appstreamcli rejects the metadata"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/org.vextrel.Vextrel.desktop" ||
    fail "desktop-file-validate rejects the menu entry"
fi

export HOME=$stage/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_RUNTIME_DIR=$stage/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=0

# Help and version need no display.
[ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$bin/vextrel" --version)" = "Vextrel $version" ] ||
  fail "vextrel --version"
env -u DISPLAY -u QT_QPA_PLATFORM "$bin/vextrel" --help | grep -q -- "--stars" ||
  fail "vextrel --help"
[ "$("$bin/vextrel-check" --version)" = "vextrel-check $version" ] || fail "vextrel-check --version"
"$bin/vextrel-check" --help | grep -q -- "--reference" || fail "vextrel-check --help"

# The checker finds the installed reference files by itself.
out=$("$bin/vextrel-check" --reference "$share/vextrel")
grep -q ": 63842 navaids" <<<"$out" || fail "vextrel-check --reference: $out"
cp -r "$source/data/sample" "$stage/sim"
out=$("$bin/vextrel-check" "$stage/sim/PMDG/KSEA.txt" || true)
grep -q "^1 files, 0 errors" <<<"$out" || fail "vextrel-check on the sample: $out"

# The GUI, started with the simulator folder, asks the new user's name and
# has written its settings and the user's copy of the user fixes; started
# again, it reaches its menu.
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || fail "needs xvfb-run and xdotool"
window() {
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    QT_QPA_PLATFORM=xcb "$1" "$2" & gui=$!
    found=$(timeout 30 xdotool search --sync --onlyvisible --name "^$3\$" || true)
    kill $gui 2>/dev/null
    [ -n "$found" ]' - "$bin/vextrel" "$stage/sim" "$1"
}
window "Project Designer" || fail "the first start shows no name screen"
[ "$(head -n 1 "$XDG_CONFIG_HOME/Vextrel/Vextrel.INI" | tr -d '\r')" = "$stage/sim" ] ||
  fail "no settings under XDG_CONFIG_HOME"
cmp -s "$share/vextrel/UserFixes.txt" "$XDG_DATA_HOME/Vextrel/UserFixes.txt" ||
  fail "the user fixes were not copied to XDG_DATA_HOME"
window "Vextrel" || fail "the second start shows no menu"
[ ! -e "$bin/Vextrel.INI" ] || fail "settings were written beside the program"
echo "installed programs run from $stage/usr"
