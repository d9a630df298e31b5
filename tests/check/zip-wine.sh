#!/usr/bin/env bash
# The release ZIP of the checker: made with CPack, unpacked into a folder
# whose name has a space, and run there under Wine on the sample airport,
# with the reference files it finds beside itself.
set -euo pipefail
build=$1
source=$2
cd "$build"
rm -f vextrel-check-*-windows-x64.zip
cpack -G ZIP >/dev/null
unpacked="$build/zip-test/Vextrel Check"
rm -rf "$build/zip-test"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$build"/vextrel-check-*-windows-x64.zip)
exe=$(find "$unpacked" -name vextrel-check.exe)
[ -n "$exe" ] || { echo "no vextrel-check.exe in the ZIP"; exit 1; }
for f in AllFlyAirports.txt AllFlyNavaids.txt UserFixes.txt; do
  [ -f "$(dirname "$exe")/$f" ] || { echo "no $f beside the checker"; exit 1; }
done
cp "$source/data/sample/PMDG/KSEA.txt" "$build/zip-test/KSEA.txt"
cd "$build/zip-test"
out=$("$source/scripts/wine-run.sh" "$exe" KSEA.txt 2>&1 || true)
echo "$out"
grep -q '^1 files, 0 errors, 1 warnings' <<<"$out"
