#!/usr/bin/env bash
# Start-up on Windows finds the simulator folder in the registry, where the
# simulator's 32-bit installer puts it; without the key it shows the locator.
# Runs shell_tests.exe under Wine after setting the key with `reg add` in the
# test prefix, then after deleting it. CTest runs it alone: the key is
# machine-wide.
set -euo pipefail
tests_exe=$1
wine_run="$(dirname "$0")/../../scripts/wine-run.sh"
key='HKLM\Software\Terminal Reality\Fly! II'
folder='C:\Users\Pilot\Fly II'

# The test must have run, and passed.
start_up() {
  local out
  out=$(VEXTREL_TEST_REGISTRY_FOLDER="$1" "$wine_run" "$tests_exe" --gtest_also_run_disabled_tests \
    --gtest_filter='ShellTest.DISABLED_StartUpTakesTheSimulatorFolderFromTheRegistry' 2>&1) || {
    echo "$out"
    return 1
  }
  grep -q '^\[  PASSED  \] 1 test\.' <<<"$out" || { echo "$out"; return 1; }
  echo "start-up with registry folder '$1': passed"
}

trap '"$wine_run" reg delete "$key" /f /reg:32 >/dev/null 2>&1 || true' EXIT
"$wine_run" reg add "$key" /v path /t REG_SZ /d "  $folder  " /f /reg:32 >/dev/null
start_up "$folder"
"$wine_run" reg delete "$key" /f /reg:32 >/dev/null
start_up none
