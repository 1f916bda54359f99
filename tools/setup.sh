#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the utility.
# Idempotent: when everything is there it only checks and says nothing. Packages named as arguments
# are installed too (tools/wine-test.sh adds its cross compiler and Wine).
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth clang-14 libclang-rt-14-dev clang-format python3 ser2net locales bash-completion
  libqt6sql6-sqlite libqt6sql6-psql libpq-dev libsqlite3-dev qt6-tools-dev
  qt6-l10n-tools qt6-translations-l10n libxlsxwriter-dev pkg-config unzip postgresql ansible-core
  python3-openpyxl "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
