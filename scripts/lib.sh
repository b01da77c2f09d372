# shellcheck shell=bash
# Shared by the scripts: where things are built and which Wine can run them here.

QENNET_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QENNET_BUILD="${QENNET_BUILD:-$QENNET_ROOT/build}"

# The launcher is a 32-bit program. Wine runs it where the kernel can execute 32-bit code; on a
# kernel that runs 64-bit code only (some virtual machines), the same sources are built as a
# 64-bit program and that is what runs under Wine.
qennet_pick_wine() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    QENNET_WINE=/usr/lib/wine/wine QENNET_WINEARCH=win32 QENNET_TOOLCHAIN=i686-w64-mingw32
  else
    QENNET_WINE=/usr/lib/wine/wine64 QENNET_WINEARCH=win64 QENNET_TOOLCHAIN=x86_64-w64-mingw32
  fi
  QENNET_PREFIX="$QENNET_BUILD/wine-$QENNET_WINEARCH"
  export QENNET_WINE QENNET_WINEARCH QENNET_TOOLCHAIN QENNET_PREFIX
}

# Configures (once) and builds one build tree: qennet_build DIR [cmake options...]
qennet_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$QENNET_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)" >"$dir.log" 2>&1 || {
    tail -n 40 "$dir.log" >&2
    echo "build of $dir failed (whole log: $dir.log)" >&2
    return 1
  }
}

# The 32-bit tree, build/win32: the program that ships. Every script builds it with these same
# options, so the released exe is the one the tests checked.
qennet_build_win32() {
  local e2e=OFF
  [ "$QENNET_WINEARCH" = win32 ] && e2e=ON
  qennet_build "$QENNET_BUILD/win32" \
    -DCMAKE_TOOLCHAIN_FILE="$QENNET_ROOT/cmake/i686-w64-mingw32.cmake" -DQENNET_E2E=$e2e
}

# Builds what the end-to-end tests run on and sets QENNET_E2E_DIR to its tree: build/win32 where
# Wine runs 32-bit programs, otherwise the 64-bit build of the same sources.
qennet_build_e2e() {
  qennet_build_win32 || return 1
  QENNET_E2E_DIR="$QENNET_BUILD/win32"
  if [ "$QENNET_WINEARCH" = win64 ]; then
    echo "This kernel cannot run 32-bit code: the end-to-end tests run the 64-bit build of the same sources."
    QENNET_E2E_DIR="$QENNET_BUILD/win64"
    qennet_build "$QENNET_E2E_DIR" -DCMAKE_TOOLCHAIN_FILE="$QENNET_ROOT/cmake/x86_64-w64-mingw32.cmake" \
      -DQENNET_E2E=ON -DQENNET_WINE="$QENNET_WINE" || return 1
  fi
}
