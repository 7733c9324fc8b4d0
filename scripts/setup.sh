#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# Runs `apt-get update` only when something has to be installed. Safe to run again.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libsqlite3-dev sqlite3 libicu-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth fonts-liberation2 fonts-dejavu-core fonts-crosextra-carlito
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Instaluję brakujące pakiety: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
