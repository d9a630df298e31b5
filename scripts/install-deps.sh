#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# but only those that are missing.
set -euo pipefail
packages=(cmake ninja-build ccache g++ clang clang-format libfuzzer-14-dev libclang-rt-14-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev libgeographiclib-dev
          xvfb xauth imagemagick xdotool fonts-dejavu-core locales
          appstream desktop-file-utils dpkg-dev file librsvg2-bin
          g++-mingw-w64-x86-64-posix googletest wine wine64)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run the number conversions under a locale that writes 12,5.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Generating the de_DE.UTF-8 locale"
  [ ! -f /etc/locale.gen ] || $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
