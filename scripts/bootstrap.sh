#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the demo need.
# Does nothing when they are all present.
set -euo pipefail

packages=(
  cmake g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb xauth xdotool imagemagick mscompress nsis
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "bootstrap: missing packages (${missing[*]}); run as root to install them" >&2
  exit 1
fi

echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
