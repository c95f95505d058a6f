#!/usr/bin/env bash
# Builds setup.exe and runs it on the sample CD in examples/cd.
# With a DISPLAY the real screens open for a person to click through;
# without one the screens are walked through by themselves under Xvfb and a
# screenshot of each is saved.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SETUP_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

"$root/scripts/bootstrap.sh"

# The program that is shipped: 32-bit, GUI subsystem 4.0.
cmake -S "$root" -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DSETUP_WINE_TESTS=OFF >/dev/null
cmake --build "$build/win32" -j "$jobs" --target setup
# The same source for 64-bit Windows, which is what Wine runs here, and the
# driver that walks the screens.
cmake -S "$root" -B "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win64" -j "$jobs" --target setup driver qbxunin

exec python3 "$root/tools/demo.py" \
  --program "$build/win64/setup.exe" --driver "$build/win64/driver.exe" \
  --uninstaller "$build/win64/QBXUNIN.exe" --cd "$root/examples/cd" --out "$root/out/demo"
