#!/usr/bin/env bash
# Builds the Windows programs on this Debian machine and tests them under Wine:
# installs what is missing (mingw-w64, Wine, NSIS), unpacks the Windows Qt and
# GoogleTest from ../shared/toolchains into a cache outside the tree, builds
# pairforge.exe and pairforge-cli.exe (static: no DLLs to ship), runs the whole
# test suite under Wine, then makes the installer and the portable zip and
# checks that the installer installs, runs and uninstalls cleanly.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh windows

toolchains=${PAIRFORGE_TOOLCHAINS:-$root/../shared/toolchains}
cache=${PAIRFORGE_WIN64_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/pairforge/win64}
export PAIRFORGE_WIN64_DEPS=$cache
mkdir -p "$cache"
for archive in qt6.4.2-win64-mingw-static.tar.xz googletest-win64-mingw.tar.xz; do
    src=$toolchains/$archive
    stamp=$cache/.${archive}.stamp
    if [ ! -f "$src" ]; then
        echo "Missing $src: the Windows toolchains are not beside this project." >&2
        exit 1
    fi
    # Unpacked again whenever the archive changes.
    sum=$(stat -c '%s %Y' "$src")
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$sum" ]; then
        echo "Unpacking $archive into $cache"
        tar -xJf "$src" -C "$cache"
        echo "$sum" >"$stamp"
    fi
done

# Wine in a prefix of its own, made once, with no dialogs and no debug chatter.
export WINEPREFIX=${PAIRFORGE_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/pairforge/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
fi
# One server for the whole run: each test process then starts in a fraction of a second.
wineserver -p 2>/dev/null || true  # already running: that one serves
trap 'wineserver -k 2>/dev/null || true' EXIT

# Builds of the same sources from another clone come from the cache too.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
jobs=$(nproc)
start=$(date +%s)
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# Wine starts its desktop process with the first window program; a test
# listing that races that start can wait for it for good. One warm-up run,
# given a minute and tried again on a fresh server, settles it first.
warm=build/windows/tests/widgets/up_down_test.exe
for attempt in 1 2 3; do
    if timeout 60 wine "$warm" --gtest_list_tests >/dev/null 2>&1; then break; fi
    echo "Wine warm-up attempt $attempt did not finish; restarting the Wine server"
    wineserver -k 2>/dev/null || true
    wineserver -p 2>/dev/null || true
done
# A virtual display keeps Wine's desktop process steady; the tests themselves
# draw offscreen. Now and then Wine fails to start a test program at all (no
# output, a failure within a hundredth of a second), so the windows test preset
# gives a failed test up to three runs; a real fault fails all three.
xvfb-run -a ctest --preset windows -j "$jobs"
echo "Windows suite: $(( $(date +%s) - start )) s from configure to the last test"

bash scripts/check-windows-package.sh build/windows
